#include "guide/positions.h"

#include <cmath>
#include <cstdio>
#include <variant>

#include "chart/chart_geometry.h"
#include "chart/star_catalogue.h"
#include "chart/true_chart.h"
#include "guide/chart_points.h"

namespace pelmora {

namespace {

bool on_picture(int x, int y) { return x >= 0 && x < kPictureWidth && y >= 0 && y < kPictureHeight; }

void set_point(PositionRow& row, int x, int y) {
  if (!on_picture(x, y)) return;
  row.x = x;
  row.y = y;
}

// Each catalogue entry with its name, its group and its place in the group.
template <typename Visit>
void for_each_entry(Visit&& visit) {
  int label = 0, place = 0;
  for (const catalogue_row& row : star_catalogue_rows()) {
    place = row.label == label ? place + 1 : 1;
    label = row.label;
    visit(row, label, place, std::string(row.name));
  }
}

// A marker's point: the middle of its first segment, as its tip finds it.
int marker_y(int level, const marker_entry& marker) {
  const segment& first = marker.segments().front();
  return level + (first.top + first.bottom) / 2;
}

std::string number(const std::optional<double>& value) {
  if (!value) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", *value);
  return text;
}

std::string number(const std::optional<int>& value) { return value ? std::to_string(*value) : std::string(); }

}  // namespace

std::vector<PositionRow> design_positions(const FormState& st) {
  std::vector<PositionRow> rows;
  rows.push_back({"local sidereal time", "time", double(st.local_angle.value()), {}, {}, {}, {}});

  PositionRow sun{"The sun", "sun", double(st.solar_angle.value()), {}, 0.0, {}, {}};
  if (angle_in_view(st.shown_chart_angle, st.solar_angle)) set_point(sun, st.sun_x.value(), st.level.value());
  rows.push_back(sun);
  // The marker's height follows the phase, the whole swing at full and new moon.
  const double moon_pixels = kMoonSwingPixels * std::sin(double(st.pi) * st.lunar_phase.value() / 180);
  PositionRow moon{"The moon", "moon", double(st.lunar_angle.value()), {}, moon_pixels / kPixelsPerDegreeOfHeight,
                   {},         {}};
  if (angle_in_view(st.shown_chart_angle, st.lunar_angle) && st.moon_drawn)
    set_point(moon, st.moon_drawn_x.value(), st.moon_drawn_y.value());
  rows.push_back(moon);

  for_each_entry([&](const catalogue_row& entry, int label, int place, std::string name) {
    PositionRow row{std::move(name), "star", {}, {}, 0.0, {}, {}};
    if (const auto* star = std::get_if<star_entry>(&entry.entry)) {
      row.ra = star->longitude;
      row.height = star->latitude;
    } else {
      row.kind = "marker";
      row.ra = std::get<marker_entry>(entry.entry).longitude;
    }
    if (const auto point = entry_position(st, label, place)) set_point(row, point->x, point->y);
    rows.push_back(std::move(row));
  });
  return rows;
}

std::vector<PositionRow> true_positions(const sky::TrueSky& sky, int level) {
  std::vector<PositionRow> rows;
  rows.push_back({"local sidereal time", "time", sky.local_sidereal_time, {}, {}, {}, {}});
  auto body_row = [&](const sky::BodyPlace& body, std::string name, std::string kind) {
    PositionRow row{std::move(name), std::move(kind), body.ra, body.dec, body.height, {}, {}};
    set_point(row, static_cast<int>(std::lround(true_chart_x(sky.local_sidereal_time, body.ra))),
              static_cast<int>(std::lround(true_chart_y(level, body.height))));
    return row;
  };
  rows.push_back(body_row(sky.sun, "The sun", "sun"));
  rows.push_back(body_row(sky.moon, "The moon", "moon"));
  for (const sky::BodyPlace& planet : sky.planets) rows.push_back(body_row(planet, std::string(planet.name), "planet"));

  for_each_entry([&](const catalogue_row& entry, int label, int place, std::string name) {
    if (std::holds_alternative<star_entry>(entry.entry)) {
      for (const sky::BodyPlace& star : sky.stars)
        if (star.label == label && star.place == place) rows.push_back(body_row(star, std::move(name), "star"));
      return;
    }
    // The markers stand on the ecliptic of date at their angles of right
    // ascension; the one beside Sheratan keeps its shift to the left.
    const auto& marker = std::get<marker_entry>(entry.entry);
    const double ra = marker.longitude;
    PositionRow row{std::move(name), "marker", ra, sky::ecliptic_declination(ra, sky.obliquity), 0.0, {}, {}};
    set_point(row, static_cast<int>(std::lround(true_chart_x(sky.local_sidereal_time, ra))) - 2 * marker.x_extra,
              marker_y(level, marker));
    rows.push_back(std::move(row));
  });
  return rows;
}

std::string positions_table(const std::vector<PositionRow>& rows) {
  std::string table = "body\tkind\tra_deg\tdec_deg\theight_deg\tx\ty\n";
  for (const PositionRow& row : rows)
    table += row.body + '\t' + row.kind + '\t' + number(row.ra) + '\t' + number(row.dec) + '\t' + number(row.height) +
             '\t' + number(row.x) + '\t' + number(row.y) + '\n';
  return table;
}

}  // namespace pelmora
