#include "star_field.h"

#include "star_catalogue.h"

namespace pelmora {

void Module1::draw_star_field(const Integer& chart_angle, const Integer& step_eighth) {
  Picture1.set_scale_mode(kPixelUnits);
  star_level = level_;
  const Colour erase_colour = palette_colour(0);
  top_sector = to_integer(Int(dbl(chart_angle) / 10) * 10);

  // From the sector 80 degrees below the top one up to it: right to left.
  for (sector_offset = 80; sector_offset >= 0; sector_offset -= 10) {
    star_sector = top_sector - sector_offset;
    if (star_sector < 0) {
      star_sector += 360;
      star_chart_angle = chart_angle + 360;
    } else {
      if (star_sector == 0) star_sector = 360;
      star_chart_angle = chart_angle;
    }

    for (const catalogue_row& row : star_catalogue(star_sector)) {
      if (const auto* star = std::get_if<star_entry>(&row.entry)) {
        star_x = ((star_chart_angle - star->longitude) * 8 + step_eighth + 4) * 2;
        star_y = to_integer(dbl(star_level) - star->latitude * 4.6);
        // Each ring is erased where the step before drew it, then drawn.
        for (const ring& r : star->rings()) {
          Picture1.circle(sgl(star_x - 2), sgl(star_y), r.radius, erase_colour);
          Picture1.circle(sgl(star_x), sgl(star_y), r.radius, palette_colour(r.colour));
        }
      } else {
        const auto& mark = std::get<marker_entry>(row.entry);
        star_x = ((star_chart_angle - mark.longitude) * 8 + step_eighth + 4 - mark.x_extra) * 2;
        for (const segment& s : mark.segments()) {
          Picture1.line(sgl(star_x - 2), sgl(star_level + s.top), sgl(star_x - 2), sgl(star_level + s.bottom),
                        erase_colour);
          Picture1.line(sgl(star_x), sgl(star_level + s.top), sgl(star_x), sgl(star_level + s.bottom),
                        palette_colour(mark.colour));
        }
      }
    }
  }

  Picture1.set_scale_mode(kCharacterUnits);
}

}  // namespace pelmora
