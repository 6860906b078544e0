// Module1: the star-field renderer. It draws the stars and markers of the
// nine 10-degree sectors in view, each erased at its place of the step
// before and drawn at its new place.
#pragma once

#include "app/numeric.h"
#include "app/platform.h"

namespace pelmora {

class Module1 {
 public:
  // The renderer draws on the window's picture and reads its public `level`.
  Module1(DrawingSurface& picture, const Integer& level) : Picture1(picture), level_(level) {}
  Module1(const Module1&) = delete;
  Module1& operator=(const Module1&) = delete;

  void draw_star_field(const Integer& chart_angle, const Integer& step_eighth);

 private:
  DrawingSurface& Picture1;
  const Integer& level_;

  Integer star_level;        // the baseline's y pixel
  Integer top_sector;        // label of the highest sector drawn
  Integer sector_offset;     // loop counter: 80, 70, ..., 0
  Integer star_sector;       // label of the sector of the pass
  Integer star_chart_angle;  // chart_angle, or chart_angle + 360 for a wrapped sector
  Integer star_x;            // x pixel of the entry
  Integer star_y;            // y pixel of a star
};

}  // namespace pelmora
