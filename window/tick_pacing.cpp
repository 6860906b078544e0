#include "window/tick_pacing.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

int next_tick_wait_ms(const ChartView& st, Single reading, int interval_ms, bool picture_changed) {
  if (st.simulation_mode || picture_changed || interval_ms <= 0) return interval_ms;
  // The time read-out's reading is the tick's first: any change after it
  // that the tick did not show is still to come.
  const double seen = st.clock_now;
  const double due = st.next_update;
  const double now = reading;
  if (!std::isfinite(seen) || !std::isfinite(due) || !std::isfinite(now) || !(due > seen)) return interval_ms;

  const double next_second = std::floor(seen) + 1;
  const double next_countdown = due - (std::ceil(due - seen) - 1);  // the first due - k after `seen`
  const double wait_ms = std::floor((std::min(next_second, next_countdown) + kWakeLead - now) * 1000);
  return static_cast<int>(std::clamp(wait_ms, double(interval_ms), 1000.0));
}

}  // namespace pelmora
