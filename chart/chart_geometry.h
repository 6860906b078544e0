// Where the chart puts things: shared by the routines that draw them and by
// what names them under the pointer.
#pragma once

#include "app/numeric.h"

namespace pelmora {

// Whether an angle lies within the 80 degrees that end at the chart angle,
// across 360: the rule by which the sun and the moon are drawn or not.
bool angle_in_view(Integer chart_angle, Integer angle);

// The height of the equator at a curve angle: 108.1 pixels per unit of the
// sine, below the baseline at 90 degrees.
Single equator_y(Integer level, Integer angle, Single pi);

}  // namespace pelmora
