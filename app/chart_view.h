// What the picture shows after the window's last pass, read-only: all that
// naming things under the pointer, reading the chart aloud, labelling it
// and pacing the clock-mode timer need of the window's state.
#pragma once

#include <string>

#include "numeric.h"

namespace pelmora {

struct FormState;
struct TrueSkyDrawn;

struct ChartView {
  // Implicit: wherever the state is at hand, so is its view.
  ChartView(const FormState& st);  // NOLINT(google-explicit-constructor)

  bool simulation_mode;
  // The chart as drawn: the baseline, the chart angle the pass drew with
  // (before it advanced), the step within the degree, the equator's grid.
  Integer level;
  Single pi;
  Integer shown_chart_angle, step_eighth, grid_offset;
  Integer local_angle;  // printed before "local"
  Integer solar_angle, sun_x;
  Integer lunar_angle, lunar_phase;
  bool moon_drawn;  // since the last load, at:
  Integer moon_drawn_x, moon_drawn_y;
  // The time and date read-outs as printed.
  Single clock_hr, clock_min, clock_sec;
  Integer display_day, display_month, display_year;
  std::string month_name;
  // The clock-mode schedule: the tick's first reading, the next update.
  Single clock_now, next_update, update_interval, since_update;
  // The true sky instead of the design (Form1::view()): what its pass drew
  // last, or nothing before its first pass. Without it, the design.
  bool true_sky_mode = false;
  const TrueSkyDrawn* true_sky = nullptr;
};

}  // namespace pelmora
