// The moon's angles from the date and the clock, and where they put the moon
// against the real sky.
#include <gtest/gtest.h>

#include <cmath>

#include "guide/moon_phase.h"
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

TEST(MoonAnglesTest, WorkedDaysByHand) {
  Rig rig;
  rig.clock.date = "01-01-2003";
  rig.loaded();
  rig.clock.seconds = 0;
  rig.form.compute_moon();
  // 1 January 2003 at 0:00, worked by hand: day 1 and the 11.494 days from
  // the epoch give 12.494 days of the sun's travel, 12.3143 degrees. A
  // sidereal month is 26.9286 of those degrees, so 0.45729 of a month has
  // gone; with the 0.24778 the moon had at the epoch, 0.70507 of a turn:
  // 253.83 degrees, shown as 253. A synodic month is 29.1057 degrees:
  // 0.42309 + 0.24778 = 0.67087 of a turn, 241.51 degrees, phase 242.
  EXPECT_EQ(rig.st().epoch_years.value(), 0);
  EXPECT_NEAR(rig.st().solar_travel, 12.3143, 1e-4);
  EXPECT_EQ(rig.st().lunar_angle.value(), 253);
  EXPECT_EQ(rig.st().lunar_phase.value(), 242);

  // 16 December 2026 at 21:57: 0.75120 of a synodic month, a phase of
  // 359.51 degrees that rounds to 360 and stays 360 (only above 360 is a
  // turn taken off). The moon then stands at its first quarter.
  rig.clock.date = "12-16-2026";
  rig.loaded();
  rig.clock.seconds = 21 * 3600 + 57 * 60;
  rig.form.compute_moon();
  EXPECT_EQ(rig.st().lunar_phase.value(), 360);
  EXPECT_EQ(moon_phase(elongation_of_chart_phase(360)).name, "first quarter");
}

// The phase in words, from the elongation and from the chart's phase angle
// (270 at new moon, the moon drawn lowest; 90 at full moon, highest).
TEST(MoonPhaseTest, WordsLitPartAndDaysToTheNextNewOrFullMoon) {
  EXPECT_EQ(moon_phase_words(0), "new, 0 % lit, 15 days to full moon");
  EXPECT_EQ(moon_phase_words(45), "waxing crescent, 15 % lit, 11 days to full moon");
  EXPECT_EQ(moon_phase_words(90), "first quarter, 50 % lit, 7 days to full moon");
  EXPECT_EQ(moon_phase_words(135), "waxing gibbous, 85 % lit, 4 days to full moon");
  EXPECT_EQ(moon_phase_words(180), "full, 100 % lit, 15 days to new moon");
  EXPECT_EQ(moon_phase_words(225), "waning gibbous, 85 % lit, 11 days to new moon");
  EXPECT_EQ(moon_phase_words(270), "last quarter, 50 % lit, 7 days to new moon");
  EXPECT_EQ(moon_phase_words(302.7), "waning crescent, 23 % lit, 5 days to new moon");
  EXPECT_EQ(moon_phase_words(359.9), "new, 0 % lit, under a day to new moon");
  EXPECT_EQ(moon_phase_words(-30), moon_phase_words(330));
  // The names' borders lie halfway between two principal phases.
  EXPECT_EQ(moon_phase(22.4).name, "new");
  EXPECT_EQ(moon_phase(22.6).name, "waxing crescent");
  EXPECT_EQ(moon_phase(337.4).name, "waning crescent");
  EXPECT_EQ(moon_phase(337.6).name, "new");

  EXPECT_EQ(moon_phase(elongation_of_chart_phase(270)).name, "new");
  EXPECT_EQ(moon_phase(elongation_of_chart_phase(0)).name, "first quarter");
  EXPECT_EQ(moon_phase(elongation_of_chart_phase(90)).name, "full");
  EXPECT_EQ(moon_phase(elongation_of_chart_phase(180)).name, "last quarter");
  EXPECT_TRUE(moon_phase(elongation_of_chart_phase(330)).waxing);  // just after new
  EXPECT_FALSE(moon_phase(elongation_of_chart_phase(200)).waxing);
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
