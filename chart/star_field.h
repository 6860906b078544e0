// Module1: the star-field renderer. It draws the stars and markers of the
// nine 10-degree sectors in view, each erased at its place of the step
// before and drawn at its new place.
#pragma once

#include "app/numeric.h"
#include "app/platform.h"
#include "chart/chart_geometry.h"
#include "chart/star_catalogue.h"

namespace pelmora {

// An entry of the star field where the chart draws it now.
struct PlacedEntry {
  const catalogue_row& row;
  int place;  // 1, 2, ... within its sector's group
  Integer x;  // x pixel of a star's centre or of a marker's line
  Integer y;  // y pixel of a star's centre; the baseline for a marker
};

// Calls `visit(const PlacedEntry&)` for every entry of the nine 10-degree
// sectors in view at `chart_angle` (1 to 360) and `step_eighth` (0 to 7),
// in drawing order: from the sector 80 degrees below the top one up to it,
// right to left, so that where images overlap a later sector's lies on top.
// A sector below 0 wraps to 280 to 350 and counts its angles from the chart
// angle + 360; sector 0 is the group 360, counted from the chart angle.
template <typename Visit>
void for_each_star_field_entry(Integer chart_angle, Integer step_eighth, Integer level, Visit&& visit) {
  const Integer top_sector = to_integer(Int(dbl(chart_angle) / 10) * 10);
  for (Integer sector_offset = 80; sector_offset >= 0; sector_offset -= 10) {
    Integer sector = top_sector - sector_offset;
    Integer reference_angle = chart_angle;
    if (sector < 0) {
      sector += 360;
      reference_angle = chart_angle + 360;
    } else if (sector == 0) {
      sector = 360;
    }
    int place = 0;
    for (const catalogue_row& row : star_catalogue(sector)) {
      ++place;
      if (const auto* star = std::get_if<star_entry>(&row.entry)) {
        visit(PlacedEntry{row, place, scale_x(reference_angle, star->longitude, step_eighth),
                          height_y(level, star->latitude)});
      } else {
        const auto& mark = std::get<marker_entry>(row.entry);
        visit(PlacedEntry{row, place, scale_x(reference_angle, mark.longitude, step_eighth, mark.x_extra), level});
      }
    }
  }
}

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
};

}  // namespace pelmora
