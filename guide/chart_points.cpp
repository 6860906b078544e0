#include "guide/chart_points.h"

#include <array>
#include <cmath>
#include <numbers>
#include <variant>

#include "chart/chart_geometry.h"
#include "chart/readouts.h"
#include "chart/star_catalogue.h"
#include "chart/star_field.h"
#include "chart/true_chart.h"
#include "guide/moon_phase.h"
#include "guide/words.h"

namespace pelmora {

namespace {

std::string degrees(int angle) { return fill(guide_text(GUIDE_TR("Guide", "%1\u00b0")), {guide_number(angle)}); }

std::string height_words(double degrees_above) {
  const long rounded = std::lround(degrees_above);
  if (rounded == 0) return guide_text(GUIDE_TR("Guide", "on the baseline"));
  return fill(rounded > 0 ? guide_text(GUIDE_TR("Guide", "%1 above the baseline"))
                          : guide_text(GUIDE_TR("Guide", "%1 below the baseline")),
              {degrees(static_cast<int>(std::labs(rounded)))});
}

// How far from a figure's outline a point still names it, in pixels.
constexpr int kReach = 3;

double distance(double x1, double y1, double x2, double y2) { return std::hypot(x1 - x2, y1 - y2); }

std::optional<ChartName> readout_at(const ChartView& st, double x, double y) {
  const int row = static_cast<int>(std::floor(y / kCellHeight));
  const int column = static_cast<int>(std::floor(x / kCellWidth));
  const Readout::Mode hidden = st.simulation_mode ? Readout::Mode::clock : Readout::Mode::simulation;
  for (const Readout& readout : kReadouts) {
    if (readout.shown_in == hidden || row < readout.first_row || row > readout.last_row ||
        column < readout.first_column || column > readout.last_column)
      continue;
    // A read-out's printed words ("lunar", "hrs, min, sec") are the
    // chart's and stay as printed; the others are translated.
    std::string title(readout.name);
    if (readout.name == "the number below it") title = guide_text(GUIDE_TR("Guide", "The chart angle"));
    if (readout.name == "title") title = guide_text(GUIDE_TR("Guide", "The title"));
    if (readout.name == "day, month, year") title = guide_text(readout.name);
    return ChartName{title, guide_text(readout.meaning), true};
  }
  return std::nullopt;
}

// Calls `visit(const PlacedEntry&)` for every entry of the sectors the
// picture shows, where the star field drew it.
template <typename Visit>
void for_each_drawn_entry(const ChartView& st, Visit&& visit) {
  for_each_star_field_entry(st.shown_chart_angle, st.step_eighth, st.level, visit);
}

// The nearest star or marker of the star field within reach of the point.
std::optional<ChartName> entry_at(const ChartView& st, double x, double y) {
  const int level = st.level.value();
  std::optional<ChartName> nearest;
  double nearest_distance = 0;
  const auto consider = [&](double d, const catalogue_row& row, const std::string& detail) {
    if (nearest && d >= nearest_distance) return;
    nearest_distance = d;
    nearest = ChartName{guide_text(row.name), detail};
  };
  for_each_drawn_entry(st, [&](const PlacedEntry& entry) {
    const catalogue_row& row = entry.row;
    const int entry_x = entry.x.value(), entry_y = entry.y.value();
    if (const auto* star = std::get_if<star_entry>(&row.entry)) {
      const double d = distance(x, y, entry_x, entry_y);
      if (d <= star->rings().back().radius + kReach)
        consider(d, row,
                 fill(guide_text(GUIDE_TR("Guide", "Star at %1, %2.")),
                      {degrees(star->longitude), height_words(star->latitude)}));
      return;
    }
    const auto& mark = std::get<marker_entry>(row.entry);
    for (const segment& s : mark.segments())
      if (std::abs(x - entry_x) <= kReach && y >= level + s.top - kReach && y <= level + s.bottom + kReach)
        consider(std::abs(x - entry_x), row,
                 fill(guide_text(GUIDE_TR("Guide", "Marker at %1 on the baseline: %2.")),
                      {degrees(mark.longitude), guide_text(row.note)}));
  });
  return nearest;
}

std::optional<ChartName> centre_marker_at(int level, double x, double y) {
  if (std::abs(x - kCentreMarkerX) <= kReach && y >= level + kCentreMarkerSegments.front().top &&
      y <= level + kCentreMarkerSegments.back().bottom)
    return ChartName{guide_text(GUIDE_TR("Guide", "The centre marker")),
                     guide_text(GUIDE_TR("Guide", "The \"local\" read-out gives the scale's angle here."))};
  return std::nullopt;
}

std::optional<ChartName> figure_at(const ChartView& st, double x, double y) {
  const int chart_angle = st.shown_chart_angle.value();
  const int level = st.level.value();
  if (st.moon_drawn && angle_in_view(chart_angle, st.lunar_angle.value()) &&
      distance(x, y, st.moon_drawn_x.value(), st.moon_drawn_y.value()) <= kMoonRadius + kReach) {
    return ChartName{
        guide_text(GUIDE_TR("Guide", "The moon")),
        fill(guide_text(GUIDE_TR("Guide", "At %1 on the scale; %2.")),
             {degrees(st.lunar_angle.value()), moon_phase_words(elongation_of_chart_phase(st.lunar_phase.value()))})};
  }
  if (angle_in_view(chart_angle, st.solar_angle.value()) &&
      distance(x, y, st.sun_x.value(), level) <= kSunRadius + kReach) {
    return ChartName{guide_text(GUIDE_TR("Guide", "The sun")),
                     fill(guide_text(GUIDE_TR("Guide", "At %1 on the scale, on its yearly path.")),
                          {degrees(st.solar_angle.value())})};
  }
  // The dots of the equator, on their grid 16 pixels apart.
  for (int column = kFirstEquatorColumn; column >= kLastEquatorColumn; --column) {
    const EquatorDot dot = equator_dot(st, column);
    if (std::abs(x - dot.x) <= kPixelsPerDegree / 2 && std::abs(y - dot.y) <= 5) {
      const double sine = std::sin(dot.angle * std::numbers::pi / 180);
      return ChartName{guide_text(GUIDE_TR("Guide", "The celestial equator")),
                       fill(guide_text(GUIDE_TR("Guide", "At %1, %2; it crosses the sun's path at %3 and %4.")),
                            {degrees(dot.angle % 360 == 0 ? 360 : dot.angle % 360),
                             height_words(-kEquatorTiltDegrees * sine), degrees(180), degrees(360)})};
    }
  }
  return centre_marker_at(level, x, y);
}

std::optional<ChartName> scale_at(const ChartView& st, double x, double y) {
  const int level = st.level.value();
  // From the long ticks' tops to the labels' feet.
  if (y < level - kLongTick.above || y > level + kLabelBelowBaseline + kCellHeight) return std::nullopt;
  long angle = std::lround(scale_angle_at(st.shown_chart_angle, st.step_eighth, x));
  angle = ((angle - 1) % 360 + 360) % 360 + 1;
  return ChartName{guide_text(GUIDE_TR("Guide", "The baseline")),
                   fill(guide_text(GUIDE_TR("Guide", "The sun's yearly path with its scale of angles; here %1.")),
                        {degrees(static_cast<int>(angle))})};
}

// The true sky: everything found where its pass drew it last, the figure
// drawn last first (the sun over the moon over the planets over the stars
// and markers); within a kind the nearest, and of two as near the one
// drawn later, which covers the other.

constexpr std::array<std::string_view, 5> kPlanetNames = {
    GUIDE_TR("Guide", "Mercury"), GUIDE_TR("Guide", "Venus"),  GUIDE_TR("Guide", "Mars"),
    GUIDE_TR("Guide", "Jupiter"), GUIDE_TR("Guide", "Saturn"),
};

// A right ascension as the read-outs print it: whole degrees, 1 to 360.
std::string right_ascension(double ra) {
  int whole = static_cast<int>(std::floor(ra)) % 360;
  if (whole <= 0) whole += 360;
  return degrees(whole);
}

// Keeps the nearest of the candidates offered within reach; a later one
// as near wins.
struct Nearest {
  std::optional<ChartName> name;
  double distance = 0;
  void offer(double d, double reach, const auto& make) {
    if (d > reach || (name && d > distance)) return;
    distance = d;
    name = make();
  }
};

double distance_to(const TrueSkyDrawn::Pixel& pixel, double x, double y) {
  return pixel ? distance(x, y, (*pixel)[0], (*pixel)[1]) : HUGE_VAL;
}

std::optional<ChartName> true_figure_at(const TrueSkyDrawn& drawn, double x, double y) {
  const TrueSkyPlaces& places = drawn.places;
  if (distance_to(drawn.sun, x, y) <= kSunRadius + kReach)
    return ChartName{guide_text(GUIDE_TR("Guide", "The sun")),
                     fill(guide_text(GUIDE_TR("Guide", "At %1 on the scale, on its yearly path.")),
                          {right_ascension(places.sun.ra)})};
  if (distance_to(drawn.moon, x, y) <= kMoonRadius + kReach)
    return ChartName{guide_text(GUIDE_TR("Guide", "The moon")),
                     fill(guide_text(GUIDE_TR("Guide", "At %1 on the scale; %2.")),
                          {right_ascension(places.moon.ra), moon_phase_words(moon_phase(places.moon_phase))})};

  Nearest planet;
  for (std::size_t i = 0; i < drawn.planets.size(); ++i)
    planet.offer(distance_to(drawn.planets[i], x, y), kPlanetRings[i].back().radius + kReach, [&] {
      //: a planet's tip: where it stands on the scale, and its visual magnitude (e.g. -2.4)
      return ChartName{guide_text(kPlanetNames[i]),
                       fill(guide_text(GUIDE_TR("Guide", "Planet at %1 on the scale, magnitude %2.")),
                            {right_ascension(places.planets[i].ra), guide_decimal(places.planet_magnitudes[i], 1)})};
    });
  if (planet.name) return planet.name;

  Nearest entry;
  std::size_t star = 0, marker = 0;
  for (const catalogue_row& row : star_catalogue_rows()) {
    if (const auto* entry_star = std::get_if<star_entry>(&row.entry)) {
      if (star >= drawn.stars.size()) continue;
      const SkyPoint& place = places.stars[star];
      entry.offer(distance_to(drawn.stars[star++], x, y), entry_star->rings().back().radius + kReach, [&] {
        return ChartName{guide_text(row.name), fill(guide_text(GUIDE_TR("Guide", "Star at %1, %2.")),
                                                    {right_ascension(place.ra), height_words(place.height)})};
      });
      continue;
    }
    const auto& mark = std::get<marker_entry>(row.entry);
    const std::optional<int>& marker_x = drawn.markers[marker++];
    if (!marker_x) continue;
    for (const segment& s : mark.segments())
      if (y >= drawn.level + s.top - kReach && y <= drawn.level + s.bottom + kReach)
        entry.offer(std::abs(x - *marker_x), kReach, [&] {
          return ChartName{guide_text(row.name),
                           fill(guide_text(GUIDE_TR("Guide", "Marker at %1 on the baseline: %2.")),
                                {degrees(mark.longitude), guide_text(row.note)})};
        });
  }
  if (entry.name) return entry.name;

  // The dots of the equator of date, one at every whole degree.
  const double ra_here = places.sidereal_time - (x - kCentreMarkerX) / kPixelsPerDegree;
  for (const double ra : {std::floor(ra_here), std::ceil(ra_here)}) {
    const double height = true_equator_height(ra, places.obliquity);
    const double dot_x = std::lround(true_chart_x(places.sidereal_time, ra));
    const double dot_y = std::lround(true_chart_y(drawn.level, height));
    if (std::abs(x - dot_x) <= kPixelsPerDegree / 2 && std::abs(y - dot_y) <= 5)
      return ChartName{guide_text(GUIDE_TR("Guide", "The celestial equator")),
                       fill(guide_text(GUIDE_TR("Guide", "At %1, %2; it crosses the sun's path at %3 and %4.")),
                            {right_ascension(ra), height_words(height), degrees(180), degrees(360)})};
  }
  return std::nullopt;
}

std::optional<ChartName> true_scale_at(const TrueSkyDrawn& drawn, double x, double y) {
  if (y < drawn.level - kLongTick.above || y > drawn.level + kLabelBelowBaseline + kCellHeight) return std::nullopt;
  long angle = std::lround(drawn.places.sidereal_time - (x - kCentreMarkerX) / kPixelsPerDegree);
  angle = ((angle - 1) % 360 + 360) % 360 + 1;
  return ChartName{guide_text(GUIDE_TR("Guide", "The baseline")),
                   fill(guide_text(GUIDE_TR("Guide", "The sun's yearly path with its scale of angles; here %1.")),
                        {degrees(static_cast<int>(angle))})};
}

std::optional<ChartName> true_sky_at(const ChartView& st, double x, double y) {
  if (!st.true_sky) return std::nullopt;
  if (auto figure = true_figure_at(*st.true_sky, x, y)) return figure;
  if (auto centre = centre_marker_at(st.true_sky->level, x, y)) return centre;
  return true_scale_at(*st.true_sky, x, y);
}

}  // namespace

std::optional<PicturePoint> entry_position(const ChartView& st, int label, int place) {
  std::optional<PicturePoint> found;
  for_each_drawn_entry(st, [&](const PlacedEntry& entry) {
    if (entry.row.label != label || entry.place != place) return;
    if (std::holds_alternative<star_entry>(entry.row.entry)) {
      found = PicturePoint{entry.x.value(), entry.y.value()};
    } else {
      const segment& first = std::get<marker_entry>(entry.row.entry).segments().front();
      found = PicturePoint{entry.x.value(), st.level.value() + (first.top + first.bottom) / 2};
    }
  });
  return found;
}

EquatorDot equator_dot(const ChartView& st, int column) {
  int angle = st.shown_chart_angle.value() - column;
  if (angle < 1) angle += 360;
  return {equator_dot_x(column, st.grid_offset).value(), equator_y(st.level, angle, st.pi), angle};
}

std::optional<ChartName> name_at(const ChartView& st, double x, double y) {
  if (x < 0 || y < 0 || x >= kPictureWidth || y >= kPictureHeight) return std::nullopt;
  if (auto readout = readout_at(st, x, y)) return readout;
  if (st.true_sky_mode) return true_sky_at(st, x, y);
  if (auto entry = entry_at(st, x, y)) return entry;
  if (auto figure = figure_at(st, x, y)) return figure;
  return scale_at(st, x, y);
}

}  // namespace pelmora
