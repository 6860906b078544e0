#include "app/form1.h"

namespace pelmora {

void Form1::read_clock() {
  st.clock_now = clock_.seconds_since_midnight();
  // The minute count is the single-precision quotient itself; read back
  // from seven-digit text it could round up to the next minute and show
  // "-1 sec".
  const Single minutes = sng(double(st.clock_now) / 60);
  st.minutes_text = number_text(minutes);
  st.clock_hr = sng(double(minutes) / 60);
  st.clock_min = sng(double(minutes) - Int(st.clock_hr) * 60);
  st.clock_sec = sng(double(st.clock_now) - Int(minutes) * 60);
}

void Form1::show_time() {
  if (is_true(st.simulation_mode)) {
    // The simulated time runs from a base taken once per run.
    if (!is_true(st.sim_base_taken)) {
      st.sim_base_taken = kTrue;
      read_clock();
      st.sim_base_angle = st.chart_angle;
      st.sim_base_min = st.clock_min;
      st.sim_base_hr = st.clock_hr;
    }
    st.sim_angle_delta = st.chart_angle - st.sim_base_angle;
    if (st.sim_angle_delta < 0) st.sim_angle_delta += 360;
    st.sim_minutes = to_integer(dbl(st.sim_angle_delta) * 8 * 0.5);
    const Single sim_hours = sng(dbl(st.sim_minutes) / 60);
    st.clock_min = sng(dbl(st.sim_minutes) - Int(dbl(st.sim_minutes) / 60) * 60 + st.sim_base_min);
    if (st.clock_min >= 60) st.clock_min = sng(double(st.clock_min) - 60);
    st.clock_hr = sng(double(sim_hours) - Int(double(sim_hours) / 24) * 24 + st.sim_base_hr);
    if (st.clock_hr >= 24) st.clock_hr = sng(double(st.clock_hr) - 24);
  } else {
    read_clock();
  }

  print_at(Picture1, 134, 4, sng(Int(st.clock_hr)));
  print_at(Picture1, 142, 4, "hrs");
  print_at(Picture1, 134, 6, sng(Int(st.clock_min)));
  print_at(Picture1, 142, 6, "min");
  if (is_true(st.simulation_mode)) {
    print_at(Picture1, 134, 8, "simulation");
  } else {
    print_at(Picture1, 134, 8, sng(Int(st.clock_sec)));
    print_at(Picture1, 142, 8, "sec");
  }
}

void Form1::show_date() {
  show_time();
  const std::string display_date_text = clock_.date_text();
  st.display_month = text_to_integer(left_text(display_date_text, 2));
  const std::string display_month_day = left_text(display_date_text, 5);
  st.display_day = text_to_integer(right_text(display_month_day, 2));
  st.display_year = text_to_integer(right_text(display_date_text, 4));
  print_at(Picture1, 68, 50, st.display_day);
  if (st.display_month < 0 || st.display_month > 12) raise_subscript_out_of_range();
  print_at(Picture1, 74, 50, st.month_names[static_cast<std::size_t>(st.display_month.value())]);
  print_at(Picture1, 82, 50, st.display_year);
}

}  // namespace pelmora
