// The clocks: local moments and how they move on, and the computer's clock.
#include "clocks/clocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

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

// Runs with TZ set to a zone, and puts the old one back.
class ZoneTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  void use(const char* zone) {
    if (const char* tz = getenv("TZ"); tz && !old_) old_ = tz;
    setenv("TZ", zone, 1);
    tzset();
  }
  std::optional<std::string> old_;
};

std::string utc_text(const LocalMoment& local) {
  const LocalMoment utc = universal_time(local);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld.%03lld", utc.year, utc.month, utc.day,
                static_cast<long long>(utc.milliseconds / 3'600'000),
                static_cast<long long>(utc.milliseconds / 60'000 % 60),
                static_cast<long long>(utc.milliseconds / 1000 % 60), static_cast<long long>(utc.milliseconds % 1000));
  return text;
}

TEST_F(ZoneTest, LocalTimeToUniversalTime) {
  use("Europe/Madrid");
  EXPECT_EQ(utc_text(moment("2026-12-07 06:00")), "2026-12-07 05:00:00.000");
  EXPECT_EQ(utc_text(moment("2026-07-01 00:30:15.250")), "2026-06-30 22:30:15.250");
  // Put forward at 02:00 on 29 March: 02:30 never shows and is read as
  // 03:30 summer time. Put back at 03:00 on 25 October: 02:30 comes twice,
  // first in summer time.
  EXPECT_EQ(utc_text(moment("2026-03-29 02:30")), "2026-03-29 01:30:00.000");
  EXPECT_EQ(utc_text(moment("2026-10-25 02:30")), "2026-10-25 00:30:00.000");
  EXPECT_EQ(utc_text(moment("2026-10-25 03:00")), "2026-10-25 02:00:00.000");
  // Local mean time of Madrid before the zones: 14 minutes 44 seconds behind.
  EXPECT_EQ(utc_text(moment("1900-01-01 00:00")), "1900-01-01 00:14:44.000");

  use("Pacific/Kiritimati");  // 14 hours ahead: the day before in UTC
  EXPECT_EQ(utc_text(moment("2026-01-01 00:30")), "2025-12-31 10:30:00.000");
  use("Pacific/Apia");  // skipped 30 December 2011 as it crossed the date line
  EXPECT_EQ(utc_text(moment("2011-12-30 12:00")), "2011-12-30 22:00:00.000");
  use("UTC");
  EXPECT_EQ(utc_text(moment("2099-12-31 23:59:59.999")), "2099-12-31 23:59:59.999");
}

}  // namespace
}  // namespace pelmora
