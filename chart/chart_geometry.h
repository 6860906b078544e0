// Where the chart puts things: its scale along the sun's path, the height of
// a point above the baseline, the fixed marks and the cells of the
// read-outs. Shared by the routines that draw the chart, by what names
// things under the pointer and by any other source of positions that draws
// the same figures (chart/figure_drawing.h).
//
// The chart is 1241 by 921 pixels. Its x axis is a scale of whole degrees
// along the sun's yearly path that grow to the left, 16 pixels a degree; the
// chart turns an eighth of a degree, 2 pixels, a step. Heights are 4.6
// pixels a degree above the baseline (upwards is smaller y).
#pragma once

#include <array>

#include "app/numeric.h"

namespace pelmora {

// Along the scale.
inline constexpr int kStepsPerDegree = 8;  // a step turns the chart an eighth of a degree
inline constexpr int kPixelsPerStep = 2;   // and moves everything on the scale 2 pixels right
inline constexpr int kPixelsPerDegree = kStepsPerDegree * kPixelsPerStep;  // 16
// Half a degree: an angle's x stands at the middle of its degree.
inline constexpr int kScaleOffsetSteps = 4;
// Across the scale: pixels for a degree of height above the baseline.
inline constexpr double kPixelsPerDegreeOfHeight = 4.6;

// The baseline's y pixel: the sun's path.
inline constexpr int kBaselineY = 432;
// The chart shows the 80 degrees that end at the chart angle (at its left
// edge); the sun and the moon are drawn only there.
inline constexpr int kDegreesInView = 80;
// The scale's angle at the centre marker lies this far below the chart angle.
inline constexpr int kCentreOffsetDegrees = 40;

// The x pixel of `angle` on the scale, counted from `reference_angle` (the
// chart angle, or the chart angle + 360 for an angle across 360), at
// `step_eighth` (0 to 7) steps into the degree; `x_extra` eighths of a
// degree further left. 16-bit arithmetic, checked, as the routines do it:
//   x = ((reference_angle - angle) * 8 + step_eighth + 4 - x_extra) * 2
Integer scale_x(Integer reference_angle, Integer angle, Integer step_eighth, Integer x_extra = 0);

// The reference angle from which `angle` is counted on the scale: the chart
// angle, or the chart angle + 360 when the chart angle is below 80 and the
// angle 280 or more (the angle lies across 360 from the left edge).
Integer reference_angle_for(Integer chart_angle, Integer angle);

// The scale's angle (not reduced to 1 to 360) at the pixel column x: the
// inverse of scale_x, fractional between two degrees.
double scale_angle_at(Integer chart_angle, Integer step_eighth, double x);

// The y pixel of a point `degrees_above` the baseline at `level`, rounded to
// the nearest pixel (the product in double precision: no whole degree gives
// a tie).
Integer height_y(Integer level, Integer degrees_above);

// Whether an angle lies within the 80 degrees that end at the chart angle,
// across 360: the rule by which the sun and the moon are drawn or not.
bool angle_in_view(Integer chart_angle, Integer angle);

// The frame: a tick every degree of the scale, in columns i from 81 down to
// -19 that span the width for every grid offset and step; the long ones
// (every 10 degrees) reach further above and below the baseline.
inline constexpr int kFirstTickColumn = 81;
inline constexpr int kLastTickColumn = -19;
struct TickSize {
  int above, below;  // pixels above and below the baseline
};
inline constexpr TickSize kLongTick{12, 13};
inline constexpr TickSize kShortTick{6, 7};
// The x pixel of tick column i, `step_count` (0 to 79) steps into the
// 10-degree span that starts at the grid offset.
Integer tick_x(Integer column, Integer grid_offset, Integer step_count);
// A scale label stands this far below the baseline, 12 pixels left of its
// long tick (4 left of the x that label_x gives to its position).
inline constexpr int kLabelBelowBaseline = 20;
// The x pixel of a label at `label_position` degrees from the left edge.
Single label_x(Single label_position);

// The centre marker: three grey segments at x 640, never erased.
inline constexpr int kCentreMarkerX = 640;
struct MarkSpan {
  int top, bottom;  // pixel offsets from the baseline, negative above
};
inline constexpr std::array<MarkSpan, 3> kCentreMarkerSegments{{{-37, -21}, {-10, 9}, {21, 37}}};

// The figures' radii in pixels (a star's rings, 3, 4 and 6, are in its
// catalogue row).
inline constexpr int kSunRadius = 26;
inline constexpr int kMoonRadius = 11;
inline constexpr int kEquatorDotRadius = 1;
// The moon's greatest distance from the sun's path, 5.4 degrees (its
// orbit's tilt to the ecliptic, rounded), in pixels: 5.4 x 4.6.
inline constexpr double kMoonSwingPixels = 24.84;
// The equator's greatest distance from the sun's path, 23.5 degrees (the
// tilt of the earth's axis), in pixels: 23.5 x 4.6.
inline constexpr double kEquatorTiltDegrees = 23.5;
inline constexpr double kEquatorSwingPixels = 108.1;

// The equator curve: a dot for each column b from 86 down to -14, on a grid
// 16 pixels apart that follows the grid offset, not the step.
inline constexpr int kFirstEquatorColumn = 86;
inline constexpr int kLastEquatorColumn = -14;
Integer equator_dot_x(Integer column, Integer grid_offset);
// The equator's y at a curve angle: 108.1 pixels per unit of the sine,
// below the baseline at 90 degrees.
Single equator_y(Integer level, Integer angle, Single pi);

// The text cells, 8 by 16 pixels: text is placed at (column, row).
struct Cell {
  int column, row;
};

}  // namespace pelmora
