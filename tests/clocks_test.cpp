// The clocks: local moments and how they move on, and the computer's clock.
#include "clocks/clocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "command_line/values.h"

namespace pelmora {
namespace {

LocalMoment moment(const std::string& text) { return parse_moment(text).value(); }

TEST(LocalMomentTest, DateMovesOnAtMidnight) {
  LocalMoment m = moment("2024-02-28 23:59:59.990");
  m.advance(15);
  EXPECT_EQ(m.date_text(), "02-29-2024");
  EXPECT_EQ(m.milliseconds, 5);
  m = moment("2026-12-31 23:59");
  m.advance(60'000 + 86'400'000);
  EXPECT_EQ(m.date_text(), "01-02-2027");
  EXPECT_EQ(moment("2026-12-07 23:59:59.999").seconds(), std::nextafter(86400.0f, 0.0f));  // never 86400
}

TEST(SystemClockTest, AgreesWithTheCLibrarysLocalTime) {
  for (int reading = 0; reading < 3; ++reading) {
    // The moment read lies between two readings of the C library's clock,
    // whatever the clock passes in between: a second, midnight, a new year.
    const time_t before = time(nullptr);
    const LocalMoment moment = local_now();
    const time_t after = time(nullptr);
    bool found = false;
    for (time_t t = before; t <= after && !found; ++t) {
      std::tm local{};
      localtime_r(&t, &local);
      found = moment.year == local.tm_year + 1900 && moment.month == local.tm_mon + 1 && moment.day == local.tm_mday &&
              moment.milliseconds / 1000 == local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    }
    EXPECT_TRUE(found) << moment.date_text() << " +" << moment.milliseconds << " ms, not between " << before << " and "
                       << after;
  }
}

}  // namespace
}  // namespace pelmora
