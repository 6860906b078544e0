#include "chart_view.h"

#include "state.h"

namespace pelmora {

ChartView::ChartView(const FormState& st)
    : simulation_mode(is_true(st.simulation_mode)),
      level(st.level),
      pi(st.pi),
      shown_chart_angle(st.shown_chart_angle),
      step_eighth(st.step_eighth),
      grid_offset(st.grid_offset),
      local_angle(st.local_angle),
      solar_angle(st.solar_angle),
      sun_x(st.sun_x),
      lunar_angle(st.lunar_angle),
      lunar_phase(st.lunar_phase),
      moon_drawn(st.moon_drawn),
      moon_drawn_x(st.moon_drawn_x),
      moon_drawn_y(st.moon_drawn_y),
      clock_hr(st.clock_hr),
      clock_min(st.clock_min),
      clock_sec(st.clock_sec),
      display_day(st.display_day),
      display_month(st.display_month),
      display_year(st.display_year),
      month_name(st.display_month >= 1 && st.display_month <= 12
                     ? st.month_names[static_cast<std::size_t>(st.display_month.value())]
                     : std::string()),
      clock_now(st.clock_now),
      next_update(st.next_update),
      update_interval(st.update_interval),
      since_update(st.since_update) {}

}  // namespace pelmora
