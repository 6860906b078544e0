#include "guide/chart_reading.h"

#include <cmath>
#include <cstdio>

#include "guide/chart_points.h"
#include "guide/moon_phase.h"

namespace pelmora {

namespace {

std::string two_digits(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", static_cast<int>(std::floor(value)));
  return text;
}

std::string plural(long count, const char* unit) {
  std::string text = std::to_string(count);
  text += ' ';
  text += unit;
  if (count != 1) text += 's';
  return text;
}

}  // namespace

std::string chart_in_words(const ChartView& st) {
  const bool simulation = st.simulation_mode;
  std::string words = simulation ? "Simulation mode. Simulated time " : "Clock mode. ";
  const auto add = [&words](const std::string& piece) { words += piece; };
  add(two_digits(st.clock_hr));
  add(":");
  add(two_digits(st.clock_min));
  if (!simulation) {
    add(":");
    add(two_digits(st.clock_sec));
  }
  const int month = st.display_month.value();
  if (month >= 1 && month <= 12) {
    add(", ");
    add(std::to_string(st.display_day.value()));
    add(" ");
    add(st.month_name);
    add(" ");
    add(std::to_string(st.display_year.value()));
  }
  add(". Sun at ");
  add(std::to_string(st.solar_angle.value()));
  add(" degrees, moon at ");
  add(std::to_string(st.lunar_angle.value()));
  add(" degrees, ");
  add(moon_phase_words(elongation_of_chart_phase(st.lunar_phase.value())));
  add(". Centre of the chart at ");
  add(std::to_string(st.local_angle.value()));
  add(" degrees.");
  if (!simulation) {
    add(" Next step in ");
    add(plural(std::lround(std::floor(double(st.update_interval) - st.since_update)), "second"));
    add(".");
  }
  return words;
}

}  // namespace pelmora
