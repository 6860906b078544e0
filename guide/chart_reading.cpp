#include "guide/chart_reading.h"

#include <cmath>

#include "guide/chart_points.h"

namespace pelmora {

namespace {

std::string two_digits(double value) {
  const int whole = static_cast<int>(std::floor(value));
  return (whole < 10 ? "0" : "") + std::to_string(whole);
}

std::string plural(long count, const char* unit) {
  return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

}  // namespace

std::string chart_in_words(const FormState& st) {
  const bool simulation = is_true(st.simulation_mode);
  std::string words = simulation ? "Simulation mode. Simulated time " : "Clock mode. ";
  words += two_digits(st.clock_hr) + ":" + two_digits(st.clock_min);
  if (!simulation) words += ":" + two_digits(st.clock_sec);
  const int month = st.display_month.value();
  if (month >= 1 && month <= 12)
    words += ", " + std::to_string(st.display_day.value()) + " " + st.month_names[static_cast<std::size_t>(month)] +
             " " + std::to_string(st.display_year.value());
  words += ". Sun at " + std::to_string(st.solar_angle.value()) + " degrees, moon at " +
           std::to_string(st.lunar_angle.value()) + " degrees, " + (moon_waxing(st) ? "waxing" : "waning") +
           ". Centre of the chart at " + std::to_string(st.local_angle.value()) + " degrees.";
  if (!simulation) {
    const long countdown = std::lround(std::floor(double(st.update_interval) - st.since_update));
    words += " Next step in " + plural(countdown, "second") + ".";
  }
  return words;
}

}  // namespace pelmora
