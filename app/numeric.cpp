#include "numeric.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace pelmora {

std::string runtime_error_text(const RuntimeError& error) {
  return "Run-time error '" + std::to_string(error.number()) + "': " + error.what();
}

void raise_invalid_argument() { throw RuntimeError(5, "Invalid procedure call or argument"); }
void raise_overflow() { throw RuntimeError(6, "Overflow"); }
void raise_subscript_out_of_range() { throw RuntimeError(9, "Subscript out of range"); }
void raise_division_by_zero() { throw RuntimeError(11, "Division by zero"); }
void raise_type_mismatch() { throw RuntimeError(13, "Type mismatch"); }

Single sng(double value) {
  // Halfway between the largest Single and the next power of two, and
  // beyond, rounds to infinity: checked before the conversion, which C++
  // leaves undefined outside the Single range.
  constexpr double kSingleOverflow = 0x1.ffffffp127;
  if (!(std::abs(value) < kSingleOverflow)) raise_overflow();
  return static_cast<Single>(value);
}

double Int(double value) { return std::floor(value); }

Integer to_integer(double value) {
  if (!std::isfinite(value)) raise_overflow();
  // nearbyint rounds in the default mode, to nearest with ties to even.
  const double rounded = std::nearbyint(value);
  if (rounded < -32768.0 || rounded > 32767.0) raise_overflow();
  return Integer(static_cast<int>(rounded));
}

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Scans a number (sign, digits, point, exponent) at the start of `text` into
// the form std::from_chars reads. Returns the characters used, 0 for none.
std::size_t scan_number(std::string_view text, std::string& normal) {
  std::size_t i = 0;
  normal.clear();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normal += '-';
    ++i;
  }
  std::size_t digits = 0;
  while (i < text.size() && is_digit(text[i])) {
    normal += text[i++];
    ++digits;
  }
  if (i < text.size() && text[i] == '.') {
    normal += '.';
    ++i;
    while (i < text.size() && is_digit(text[i])) {
      normal += text[i++];
      ++digits;
    }
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    if (j < text.size() && is_digit(text[j])) {
      while (j < text.size() && is_digit(text[j])) exponent += text[j++];
      normal += exponent;
      i = j;
    }
  }
  return i;
}

double parse_normal(const std::string& normal) {
  double value = 0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Underflow (a negative exponent) reads as 0; anything else out of
    // range is beyond the double range: an overflow.
    if (normal.find("e-") == std::string::npos) raise_overflow();
    return 0.0;
  }
  if (error != std::errc()) raise_type_mismatch();
  return value;
}

std::size_t skip_blanks(std::string_view text, std::size_t i) {
  while (i < text.size() && is_blank(text[i])) ++i;
  return i;
}

}  // namespace

double leading_number(std::string_view text) {
  const std::size_t start = skip_blanks(text, 0);
  std::string normal;
  if (scan_number(text.substr(start), normal) == 0) return 0.0;
  return parse_normal(normal);
}

Integer text_to_integer(std::string_view text) {
  const std::size_t start = skip_blanks(text, 0);
  std::string normal;
  const std::size_t used = scan_number(text.substr(start), normal);
  if (used == 0 || skip_blanks(text, start + used) != text.size()) raise_type_mismatch();
  return to_integer(parse_normal(normal));
}

std::string number_text(double value) {
  if (value == 0.0) return "0";
  // Whole numbers of up to seven digits print as they are (the common case:
  // every read-out but the cycle time and the error value).
  if (std::abs(value) < 1e7 && value == std::trunc(value)) return std::to_string(static_cast<long>(value));
  // Seven significant digits, correctly rounded: "d.dddddde+XX".
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific, 6);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e_at = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e_at))
    if (is_digit(c)) digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(std::string(scientific.substr(e_at + 1)).c_str());

  std::string text = value < 0 ? "-" : "";
  if (exponent < -4 || exponent > 6) {
    text += digits[0];
    if (digits.size() > 1) {
      text += '.';
      text += digits.substr(1);
    }
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent >= 0) {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text += digits + std::string(whole - digits.size(), '0');
    } else {
      text += digits.substr(0, whole) + "." + digits.substr(whole);
    }
  } else {
    text += "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  }
  return text;
}

std::string printed(Integer value) {
  const int v = value.value();
  std::string text(1, v < 0 ? '-' : ' ');
  text += std::to_string(std::abs(v));
  text += ' ';
  return text;
}

std::string printed(Single value) {
  std::string magnitude = number_text(std::abs(static_cast<double>(value)));
  if (magnitude.starts_with("0.")) magnitude.erase(0, 1);
  std::string text(1, value < 0 ? '-' : ' ');
  text += magnitude;
  text += ' ';
  return text;
}

std::string left_text(std::string_view text, int n) {
  if (n < 0) raise_invalid_argument();
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string right_text(std::string_view text, int n) {
  if (n < 0) raise_invalid_argument();
  const auto count = std::min(text.size(), static_cast<std::size_t>(n));
  return std::string(text.substr(text.size() - count));
}

}  // namespace pelmora
