// The moon's angles from the date and the clock, and where they put the moon
// against the real sky.
#include <gtest/gtest.h>

#include <cmath>

#include "support/test_support.h"

namespace pelmora::testing {
namespace {

TEST(MoonAnglesTest, AnglesStayInRangeAndMoveWithinTheDay) {
  for (const char* date : {"06-15-1999", "01-01-2003", "12-07-2026", "02-29-2024", "12-31-9999", "01-01-1000"}) {
    Rig rig;
    rig.clock.date = date;
    rig.loaded();
    float previous = -1;
    for (const Single seconds : {0.0f, 21600.0f, 43200.0f, 86399.99f}) {
      rig.clock.seconds = seconds;
      rig.form.compute_moon();
      EXPECT_GE(rig.st().lunar_angle.value(), 0) << date;
      EXPECT_LE(rig.st().lunar_angle.value(), 360) << date;
      EXPECT_GE(rig.st().lunar_phase.value(), 1) << date;
      EXPECT_LE(rig.st().lunar_phase.value(), 360) << date;
      EXPECT_NE(rig.st().solar_travel, previous) << date;  // the time of day counts
      previous = rig.st().solar_travel;
    }
  }
}

TEST(MoonAnglesTest, WorkedDayFromTheEpoch) {
  Rig rig;
  rig.clock.date = "01-01-2003";
  rig.loaded();
  rig.clock.seconds = 0;
  rig.form.compute_moon();
  // Day 1 at midnight: (1 + 11.494) / 365.253 * 360 degrees of travel.
  EXPECT_EQ(rig.st().epoch_years.value(), 0);
  EXPECT_EQ(rig.st().day_number, 1.0f);
  EXPECT_EQ(rig.st().solar_travel, sng(12.494 / 365.253 * 360));
  const double sidereal = double(sng(double(rig.st().solar_travel) / (27.321661 / 365.253 * 360)));
  EXPECT_EQ(rig.st().lunar_angle.value(), static_cast<int>((sidereal + 0.24778) * 360) % 360);
}

// The real moon at a few moments, from an ephemeris with the clock read as
// universal time. The chart's moon moves uniformly, so it may stand some
// degrees off the real one, but never a quarter of the sky away.
struct RealMoment {
  const char* date;
  Single seconds;
};

constexpr Single at(int hours, int minutes, int seconds) { return Single(hours * 3600 + minutes * 60 + seconds); }

Rig& loaded_at(Rig& rig, const RealMoment& moment) {
  rig.clock.date = moment.date;
  rig.clock.seconds = moment.seconds;
  rig.form.Form_Load();
  return rig;
}

TEST(RealMoonTest, LunarReadOutIsTheMoonsLongitude) {
  // The moon's geocentric ecliptic longitude of date, in degrees.
  const std::pair<RealMoment, double> cases[] = {{{"12-07-2026", at(0, 0, 0)}, 232.3},
                                                 {{"01-01-2003", at(0, 0, 0)}, 256.0},
                                                 {{"06-15-2050", at(0, 0, 0)}, 30.6},
                                                 {{"03-01-1990", at(0, 0, 0)}, 29.0},
                                                 {{"06-01-2026", at(12, 0, 0)}, 263.4}};
  for (const auto& [moment, longitude] : cases) {
    Rig rig;
    const int lunar = loaded_at(rig, moment).st().lunar_angle.value();
    EXPECT_LT(std::abs(std::remainder(lunar - longitude, 360.0)), 10) << moment.date << ": lunar " << lunar;
  }
}

TEST(RealMoonTest, MarkerIsHighAtFullMoonAndLowAtNewMoon) {
  // Full and new moons of 2026. Within 25 degrees of phase of its highest
  // or lowest place, the marker stands at least 23 of its 24.84 pixels
  // above or below the baseline.
  const RealMoment full[] = {{"01-03-2026", at(10, 2, 51)},
                             {"03-03-2026", at(11, 37, 50)},
                             {"08-28-2026", at(4, 18, 27)},
                             {"12-24-2026", at(1, 28, 9)}};
  const RealMoment new_moon[] = {{"01-18-2026", at(19, 51, 55)},
                                 {"02-17-2026", at(12, 1, 5)},
                                 {"08-12-2026", at(17, 36, 39)},
                                 {"12-09-2026", at(0, 51, 47)}};
  for (const RealMoment& moment : full) {
    Rig rig;
    loaded_at(rig, moment).form.draw_moon();
    EXPECT_LE(rig.st().moon_y.value(), 432 - 23) << moment.date;
  }
  for (const RealMoment& moment : new_moon) {
    Rig rig;
    loaded_at(rig, moment).form.draw_moon();
    EXPECT_GE(rig.st().moon_y.value(), 432 + 23) << moment.date;
  }
}

}  // namespace
}  // namespace pelmora::testing
