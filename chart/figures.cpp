#include <cmath>

#include "app/form1.h"
#include "chart/chart_geometry.h"

namespace pelmora {

void Form1::draw_sun() {
  Picture1.set_scale_mode(kPixelUnits);
  const Integer a = st.solar_angle >= 280 && st.chart_angle < 80 ? st.chart_angle + 360 : st.chart_angle;
  st.sun_x = ((a - st.solar_angle) * 8 + st.step_eighth + 4) * 2;
  Picture1.circle(sgl(st.sun_x - 2), sgl(st.level), 26, st.back_colour);
  Picture1.circle(sgl(st.sun_x), sgl(st.level), 26, palette_colour(15));
  Picture1.set_scale_mode(kCharacterUnits);
}

void Form1::draw_moon() {
  Picture1.set_scale_mode(kPixelUnits);
  const Integer a = st.lunar_angle >= 280 && st.chart_angle < 80 ? st.chart_angle + 360 : st.chart_angle;
  st.moon_x = ((a - st.lunar_angle) * 8 + st.step_eighth + 4) * 2;
  st.moon_y = to_integer(dbl(st.level) - 24.84 * std::sin(double(st.pi) * dbl(st.lunar_phase) / 180));
  // The erase stands where the moon was last drawn, so that a jump of its
  // angle or height leaves no ghost; before its first image since the load,
  // where the step before would have put it.
  if (st.moon_drawn) {
    Picture1.circle(sgl(st.moon_drawn_x), sgl(st.moon_drawn_y), 11, palette_colour(0));
  } else {
    Picture1.circle(sgl(st.moon_x - 2), sgl(st.moon_y), 11, palette_colour(0));
  }
  Picture1.circle(sgl(st.moon_x), sgl(st.moon_y), 11, palette_colour(7));
  st.moon_drawn = true;
  st.moon_drawn_x = st.moon_x;
  st.moon_drawn_y = st.moon_y;
  Picture1.set_scale_mode(kCharacterUnits);
}

Single equator_y(Integer level, Integer angle, Single pi) {
  return sng(dbl(level) - 108.1 * std::sin(dbl(angle) * double(pi) / 180 + double(pi)));
}

void Form1::draw_equator_curve() {
  Picture1.set_scale_mode(kPixelUnits);
  for (st.curve_index = 86; st.curve_index >= -14; st.curve_index -= 1) {
    st.curve_x = (st.curve_index * 8 + st.grid_offset + 4) * 2;
    st.curve_angle = st.chart_angle - st.curve_index;
    if (st.curve_angle < 1) st.curve_angle += 360;
    // The dot 16 pixels to the left showed this same angle before the chart
    // angle last grew: erase it at that height.
    st.curve_angle_prev = st.curve_angle;
    st.curve_y = equator_y(st.level, st.curve_angle, st.pi);
    st.curve_y_prev = equator_y(st.level, st.curve_angle_prev, st.pi);
    Picture1.circle(sgl(st.curve_x - 16), st.curve_y_prev, 1, palette_colour(0));
    Picture1.circle(sgl(st.curve_x), st.curve_y, 1, palette_colour(9));
  }
  Picture1.set_scale_mode(kCharacterUnits);
}

}  // namespace pelmora
