#include "chart/figure_drawing.h"

namespace pelmora {

namespace {

// Palette indices of the figures' colours.
constexpr int kSunColour = 15;          // white
constexpr int kMoonColour = 7;          // light grey
constexpr int kEquatorColour = 9;       // light blue
constexpr int kCentreMarkerColour = 7;  // light grey

void erase_then_draw_circle(DrawingSurface& picture, const FigurePlace& place, Single radius, Colour colour,
                            Colour erase_colour) {
  picture.circle(place.erase_x, place.erase_y, radius, erase_colour);
  picture.circle(place.x, place.y, radius, colour);
}

}  // namespace

void draw_sun_figure(DrawingSurface& picture, const FigurePlace& place, Colour erase_colour) {
  erase_then_draw_circle(picture, place, kSunRadius, palette_colour(kSunColour), erase_colour);
}

void draw_moon_figure(DrawingSurface& picture, const FigurePlace& place, Colour erase_colour) {
  erase_then_draw_circle(picture, place, kMoonRadius, palette_colour(kMoonColour), erase_colour);
}

void draw_equator_dot(DrawingSurface& picture, const FigurePlace& place, Colour erase_colour) {
  erase_then_draw_circle(picture, place, kEquatorDotRadius, palette_colour(kEquatorColour), erase_colour);
}

void draw_star_figure(DrawingSurface& picture, std::span<const ring> rings, const FigurePlace& place,
                      Colour erase_colour) {
  for (const ring& r : rings) erase_then_draw_circle(picture, place, r.radius, palette_colour(r.colour), erase_colour);
}

void draw_marker_figure(DrawingSurface& picture, const marker_entry& marker, Single x, Single erase_x, Integer level,
                        Colour erase_colour) {
  const Colour colour = palette_colour(marker.colour);
  for (const segment& s : marker.segments()) {
    const Single top = sgl(level + s.top), bottom = sgl(level + s.bottom);
    picture.line(erase_x, top, erase_x, bottom, erase_colour);
    picture.line(x, top, x, bottom, colour);
  }
}

void draw_scale_tick(DrawingSurface& picture, Integer x, Integer erase_x, Integer level, TickSize size, Colour colour,
                     Colour erase_colour) {
  const Single top = sgl(level - size.above), bottom = sgl(level + size.below);
  picture.line(sgl(erase_x), top, sgl(erase_x), bottom, erase_colour);
  picture.line(sgl(x), top, sgl(x), bottom, colour);
}

void print_scale_label(DrawingSurface& picture, Single x, Integer level, Integer angle) {
  picture.set_current_y(sgl(level + kLabelBelowBaseline));
  picture.set_current_x(x);
  picture.print(printed(angle));
}

void draw_baseline(DrawingSurface& picture, Integer level) { picture.line(1, sgl(level), kPictureWidth, sgl(level)); }

void draw_centre_marker(DrawingSurface& picture, Integer level) {
  const Colour colour = palette_colour(kCentreMarkerColour);
  for (const MarkSpan& s : kCentreMarkerSegments)
    picture.line(kCentreMarkerX, sgl(level + s.top), kCentreMarkerX, sgl(level + s.bottom), colour);
}

}  // namespace pelmora
