#include "chart/true_chart_pass.h"

#include <cmath>
#include <variant>

#include "chart/chart_geometry.h"
#include "chart/figure_drawing.h"
#include "chart/star_catalogue.h"
#include "chart/true_chart.h"

namespace pelmora {

namespace {

// The planets' looks: rings in palette colours, one look each, in the
// manner of the stars (radius: colour).
constexpr std::array<std::array<ring, 2>, 5> kPlanetRings = {{
    {{{2, 7}, {4, 8}}},    // Mercury: light grey in dark grey
    {{{3, 15}, {5, 14}}},  // Venus: white in yellow
    {{{3, 12}, {5, 4}}},   // Mars: light red in red
    {{{3, 15}, {6, 6}}},   // Jupiter: white in dark yellow
    {{{3, 14}, {7, 7}}},   // Saturn: yellow in a light grey ring
}};

// A figure whose centre lies this far beyond the picture's edges still
// shows a part of itself.
constexpr int kLargestRadius = kSunRadius;

bool in_view(double x) { return x > -kLargestRadius && x < kPictureWidth + kLargestRadius; }

std::array<int, 2> pixel(double x, double y) {
  return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

using Point = std::optional<std::array<int, 2>>;

// Erases the figure where it stood and draws it at its new place, or only
// erases it when it has left the view.
template <typename Draw>
void move_figure(Point& last, const Point& now, Draw&& draw) {
  if (now) {
    const auto& before = last ? *last : *now;
    draw(FigurePlace{sgl((*now)[0]), sgl((*now)[1]), sgl(before[0]), sgl(before[1])}, false);
  } else if (last) {
    draw(FigurePlace{sgl((*last)[0]), sgl((*last)[1]), sgl((*last)[0]), sgl((*last)[1])}, true);
  }
  last = now;
}

}  // namespace

void TrueChartPass::forget() { *this = TrueChartPass{}; }

void TrueChartPass::draw(DrawingSurface& picture, Integer level, Colour tick_colour, const TrueSkyPlaces& places) {
  picture.set_scale_mode(kPixelUnits);
  const Colour erase = palette_colour(0);
  const double lst = places.sidereal_time;
  const double before = last_sidereal_time_.value_or(lst);
  auto x_of = [&](double ra) { return true_chart_x(lst, ra); };
  auto point_of = [&](const SkyPoint& p) -> Point {
    const double x = x_of(p.ra);
    if (!in_view(x)) return std::nullopt;
    return pixel(x, true_chart_y(level.value(), p.height));
  };

  // The scale: a tick every whole degree of right ascension, the long ones
  // every 10 with their labels 12 pixels to the left, as in the design.
  draw_baseline(picture, level);
  const int first = static_cast<int>(std::floor(lst - 41)), last = static_cast<int>(std::ceil(lst + 40));
  for (int angle = first; angle <= last; ++angle) {
    const int x = static_cast<int>(std::lround(x_of(angle)));
    const int erase_x = static_cast<int>(std::lround(true_chart_x(before, angle)));
    const bool long_tick = angle % 10 == 0;
    draw_scale_tick(picture, Integer(x), Integer(erase_x), level, long_tick ? kLongTick : kShortTick, tick_colour,
                    erase);
    draw_baseline(picture, level);
  }
  for (int angle = first; angle <= last; ++angle) {
    if (angle % 10 != 0) continue;
    const double x = x_of(angle) - 12;
    if (x < 16 || x > kPictureWidth - 40) continue;
    int shown = angle % 360;
    if (shown <= 0) shown += 360;
    print_scale_label(picture, sng(x), level, Integer(shown));
  }
  draw_centre_marker(picture, level);

  // The equator of date: a dot at every whole degree, as far below the
  // ecliptic along the hour circle as the ecliptic stands north of it.
  for (int angle = 0; angle < 360; ++angle) {
    const double height =
        -std::atan(std::tan(places.obliquity * M_PI / 180) * std::sin(angle * M_PI / 180)) * 180 / M_PI;
    Point now = point_of({double(angle), height});
    move_figure(equator_[angle], now, [&](const FigurePlace& place, bool gone) {
      if (gone)
        picture.circle(place.x, place.y, kEquatorDotRadius, erase);
      else
        draw_equator_dot(picture, place, erase);
    });
  }

  // The stars and the markers, in the catalogue's order.
  std::size_t star = 0, marker = 0;
  for (const catalogue_row& row : star_catalogue_rows()) {
    if (const auto* entry = std::get_if<star_entry>(&row.entry)) {
      if (star >= places.stars.size()) continue;
      move_figure(stars_[star], point_of(places.stars[star]), [&](const FigurePlace& place, bool gone) {
        if (gone) {
          for (const ring& r : entry->rings()) picture.circle(place.x, place.y, r.radius, erase);
        } else {
          draw_star_figure(picture, entry->rings(), place, erase);
        }
      });
      ++star;
    } else {
      const auto& entry_marker = std::get<marker_entry>(row.entry);
      const double x = x_of(entry_marker.longitude) - kPixelsPerStep * entry_marker.x_extra;
      std::optional<int> now;
      if (in_view(x)) now = static_cast<int>(std::lround(x));
      std::optional<int>& drawn = markers_[marker++];
      if (now) {
        draw_marker_figure(picture, entry_marker, sgl(*now), sgl(drawn.value_or(*now)), level, erase);
      } else if (drawn) {
        for (const segment& s : entry_marker.segments())
          picture.line(sgl(*drawn), sgl(level + s.top), sgl(*drawn), sgl(level + s.bottom), erase);
      }
      drawn = now;
    }
  }

  for (std::size_t i = 0; i < places.planets.size(); ++i)
    move_figure(planets_[i], point_of(places.planets[i]), [&](const FigurePlace& place, bool gone) {
      if (gone) {
        for (const ring& r : kPlanetRings[i]) picture.circle(place.x, place.y, r.radius, erase);
      } else {
        draw_star_figure(picture, kPlanetRings[i], place, erase);
      }
    });

  move_figure(moon_, point_of(places.moon), [&](const FigurePlace& place, bool gone) {
    if (gone)
      picture.circle(place.x, place.y, kMoonRadius, erase);
    else
      draw_moon_figure(picture, place, erase);
  });
  move_figure(sun_, point_of(places.sun), [&](const FigurePlace& place, bool gone) {
    if (gone)
      picture.circle(place.x, place.y, kSunRadius, erase);
    else
      draw_sun_figure(picture, place, erase);
  });

  last_sidereal_time_ = lst;
  picture.set_scale_mode(kCharacterUnits);
}

}  // namespace pelmora
