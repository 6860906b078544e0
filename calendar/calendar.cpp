#include <array>

#include "app/form1.h"

namespace pelmora {

namespace {

// Days before each month of a 365-day year.
constexpr std::array<int, 13> kDaysBeforeMonth = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Divisibility as the calendar tests it: the single-precision quotient
// equals its value rounded down.
bool divisible(Integer year, double divisor) {
  const Single quotient = sng(dbl(year) / divisor);
  return quotient == Int(quotient);
}

}  // namespace

void Form1::compute_calendar() {
  st.year = to_integer(leading_number(st.year_text));
  const bool leap = divisible(st.year, 4) && (!divisible(st.year, 100) || divisible(st.year, 400));
  st.days_in_year = leap ? 366 : 365;
  // A month outside 1 to 12 leaves the days before it as they were, and
  // is not shifted either: repeated calls must not add up.
  if (st.month >= 1 && st.month <= 12) {
    st.days_before_month = kDaysBeforeMonth[static_cast<std::size_t>(st.month.value())];
    if (leap && st.month > 2) st.days_before_month += 1;
  }
}

}  // namespace pelmora
