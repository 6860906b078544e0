#include "star_field.h"

#include "chart/figure_drawing.h"

namespace pelmora {

void Module1::draw_star_field(const Integer& chart_angle, const Integer& step_eighth) {
  Picture1.set_scale_mode(kPixelUnits);
  const Colour erase_colour = palette_colour(0);
  // Each entry is erased where the step before drew it, 2 pixels left.
  for_each_star_field_entry(chart_angle, step_eighth, level_, [&](const PlacedEntry& entry) {
    if (const auto* star = std::get_if<star_entry>(&entry.row.entry)) {
      draw_star_figure(Picture1, star->rings(), stepped_place(entry.x, entry.y), erase_colour);
    } else {
      draw_marker_figure(Picture1, std::get<marker_entry>(entry.row.entry), sgl(entry.x), sgl(entry.x - kPixelsPerStep),
                         entry.y, erase_colour);
    }
  });
  Picture1.set_scale_mode(kCharacterUnits);
}

}  // namespace pelmora
