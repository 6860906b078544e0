// The window's one state record: every variable of the window's routines.
// It is zero-filled when the window is created (numbers 0, texts empty).
#pragma once

#include <array>
#include <string>

#include "numeric.h"
#include "platform.h"

namespace pelmora {

struct FormState {
  // Mode, schedule and constants.
  Integer initialised;      // first-time guard of Form_Load
  Integer simulation_mode;  // true: simulation mode; false: clock mode
  Integer button_state;     // toggle flag of the clock_mode button
  Integer level;            // y pixel of the chart's baseline
  Single pi = 0;
  Colour fore_colour = 0;      // foreground colour and colour of the chart's marks
  Colour back_colour = 0;      // background and erasing colour
  Single update_interval = 0;  // seconds between two chart updates in clock mode
  Integer update_number;       // scheduled updates since schedule_start, plus one
  Single schedule_start = 0;   // origin of the update schedule
  Single next_update = 0;      // clock reading at which the next update falls due
  Single since_update = 0;     // seconds since the latest scheduled update
  Single tick_time = 0;        // clock reading at the latest clock-mode tick
  Single prev_tick_time = 0;   // the same for the tick before
  Single redraw_end_time = 0;  // clock at the end of the last redraw; 0: none since the load
  Single cycle_time = 0;       // seconds between the ends of the last two redraws

  // Rotation and chart position.
  Single time_angle = 0;  // degrees of rotation since midnight
  Integer time_degrees;
  Integer solar_angle;  // the sun's angle, 1 to 360
  Integer chart_angle;  // the scale angle at the left edge, 1 to 360
  Integer grid_offset;  // chart_angle mod 10 at the last load
  Integer step_count;   // 0 to 79, one step is an eighth of a degree
  Integer step_eighth;  // step_count mod 8

  // Time of day and simulated time.
  Single clock_now = 0;
  std::string minutes_text;
  Single clock_hr = 0, clock_min = 0, clock_sec = 0;
  Integer sim_base_taken;
  Integer sim_base_angle;
  Single sim_base_hr = 0, sim_base_min = 0;
  Integer sim_angle_delta;
  Integer sim_minutes;

  // Calendar.
  std::string year_text;
  Integer month, day, year, days_in_year, days_before_month;
  std::array<std::string, 13> month_names;  // 1 to 12: "JAN" to "DEC"

  // Date read-out.
  Integer display_month, display_day, display_year;

  // Moon.
  Integer epoch_years;
  Single solar_travel = 0;  // degrees of the sun's travel since the moon's epoch
  Integer lunar_angle, lunar_phase;

  // Where the chart's read-out and figures stand after the last pass.
  Integer local_angle;  // the scale's angle at the centre marker, as printed
  Integer sun_x;        // the sun's centre
  Integer moon_x, moon_y;

  // The date text that the last Form_Load read: a date that differs from it
  // means the day has changed, also when the time of day did not go back.
  std::string load_date_text;
  // Counts Form_Load calls, so that a tick can tell that a load ran inside
  // its redraw.
  unsigned load_count = 0;
  // Set by a timer step for the one redraw it asks for: only that redraw
  // advances the chart angle.
  bool step_redraw = false;
  // The chart angle the picture shows: the one the last pass drew with,
  // before it advanced. What is under a point is found by it.
  Integer shown_chart_angle;
  // Where the moon was last drawn since the last load, so that its erase
  // stroke finds it after a jump of angle or height.
  bool moon_drawn = false;
  Integer moon_drawn_x, moon_drawn_y;
};

}  // namespace pelmora
