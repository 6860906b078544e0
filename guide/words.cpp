#include "guide/words.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace pelmora {

namespace {

GuideLanguage& language() {
  static GuideLanguage chosen;
  return chosen;
}

}  // namespace

void set_guide_language(GuideLanguage chosen) { language() = std::move(chosen); }

std::string guide_text(std::string_view english) {
  const std::string text(english);
  return language().translate ? language().translate(text.c_str(), -1) : text;
}

std::string guide_counted(std::string_view english, long count) {
  const std::string text(english);
  if (language().translate) return language().translate(text.c_str(), count);
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "%n") == 0) {
      plain += std::to_string(count);
      ++i;
    } else if (text.compare(i, 3, "(s)") == 0) {
      if (count != 1) plain += 's';
      i += 2;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

std::string guide_number(long number) { return language().number ? language().number(number) : std::to_string(number); }

std::string guide_decimal(double value, int decimals) {
  // Rounded first, so that a value that rounds to zero carries no sign.
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0) rounded = 0;
  std::string text;
  if (language().decimal) {
    text = language().decimal(rounded, decimals);
  } else {
    char plain[32];
    std::snprintf(plain, sizeof plain, "%.*f", decimals, rounded);
    text = plain;
  }
  if (!text.empty() && text.front() == '-') text.replace(0, 1, "\u2212");
  return text;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
      text += arguments.begin()[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace pelmora
