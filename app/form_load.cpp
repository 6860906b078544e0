#include <cmath>

#include "calendar/solar_year.h"
#include "chart/chart_geometry.h"
#include "form1.h"

namespace pelmora {

namespace {

// Degrees from the sun's angle to the chart angle at midnight: the sun
// stands 180 degrees from the centre marker then, and the left edge lies
// 40 degrees above the centre marker.
constexpr int kMidnightSunToLeftEdgeDegrees = 180 - kCentreOffsetDegrees;

}  // namespace

Form1::Form1(DrawingSurface& picture, Clock& clock, WindowShell& shell)
    : Picture1(picture), clock_(clock), shell_(shell) {}

void Form1::Form_Load() {
  ++st.load_count;
  if (!is_true(st.initialised)) first_load();

  Picture1.clear();
  print_at(Picture1, 2, 1, "kelvarin chart northern hemisphere");
  st.tick_time = 0;
  st.prev_tick_time = 0;
  st.redraw_end_time = 0;
  // The moon of the cleared picture has not been drawn yet.
  st.moon_drawn = false;

  const Single t = clock_.seconds_since_midnight();
  st.time_angle = sng(double(t) / 240);
  const Single log_error = sng((double(st.time_angle) / 8 - Int(double(st.time_angle) / 8)) * 0.5);
  st.time_degrees = to_integer(Int(st.time_angle));
  print_at(Picture1, 2, 3, sng(Int(double(log_error) * 100) / 100), "minutes log in error");

  read_load_date();
  place_sun_and_chart();
  st.step_count = 0;
  st.update_number = 1;

  st.schedule_start = clock_.seconds_since_midnight();
  st.next_update = sng(double(st.update_interval) + st.schedule_start);
  picture1_click();
}

// What lasts from the first load on: the mode, the colours, the constants.
void Form1::first_load() {
  st.simulation_mode = kTrue;
  st.button_state = kTrue;
  st.initialised = kTrue;
  st.update_interval = 30;
  st.fore_colour = palette_colour(13);
  st.back_colour = palette_colour(0);
  st.level = kBaselineY;
  st.pi = sng(4 * std::atan(1.0));
  Picture1.set_fore_colour(st.fore_colour);
  Picture1.set_back_colour(st.back_colour);
  shell_.set_timer_interval(15);
  st.month_names = {"", "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
}

// The date's fields, and the calendar's values for them.
void Form1::read_load_date() {
  st.year_text = right_text(clock_.date_text(), 4);
  st.load_date_text = clock_.date_text();
  const std::string month_day_text = left_text(st.load_date_text, 5);
  const std::string month_text = left_text(month_day_text, 2);
  const std::string day_text = right_text(month_day_text, 2);
  st.month = to_integer(leading_number(month_text));
  st.day = to_integer(leading_number(day_text));
  compute_calendar();
}

// The sun's angle from the day of the year, printed; the chart angle from
// it and the time of day.
void Form1::place_sun_and_chart() {
  const Integer day_of_year = st.days_before_month + st.day;
  if (st.days_in_year == 0) raise_division_by_zero();
  // Degrees since the December solstice, one turn a year; the solstice
  // stands at 270.
  const Single solar_angle_exact =
      sng((dbl(day_of_year) + kSolsticeBeforeNewYearDays + kLeapCycleMeanDays) / dbl(st.days_in_year) * 360);
  st.solar_angle = to_integer(Int(solar_angle_exact)) - kSolsticeToScaleDegrees;
  if (st.solar_angle <= 0) st.solar_angle += 360;
  print_at(Picture1, 124, 50, st.solar_angle);
  print_at(Picture1, 134, 50, "solar");

  // The time of day turns the chart a degree every four minutes.
  st.chart_angle = st.solar_angle + st.time_degrees - kMidnightSunToLeftEdgeDegrees;
  if (st.chart_angle <= 0) st.chart_angle += 360;
  if (st.chart_angle > 360) st.chart_angle -= 360;
  st.grid_offset = to_integer(dbl(st.chart_angle) - Int(dbl(st.chart_angle) / 10) * 10);
}

}  // namespace pelmora
