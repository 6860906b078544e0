#include "guide/chart_reading.h"

#include <cmath>
#include <cstdio>

#include "app/true_sky_source.h"
#include "guide/chart_points.h"
#include "guide/moon_phase.h"
#include "guide/words.h"

namespace pelmora {

namespace {

std::string two_digits(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", static_cast<int>(std::floor(value)));
  return text;
}

}  // namespace

std::string chart_in_words(const ChartView& st) {
  const bool simulation = st.simulation_mode;
  std::string words = simulation ? fill(guide_text(GUIDE_TR("Guide", "Simulation mode. Simulated time %1:%2")),
                                        {two_digits(st.clock_hr), two_digits(st.clock_min)})
                                 : fill(guide_text(GUIDE_TR("Guide", "Clock mode. %1:%2:%3")),
                                        {two_digits(st.clock_hr), two_digits(st.clock_min), two_digits(st.clock_sec)});
  const int month = st.display_month.value();
  if (month >= 1 && month <= 12) {
    // The day, the month's name as the chart prints it, the year.
    words += fill(guide_text(GUIDE_TR("Guide", ", %1 %2 %3")),
                  {std::to_string(st.display_day.value()), st.month_name, std::to_string(st.display_year.value())});
  }
  words += ". ";
  // In the true sky the moon's phase as it is, not the design's.
  const std::string phase = st.true_sky ? moon_phase_words(moon_phase(st.true_sky->places.moon_phase))
                                        : moon_phase_words(elongation_of_chart_phase(st.lunar_phase.value()));
  words += fill(guide_text(GUIDE_TR("Guide", "Sun at %1 degrees, moon at %2 degrees, %3.")),
                {guide_number(st.solar_angle.value()), guide_number(st.lunar_angle.value()), phase});
  words += ' ';
  words +=
      fill(guide_text(GUIDE_TR("Guide", "Centre of the chart at %1 degrees.")), {guide_number(st.local_angle.value())});
  if (!simulation) {
    words += ' ';
    words += guide_counted(GUIDE_TR_N("Guide", "Next step in %n second(s)."),
                           std::lround(std::floor(double(st.update_interval) - st.since_update)));
  }
  return words;
}

}  // namespace pelmora
