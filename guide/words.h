// The guide's words in the user's language. They are written in English,
// marked with GUIDE_TR for Qt Linguist's lupdate (app/translatable.h), and looked up
// through the language the window sets once a translation is loaded; with
// none set they stay as written, and numbers as plain digits.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/translatable.h"

namespace pelmora {

// Every guide text is in this translation context.
inline constexpr const char* kGuideContext = "Guide";

struct GuideLanguage {
  // The text in the user's language; a count of 0 or more picks the plural
  // form and stands for %n, -1 means the text has none.
  std::function<std::string(const char* english, long count)> translate;
  // A whole number as the user's locale writes it.
  std::function<std::string(long number)> number;
  // A number with `decimals` digits after the locale's decimal sign.
  std::function<std::string(double value, int decimals)> decimal;
};

// Sets the language of every text the guide gives from now on; an empty
// language (the default) is English.
void set_guide_language(GuideLanguage language);

// The marked text in the user's language.
std::string guide_text(std::string_view english);
// A marked text with a count: %n is the count and, in English, "(s)" the
// plural's ending.
std::string guide_counted(std::string_view english, long count);
// A whole number in the user's locale.
std::string guide_number(long number);
// A number with `decimals` digits after the decimal sign, in the user's
// locale, below zero with the true minus sign ("−2.4", "−2,4").
std::string guide_decimal(double value, int decimals);
// The pattern with %1, %2, ... replaced by the arguments, in one pass (an
// argument's own "%1" stays as it is).
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace pelmora
