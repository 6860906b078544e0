#include <cmath>

#include "app/form1.h"
#include "chart/chart_geometry.h"
#include "chart/figure_drawing.h"

namespace pelmora {

void Form1::draw_sun() {
  Picture1.set_scale_mode(kPixelUnits);
  st.sun_x = scale_x(reference_angle_for(st.chart_angle, st.solar_angle), st.solar_angle, st.step_eighth);
  draw_sun_figure(Picture1, stepped_place(st.sun_x, st.level), st.back_colour);
  Picture1.set_scale_mode(kCharacterUnits);
}

void Form1::draw_moon() {
  Picture1.set_scale_mode(kPixelUnits);
  st.moon_x = scale_x(reference_angle_for(st.chart_angle, st.lunar_angle), st.lunar_angle, st.step_eighth);
  // The phase angle is 90 at full moon (the moon highest) and 270 at new
  // moon (lowest): the sine of it carries the moon to either side.
  st.moon_y = to_integer(dbl(st.level) - kMoonSwingPixels * std::sin(double(st.pi) * dbl(st.lunar_phase) / 180));
  // The erase stands where the moon was last drawn, so that a jump of its
  // angle or height leaves no ghost; before its first image since the load,
  // where the step before would have put it.
  FigurePlace place = stepped_place(st.moon_x, st.moon_y);
  if (st.moon_drawn) {
    place.erase_x = sgl(st.moon_drawn_x);
    place.erase_y = sgl(st.moon_drawn_y);
  }
  draw_moon_figure(Picture1, place, palette_colour(0));
  st.moon_drawn = true;
  st.moon_drawn_x = st.moon_x;
  st.moon_drawn_y = st.moon_y;
  Picture1.set_scale_mode(kCharacterUnits);
}

void Form1::draw_equator_curve() {
  Picture1.set_scale_mode(kPixelUnits);
  for (Integer column = kFirstEquatorColumn; column >= kLastEquatorColumn; column -= 1) {
    const Integer x = equator_dot_x(column, st.grid_offset);
    Integer angle = st.chart_angle - column;
    if (angle < 1) angle += 360;
    // The dot 16 pixels to the left showed this same angle before the chart
    // angle last grew: erase it at that height.
    const Single y = equator_y(st.level, angle, st.pi);
    draw_equator_dot(Picture1, {sgl(x), y, sgl(x - kPixelsPerDegree), y}, palette_colour(0));
  }
  Picture1.set_scale_mode(kCharacterUnits);
}

}  // namespace pelmora
