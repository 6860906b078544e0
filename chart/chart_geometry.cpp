#include "chart/chart_geometry.h"

#include <cmath>

namespace pelmora {

Integer scale_x(Integer reference_angle, Integer angle, Integer step_eighth, Integer x_extra) {
  return ((reference_angle - angle) * kStepsPerDegree + step_eighth + kScaleOffsetSteps - x_extra) * kPixelsPerStep;
}

Integer reference_angle_for(Integer chart_angle, Integer angle) {
  return angle >= 360 - kDegreesInView && chart_angle < kDegreesInView ? chart_angle + 360 : chart_angle;
}

double scale_angle_at(Integer chart_angle, Integer step_eighth, double x) {
  const double from_left_edge = (x - kScaleOffsetSteps * kPixelsPerStep - kPixelsPerStep * step_eighth.value());
  return chart_angle.value() - from_left_edge / kPixelsPerDegree;
}

Integer height_y(Integer level, Integer degrees_above) {
  return to_integer(dbl(level) - dbl(degrees_above) * kPixelsPerDegreeOfHeight);
}

bool angle_in_view(Integer chart_angle, Integer angle) {
  if (chart_angle >= kDegreesInView) return chart_angle - kDegreesInView < angle && angle <= chart_angle;
  return angle > chart_angle + (360 - kDegreesInView) || angle <= chart_angle;
}

Integer tick_x(Integer column, Integer grid_offset, Integer step_count) {
  return (column * kStepsPerDegree + step_count + grid_offset * kStepsPerDegree + kScaleOffsetSteps) * kPixelsPerStep;
}

Single label_x(Single label_position) { return sng(kPixelsPerDegree * double(label_position) - 4); }

Integer equator_dot_x(Integer column, Integer grid_offset) {
  return (column * kStepsPerDegree + grid_offset + kScaleOffsetSteps) * kPixelsPerStep;
}

Single equator_y(Integer level, Integer angle, Single pi) {
  // sin(angle + 180 degrees): below the baseline (greater y) from 1 to 179.
  return sng(dbl(level) - kEquatorSwingPixels * std::sin(dbl(angle) * double(pi) / 180 + double(pi)));
}

}  // namespace pelmora
