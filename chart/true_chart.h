// Where the true-sky chart puts a body: the scale is right ascension of
// date, the centre marker stands at the local sidereal time, and heights
// are angles from the ecliptic of date along the hour circle, at the
// design's 16 pixels a degree along and 4.6 up.
#pragma once

#include <array>
#include <cmath>

#include "chart/chart_geometry.h"
#include "chart/star_catalogue.h"

namespace pelmora {

// The x of a right ascension (degrees), taken the short way round from the
// sidereal time: angles grow to the left.
inline double true_chart_x(double sidereal_time, double ra) {
  return kCentreMarkerX + kPixelsPerDegree * std::remainder(sidereal_time - ra, 360.0);
}

// The y of a height (degrees) above the baseline at `level`.
inline double true_chart_y(int level, double height) { return level - kPixelsPerDegreeOfHeight * height; }

// The height of the equator of date at a right ascension: as far below the
// ecliptic along the hour circle as the ecliptic stands north of it.
inline double true_equator_height(double ra, double obliquity) {
  return -std::atan(std::tan(obliquity * M_PI / 180) * std::sin(ra * M_PI / 180)) * 180 / M_PI;
}

// The x of a marker: at its longitude of date, shifted as in the design.
inline double true_marker_x(double sidereal_time, const marker_entry& marker) {
  return true_chart_x(sidereal_time, marker.longitude) - kPixelsPerStep * marker.x_extra;
}

// The planets' looks: rings in palette colours, one look each, in the
// manner of the stars (radius: colour), drawn in this order (Mercury,
// Venus, Mars, Jupiter, Saturn), after the stars and before the moon.
inline constexpr std::array<std::array<ring, 2>, 5> kPlanetRings = {{
    {{{2, 7}, {4, 8}}},    // Mercury: light grey in dark grey
    {{{3, 15}, {5, 14}}},  // Venus: white in yellow
    {{{3, 12}, {5, 4}}},   // Mars: light red in red
    {{{3, 15}, {6, 6}}},   // Jupiter: white in dark yellow
    {{{3, 14}, {7, 7}}},   // Saturn: yellow in a light grey ring
}};

}  // namespace pelmora
