// How each figure of the chart is drawn, wherever its place comes from: the
// sun, the moon, a star's rings, a marker's segments, a dot of the equator,
// a tick and a label of the scale and the centre marker. Every moving figure
// is an erase-then-draw pair: the same figure first where its previous image
// stands, in the erase colour, then at its new place in its own colours.
// The caller sets pixel units; these draw only.
#pragma once

#include <span>

#include "app/numeric.h"
#include "app/platform.h"
#include "chart/chart_geometry.h"
#include "chart/star_catalogue.h"

namespace pelmora {

// A figure's place now (its centre) and the place of its previous image,
// which the erase stroke covers.
struct FigurePlace {
  Single x = 0, y = 0;
  Single erase_x = 0, erase_y = 0;
};

// The place at (x, y) of a figure that the step before drew one step to the
// left, at the same height: how everything on the scale moves.
inline FigurePlace stepped_place(Integer x, Integer y) { return {sgl(x), sgl(y), sgl(x - kPixelsPerStep), sgl(y)}; }

// The sun: a white circle of radius 26.
void draw_sun_figure(DrawingSurface& picture, const FigurePlace& place, Colour erase_colour);
// The moon: a light grey circle of radius 11.
void draw_moon_figure(DrawingSurface& picture, const FigurePlace& place, Colour erase_colour);
// A dot of the equator: a light blue circle of radius 1.
void draw_equator_dot(DrawingSurface& picture, const FigurePlace& place, Colour erase_colour);
// A star: its rings in order, each erased and drawn before the next, so an
// erase of a later ring may take pixels from the ring just drawn.
void draw_star_figure(DrawingSurface& picture, std::span<const ring> rings, const FigurePlace& place,
                      Colour erase_colour);
// A marker: its segments in order, each a vertical line at x between its
// offsets from the baseline at `level`, erased at erase_x, in one colour.
void draw_marker_figure(DrawingSurface& picture, const marker_entry& marker, Single x, Single erase_x, Integer level,
                        Colour erase_colour);

// A tick of the scale at x, erased where it stood before: at erase_x (in
// the design, 2 pixels to its left, one step before).
void draw_scale_tick(DrawingSurface& picture, Integer x, Integer erase_x, Integer level, TickSize size, Colour colour,
                     Colour erase_colour);
// A scale label: the angle printed with its left edge at x, 20 pixels below
// the baseline. Never erased: the next label is printed over it.
void print_scale_label(DrawingSurface& picture, Single x, Integer level, Integer angle);
// The baseline across the whole chart, in the picture's foreground colour.
void draw_baseline(DrawingSurface& picture, Integer level);
// The centre marker: three light grey segments, never erased.
void draw_centre_marker(DrawingSurface& picture, Integer level);

}  // namespace pelmora
