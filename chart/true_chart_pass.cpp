#include "chart/true_chart_pass.h"

#include <cmath>
#include <variant>

#include "chart/chart_geometry.h"
#include "chart/figure_drawing.h"
#include "chart/star_catalogue.h"
#include "chart/true_chart.h"

namespace pelmora {

namespace {

// A figure whose centre lies this far beyond the picture's edges still
// shows a part of itself.
constexpr int kLargestRadius = kSunRadius;

bool in_view(double x) { return x > -kLargestRadius && x < kPictureWidth + kLargestRadius; }

std::array<int, 2> pixel(double x, double y) {
  return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

using Point = TrueSkyDrawn::Pixel;

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

  // The equator of date: a dot at every whole degree.
  for (int angle = 0; angle < 360; ++angle) {
    // Most of the 360 are out of view and were before: nothing to work out.
    if (!in_view(x_of(angle)) && !equator_[angle]) continue;
    Point now = point_of({double(angle), true_equator_height(angle, places.obliquity)});
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
      move_figure(drawn_.stars[star], point_of(places.stars[star]), [&](const FigurePlace& place, bool gone) {
        if (gone) {
          for (const ring& r : entry->rings()) picture.circle(place.x, place.y, r.radius, erase);
        } else {
          draw_star_figure(picture, entry->rings(), place, erase);
        }
      });
      ++star;
    } else {
      const auto& entry_marker = std::get<marker_entry>(row.entry);
      const double x = true_marker_x(lst, entry_marker);
      std::optional<int> now;
      if (in_view(x)) now = static_cast<int>(std::lround(x));
      std::optional<int>& drawn = drawn_.markers[marker++];
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
    move_figure(drawn_.planets[i], point_of(places.planets[i]), [&](const FigurePlace& place, bool gone) {
      if (gone) {
        for (const ring& r : kPlanetRings[i]) picture.circle(place.x, place.y, r.radius, erase);
      } else {
        draw_star_figure(picture, kPlanetRings[i], place, erase);
      }
    });

  move_figure(drawn_.moon, point_of(places.moon), [&](const FigurePlace& place, bool gone) {
    if (gone)
      picture.circle(place.x, place.y, kMoonRadius, erase);
    else
      draw_moon_figure(picture, place, erase);
  });
  move_figure(drawn_.sun, point_of(places.sun), [&](const FigurePlace& place, bool gone) {
    if (gone)
      picture.circle(place.x, place.y, kSunRadius, erase);
    else
      draw_sun_figure(picture, place, erase);
  });

  last_sidereal_time_ = lst;
  drawn_.places = places;
  drawn_.level = level.value();
  picture.set_scale_mode(kCharacterUnits);
}

}  // namespace pelmora
