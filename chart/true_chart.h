// Where the true-sky chart puts a body: the scale is right ascension of
// date, the centre marker stands at the local sidereal time, and heights
// are angles from the ecliptic of date along the hour circle, at the
// design's 16 pixels a degree along and 4.6 up.
#pragma once

#include <cmath>

#include "chart/chart_geometry.h"

namespace pelmora {

// The x of a right ascension (degrees), taken the short way round from the
// sidereal time: angles grow to the left.
inline double true_chart_x(double sidereal_time, double ra) {
  return kCentreMarkerX + kPixelsPerDegree * std::remainder(sidereal_time - ra, 360.0);
}

// The y of a height (degrees) above the baseline at `level`.
inline double true_chart_y(int level, double height) { return level - kPixelsPerDegreeOfHeight * height; }

}  // namespace pelmora
