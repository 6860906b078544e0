// The load: header, solar angle, chart angle and schedule, and the calendar
// behind them.
#include <gtest/gtest.h>

#include <type_traits>

#include "support/test_support.h"

namespace pelmora::testing {
namespace {

// The star-field renderer refers to the form's own state.
static_assert(!std::is_copy_constructible_v<Form1> && !std::is_move_constructible_v<Form1>);

struct LoadCase {
  const char* date;
  Single seconds;
  int solar_angle;
  int chart_angle;
};

TEST(LoadTest, SolarAndChartAnglesOfTheWorkedDays) {
  const LoadCase cases[] = {
      {"01-01-2026", 0, 281, 141},      // day 1: 11.53 degrees, minus 90, plus 360
      {"03-21-2026", 0, 359, 219},      // day 80: 89.45 degrees
      {"03-22-2026", 86200, 360, 219},  // 360 + 359 - 140 = 579, less 360
      {"07-01-2026", 9600, 100, 360},   // a sum of exactly 140 gives 360, never 0
      {"12-31-2024", 43200, 280, 320},  // day 366 of a leap year: 370.5 degrees
  };
  for (const LoadCase& c : cases) {
    Rig rig;
    rig.clock.date = c.date;
    rig.clock.seconds = c.seconds;
    rig.form.Form_Load();
    EXPECT_EQ(rig.st().solar_angle.value(), c.solar_angle) << c.date;
    EXPECT_EQ(rig.st().chart_angle.value(), c.chart_angle) << c.date;
    EXPECT_EQ(rig.st().grid_offset.value(), c.chart_angle % 10) << c.date;
  }
}

TEST(LoadTest, FirstLoadPrintsHeaderErrorValueAndSolarAngle) {
  Rig rig;
  rig.clock.seconds = 21600;  // 06:00: time angle 90, error (11.25 - 11) * 0.5
  rig.form.Form_Load();
  const auto lines = trace_lines(rig.take());
  const std::vector<std::string> head(lines.begin(), lines.begin() + 8);
  EXPECT_EQ(head, (std::vector<std::string>{"fore ff00ff", "back 000000", "interval 15", "cls",
                                            "print 16 16 \"kelvarin chart northern hemisphere\"",
                                            "print 16 48 \" .12 minutes log in error\"", "print 992 800 \" 256 \"",
                                            "print 1072 800 \"solar\""}));
  EXPECT_EQ(rig.st().time_angle, 90.0f);
  EXPECT_EQ(rig.st().time_degrees.value(), 90);
  EXPECT_TRUE(is_true(rig.st().simulation_mode));
  EXPECT_TRUE(is_true(rig.st().button_state));
  EXPECT_TRUE(rig.shell.captions.empty());  // the button keeps its design caption
  EXPECT_EQ(rig.shell.intervals, std::vector<int>{15});
}

TEST(LoadTest, AtMidnightTheAnglesAndErrorAreZero) {
  Rig rig;
  rig.clock.seconds = 0;
  rig.form.Form_Load();
  EXPECT_EQ(rig.st().time_angle, 0.0f);
  EXPECT_EQ(rig.st().time_degrees.value(), 0);
  EXPECT_EQ(prints_of(rig.take(), "minutes log in error").at(0).text, " 0 minutes log in error");
}

TEST(LoadTest, LaterLoadKeepsModeColoursAndConstants) {
  Rig rig;
  rig.clock.seconds = 1000;
  rig.form.Form_Load();
  rig.st().simulation_mode = kFalse;
  rig.st().button_state = kFalse;
  rig.st().step_count = 33;
  rig.clock.seconds = 2000;
  rig.take();
  rig.form.Form_Load();
  const auto operations = rig.take();
  EXPECT_EQ(trace_line(operations.at(0)), "cls");  // no colours, no interval again
  EXPECT_TRUE(only(operations, Operation::Kind::fore).empty());
  EXPECT_TRUE(only(operations, Operation::Kind::interval).empty());
  EXPECT_EQ(prints_of(operations, "kelvarin").size(), 1u);
  EXPECT_EQ(prints_of(operations, "solar").size(), 1u);
  EXPECT_FALSE(is_true(rig.st().simulation_mode));
  EXPECT_EQ(rig.st().level.value(), 432);
  EXPECT_EQ(rig.st().update_interval, 30.0f);
  EXPECT_EQ(rig.st().fore_colour, 0xff00ffu);
  EXPECT_EQ(rig.st().step_count.value(), 0);
  EXPECT_EQ(rig.st().month_names[12], "DEC");
}

TEST(LoadTest, ScheduleIsAnchoredAtTheEndOfTheLoad) {
  Rig rig;
  rig.clock.seconds = 500;
  rig.clock.step_per_reading = 0.25f;  // time passes between readings
  rig.form.Form_Load();
  EXPECT_EQ(rig.st().update_number.value(), 1);
  EXPECT_GT(rig.st().schedule_start, 500.0f);
  EXPECT_EQ(rig.st().next_update, rig.st().schedule_start + 30);
  EXPECT_EQ(rig.st().tick_time, 0.0f);
  EXPECT_EQ(rig.st().prev_tick_time, 0.0f);
}

struct CalendarCase {
  const char* year;
  int month;
  int days_in_year;
  int days_before_month;
};

TEST(CalendarTest, LeapYearsAndDaysBeforeTheMonth) {
  const CalendarCase cases[] = {
      {"2000", 3, 366, 60},   {"1900", 3, 365, 59},   {"2100", 3, 365, 59}, {"2024", 3, 366, 60},
      {"2023", 3, 365, 59},   {"2024", 2, 366, 31},   {"2024", 1, 366, 0},  {"2023", 10, 365, 273},
      {"2024", 12, 366, 335}, {"2023", 12, 365, 334},
  };
  for (const CalendarCase& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "-" + std::to_string(c.month));
    Rig rig;
    rig.st().year_text = c.year;
    rig.st().month = c.month;
    rig.form.compute_calendar();
    EXPECT_EQ(rig.st().year.value(), std::stoi(c.year));
    EXPECT_EQ(rig.st().days_in_year.value(), c.days_in_year);
    EXPECT_EQ(rig.st().days_before_month.value(), c.days_before_month);
  }
}

TEST(CalendarTest, DayOfYearOfTheEdgeDates) {
  const std::pair<const char*, int> cases[] = {
      {"03-01-2024", 61},  {"03-01-2023", 60},  {"12-31-2023", 365},
      {"12-31-2024", 366}, {"10-01-2023", 274}, {"02-29-2024", 60},
  };
  for (const auto& [date, day_of_year] : cases) {
    Rig rig;
    rig.clock.date = date;
    rig.form.Form_Load();
    EXPECT_EQ((rig.st().days_before_month + rig.st().day).value(), day_of_year) << date;
  }
}

TEST(CalendarTest, MonthOutsideTheYearLeavesDaysBeforeAlone) {
  Rig rig;
  rig.st().year_text = "2024";
  rig.st().month = 5;
  rig.form.compute_calendar();
  rig.st().month = 13;
  for (int i = 0; i < 3; ++i) rig.form.compute_calendar();
  EXPECT_EQ(rig.st().days_before_month.value(), 121);  // May of 2024, not shifted again
  rig.st().month = 0;
  rig.form.compute_calendar();
  EXPECT_EQ(rig.st().days_before_month.value(), 121);
}

TEST(CalendarTest, TextThatIsNotANumberReadsAsZero) {
  Rig rig;
  rig.st().year_text = "abcd";
  rig.st().month = 3;
  rig.form.compute_calendar();
  EXPECT_EQ(rig.st().year.value(), 0);
  EXPECT_EQ(rig.st().days_in_year.value(), 366);  // year 0 divides by 400
}

}  // namespace
}  // namespace pelmora::testing
