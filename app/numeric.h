// The numbers of the sky clock: checked 16-bit Integers, single-precision
// stores, round-down Int, ties-to-even conversion, and the conversions
// between numbers and text. Every conversion here is independent of the
// user's locale.
#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

// The routines' results depend on every floating-point step being the
// IEEE 754 operation as written.
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "the sky clock needs IEEE 754 single and double precision");
#ifdef __FAST_MATH__
#error "the sky clock must not be built with -ffast-math: it changes the chart's numbers"
#endif

namespace pelmora {

// A run-time error of the system: it ends the running handler and, at the
// handler boundary, the program. It carries the platform's error number.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& message) : std::runtime_error(message), number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

// The line that reports a run-time error: "Run-time error '6': Overflow".
std::string runtime_error_text(const RuntimeError& error);

[[noreturn]] void raise_invalid_argument();        // 5
[[noreturn]] void raise_overflow();                // 6 "Overflow"
[[noreturn]] void raise_subscript_out_of_range();  // 9
[[noreturn]] void raise_division_by_zero();        // 11
[[noreturn]] void raise_type_mismatch();           // 13

// A 16-bit signed Integer whose every sum, difference and product is
// checked: a result outside -32768..32767 raises "Overflow".
class Integer {
 public:
  constexpr Integer() = default;
  // Implicit so that literal constants read as in the formulas; the value is
  // range-checked. Floating values must go through to_integer().
  constexpr Integer(int value) : value_(checked(value)) {}
  Integer(double) = delete;
  Integer(float) = delete;
  // A Boolean is -1 or 0 (kTrue, kFalse); a bool would become 1, whose
  // complement is still true.
  Integer(bool) = delete;

  constexpr int value() const { return value_; }

  friend constexpr Integer operator+(Integer a, Integer b) { return Integer(a.value_ + b.value_); }
  friend constexpr Integer operator-(Integer a, Integer b) { return Integer(a.value_ - b.value_); }
  friend constexpr Integer operator*(Integer a, Integer b) { return Integer(a.value_ * b.value_); }
  constexpr Integer operator-() const { return Integer(-value_); }
  constexpr Integer& operator+=(Integer b) { return *this = *this + b; }
  constexpr Integer& operator-=(Integer b) { return *this = *this - b; }

  friend constexpr bool operator==(Integer a, Integer b) = default;
  friend constexpr std::strong_ordering operator<=>(Integer a, Integer b) = default;

 private:
  static constexpr std::int16_t checked(int value) {
    if (value < -32768 || value > 32767) raise_overflow();
    return static_cast<std::int16_t>(value);
  }
  std::int16_t value_ = 0;
};

// Boolean as the system keeps it: an Integer, -1 for true and 0 for false.
inline constexpr Integer kTrue = -1;
inline constexpr Integer kFalse = 0;
inline bool is_true(Integer b) { return b != kFalse; }
// Bitwise complement, the system's Not: true becomes false and back.
inline Integer bit_not(Integer b) { return Integer(~b.value()); }

using Single = float;

// The value of an Integer as a floating-point operand, and as a Single
// (exact: every Integer is a Single).
inline double dbl(Integer i) { return i.value(); }
inline Single sgl(Integer i) { return static_cast<Single>(i.value()); }

// A store into a Single: rounds to single precision; a value beyond the
// single range (or not a number) is a floating-point fault, "Overflow".
Single sng(double value);

// Int: rounds down, toward minus infinity, and stays floating.
double Int(double value);

// Conversion of a floating value to an Integer: nearest whole number, a tie
// to the even neighbour; outside the Integer range raises "Overflow".
Integer to_integer(double value);

// The leading number of a text (blanks, sign, digits, a decimal point and an
// exponent); 0 when the text does not start with a number.
double leading_number(std::string_view text);

// A whole text as a number, rounded to an Integer; "Type mismatch" when the
// text (blanks aside) is not a number.
Integer text_to_integer(std::string_view text);

// A number as decimal text with at most seven significant digits, trailing
// zeros and a trailing point dropped ("1440", "0.25", "8.333333E-05"); very
// small and very large values take the exponent form, which leading_number
// reads back.
std::string number_text(double value);

// The printed form of a number: a sign place (blank or "-"), the digits with
// no zero before the decimal point, and one trailing blank: " 7 ", " .25 ",
// "-.01 ".
std::string printed(Integer value);
std::string printed(Single value);

// The leftmost or rightmost n characters of a text.
std::string left_text(std::string_view text, int n);
std::string right_text(std::string_view text, int n);

}  // namespace pelmora
