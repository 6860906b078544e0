#include "guide/chart_points.h"

#include <array>
#include <cctype>
#include <cmath>
#include <numbers>
#include <variant>

#include "chart/chart_geometry.h"
#include "chart/star_catalogue.h"
#include "guide/names.h"
#include "guide/words.h"

namespace pelmora {

namespace {

constexpr double kPixelsPerDegreeOfHeight = 4.6;

std::string degrees(int angle) { return fill(guide_text(GUIDE_TR("Guide", "%1\u00b0")), {guide_number(angle)}); }

std::string height_words(double degrees_above) {
  const long rounded = std::lround(degrees_above);
  if (rounded == 0) return guide_text(GUIDE_TR("Guide", "on the baseline"));
  return fill(rounded > 0 ? guide_text(GUIDE_TR("Guide", "%1 above the baseline"))
                          : guide_text(GUIDE_TR("Guide", "%1 below the baseline")),
              {degrees(static_cast<int>(std::labs(rounded)))});
}

// The x of an angle on the chart, for the chart angle A it is counted
// from (A or A + 360): 16 pixels a degree, 2 a step.
int chart_x(int reference_angle, int angle, int step_eighth, int x_extra = 0) {
  return ((reference_angle - angle) * 8 + step_eighth + 4 - x_extra) * 2;
}

double distance(double x1, double y1, double x2, double y2) { return std::hypot(x1 - x2, y1 - y2); }

// A read-out: its cells (row, first and last column), its name and what it
// means.
struct Readout {
  int row, first, last;
  const char* name;
  const char* clock_mode;
  const char* simulation_mode;  // nullptr: the same as in clock mode
};

constexpr std::array kReadouts = {
    Readout{
        1, 2, 36, GUIDE_TR("Guide", "The title"),
        GUIDE_TR("Guide",
                 "The chart's title: the band of sky along the sun's yearly path, seen from the northern hemisphere."),
        nullptr},
    Readout{3, 2, 27, "minutes log in error",
            GUIDE_TR("Guide",
                     "Worked out at each start of the chart: how far the time of day lies into its 32-minute span of "
                     "the turn, halved, in minutes (0 to .5)."),
            nullptr},
    Readout{4, 134, 145, GUIDE_TR("Guide", "Hours"), GUIDE_TR("Guide", "Hours of the computer's clock."),
            GUIDE_TR("Guide", "Simulated hours: the time runs on four minutes for each degree the chart has turned.")},
    Readout{6, 134, 145, GUIDE_TR("Guide", "Minutes"), GUIDE_TR("Guide", "Minutes of the computer's clock."),
            GUIDE_TR("Guide", "Simulated minutes: four for each degree the chart has turned.")},
    Readout{8, 134, 145, GUIDE_TR("Guide", "Seconds"), GUIDE_TR("Guide", "Seconds of the computer's clock."),
            GUIDE_TR("Guide",
                     "Simulation mode: the chart turns as fast as it can be redrawn, a degree every eight steps.")},
    Readout{42, 4, 22, "lunar",
            GUIDE_TR("Guide", "lunar: the moon's angle on the chart's scale, in degrees (0 to 360)."), nullptr},
    Readout{
        44, 8, 16, GUIDE_TR("Guide", "The chart angle"),
        GUIDE_TR("Guide", "The chart angle: the scale's angle at the left edge of the chart, in degrees (1 to 360)."),
        nullptr},
    Readout{48, 124, 139, "local",
            GUIDE_TR("Guide", "local: the scale's angle at the centre marker, in degrees (the chart angle less 40)."),
            nullptr},
    Readout{50, 4, 30, "update",
            GUIDE_TR("Guide", "update: whole seconds until the chart's next step, one every 30 seconds."),
            GUIDE_TR("Guide", "cycle: the seconds the last redraw took, to hundredths.")},
    Readout{50, 68, 88, GUIDE_TR("Guide", "The date"),
            GUIDE_TR("Guide", "The date of the computer's clock: day, month and year."), nullptr},
    Readout{50, 124, 139, "solar",
            GUIDE_TR("Guide", "solar: the sun's angle on the chart's scale, in degrees, from the day of the year."),
            nullptr},
};

std::optional<ChartName> readout_at(const FormState& st, double x, double y) {
  const int row = static_cast<int>(std::floor(y / kCellHeight));
  const int column = static_cast<int>(std::floor(x / kCellWidth));
  for (const Readout& readout : kReadouts) {
    if (readout.row != row || column < readout.first || column > readout.last) continue;
    const bool simulation = is_true(st.simulation_mode) && readout.simulation_mode != nullptr;
    const char* title = readout.name;
    if (simulation && readout.row == 50) title = "cycle";
    if (simulation && readout.row == 8) title = "simulation";
    // The read-outs' own words ("lunar", "cycle", ...) are the chart's and
    // stay as printed; the other titles and the details are translated.
    const bool printed_word = std::islower(static_cast<unsigned char>(title[0])) != 0;
    return ChartName{printed_word ? std::string(title) : guide_text(title),
                     guide_text(simulation ? readout.simulation_mode : readout.clock_mode), true};
  }
  return std::nullopt;
}

// Calls `visit(label, place, row, x)` for every entry of the sectors drawn,
// with the x the star field gives it: the same walk over the sectors as
// Module1::draw_star_field, which draws as it goes and keeps no places
// (the guide's test holds the two together, entry by entry, over a turn).
template <typename Visit>
void for_each_drawn_entry(const FormState& st, Visit&& visit) {
  const int chart_angle = st.shown_chart_angle.value();
  const int top_sector = chart_angle / 10 * 10;
  for (int offset = 80; offset >= 0; offset -= 10) {
    int sector = top_sector - offset;
    int reference = chart_angle;
    if (sector < 0) {
      sector += 360;
      reference += 360;
    } else if (sector == 0) {
      sector = 360;
    }
    int place = 0;
    for (const catalogue_row& row : star_catalogue(sector)) {
      ++place;
      if (const auto* star = std::get_if<star_entry>(&row.entry)) {
        visit(sector, place, row, chart_x(reference, star->longitude, st.step_eighth.value()));
      } else {
        const auto& mark = std::get<marker_entry>(row.entry);
        visit(sector, place, row, chart_x(reference, mark.longitude, st.step_eighth.value(), mark.x_extra));
      }
    }
  }
}

int star_y(const FormState& st, const star_entry& star) {
  return to_integer(dbl(st.level) - star.latitude * kPixelsPerDegreeOfHeight).value();
}

// The nearest star or marker of the star field within reach of the point.
std::optional<ChartName> entry_at(const FormState& st, double x, double y) {
  const int level = st.level.value();
  std::optional<ChartName> nearest;
  double nearest_distance = 0;
  const auto consider = [&](double d, int label, int place, const std::string& detail) {
    if (nearest && d >= nearest_distance) return;
    nearest_distance = d;
    nearest = ChartName{guide_text(entry_name(label, place)), detail};
  };
  for_each_drawn_entry(st, [&](int label, int place, const catalogue_row& row, int entry_x) {
    if (const auto* star = std::get_if<star_entry>(&row.entry)) {
      const double d = distance(x, y, entry_x, star_y(st, *star));
      if (d <= star->rings().back().radius + 3)
        consider(d, label, place,
                 fill(guide_text(GUIDE_TR("Guide", "Star at %1, %2.")),
                      {degrees(star->longitude), height_words(star->latitude)}));
      return;
    }
    const auto& mark = std::get<marker_entry>(row.entry);
    for (const segment& s : mark.segments())
      if (std::abs(x - entry_x) <= 3 && y >= level + s.top - 3 && y <= level + s.bottom + 3)
        consider(std::abs(x - entry_x), label, place,
                 fill(guide_text(GUIDE_TR("Guide", "Marker at %1 on the baseline.")), {degrees(mark.longitude)}));
  });
  return nearest;
}

std::optional<ChartName> figure_at(const FormState& st, double x, double y) {
  const int chart_angle = st.shown_chart_angle.value();
  const int level = st.level.value();
  if (st.moon_drawn && angle_in_view(chart_angle, st.lunar_angle.value()) &&
      distance(x, y, st.moon_drawn_x.value(), st.moon_drawn_y.value()) <= 11 + 3) {
    const std::string pattern = moon_waxing(st)
                                    ? guide_text(GUIDE_TR("Guide", "At %1 on the scale, waxing (phase angle %2)."))
                                    : guide_text(GUIDE_TR("Guide", "At %1 on the scale, waning (phase angle %2)."));
    return ChartName{guide_text(GUIDE_TR("Guide", "The moon")),
                     fill(pattern, {degrees(st.lunar_angle.value()), degrees(st.lunar_phase.value())})};
  }
  if (angle_in_view(chart_angle, st.solar_angle.value()) && distance(x, y, st.sun_x.value(), level) <= 26 + 3) {
    return ChartName{guide_text(GUIDE_TR("Guide", "The sun")),
                     fill(guide_text(GUIDE_TR("Guide", "At %1 on the scale, on its yearly path.")),
                          {degrees(st.solar_angle.value())})};
  }
  // The dots of the equator, on their grid 16 pixels apart.
  for (int column = kFirstEquatorColumn; column >= kLastEquatorColumn; --column) {
    const EquatorDot dot = equator_dot(st, column);
    if (std::abs(x - dot.x) <= 8 && std::abs(y - dot.y) <= 5) {
      const double sine = std::sin(dot.angle * std::numbers::pi / 180);
      return ChartName{guide_text(GUIDE_TR("Guide", "The celestial equator")),
                       fill(guide_text(GUIDE_TR("Guide", "At %1, %2; it crosses the sun's path at %3 and %4.")),
                            {degrees(dot.angle % 360 == 0 ? 360 : dot.angle % 360), height_words(-23.5 * sine),
                             degrees(180), degrees(360)})};
    }
  }
  if (std::abs(x - 640) <= 3 && std::abs(y - level) <= 37)
    return ChartName{guide_text(GUIDE_TR("Guide", "The centre marker")),
                     guide_text(GUIDE_TR("Guide", "The \"local\" read-out gives the scale's angle here."))};
  return std::nullopt;
}

std::optional<ChartName> scale_at(const FormState& st, double x, double y) {
  const int level = st.level.value();
  if (y < level - 13 || y > level + 36) return std::nullopt;
  // The scale's angle at x: 16 pixels a degree from the left edge.
  const double steps = (x - 8 - 2 * st.step_eighth.value()) / 16.0;
  long angle = std::lround(st.shown_chart_angle.value() - steps);
  angle = ((angle - 1) % 360 + 360) % 360 + 1;
  return ChartName{guide_text(GUIDE_TR("Guide", "The baseline")),
                   fill(guide_text(GUIDE_TR("Guide", "The sun's yearly path with its scale of angles; here %1.")),
                        {degrees(static_cast<int>(angle))})};
}

}  // namespace

std::optional<PicturePoint> entry_position(const FormState& st, int label, int place) {
  std::optional<PicturePoint> found;
  for_each_drawn_entry(st, [&](int entry_label, int entry_place, const catalogue_row& row, int entry_x) {
    if (entry_label != label || entry_place != place) return;
    if (const auto* star = std::get_if<star_entry>(&row.entry)) {
      found = PicturePoint{entry_x, star_y(st, *star)};
    } else {
      const segment& first = std::get<marker_entry>(row.entry).segments().front();
      found = PicturePoint{entry_x, st.level.value() + (first.top + first.bottom) / 2};
    }
  });
  return found;
}

EquatorDot equator_dot(const FormState& st, int column) {
  int angle = st.shown_chart_angle.value() - column;
  if (angle < 1) angle += 360;
  return {(column * 8 + st.grid_offset.value() + 4) * 2, equator_y(st.level, angle, st.pi), angle};
}

bool moon_waxing(const FormState& st) {
  // The phase angle runs a whole turn a month: 270 at new moon (the moon
  // lowest), 90 at full moon (highest). Waxing is the half-turn between.
  const int since_new = (st.lunar_phase.value() + 90) % 360;
  return since_new < 180;
}

std::optional<ChartName> name_at(const FormState& st, double x, double y) {
  if (x < 0 || y < 0 || x >= kPictureWidth || y >= kPictureHeight) return std::nullopt;
  if (auto readout = readout_at(st, x, y)) return readout;
  if (auto entry = entry_at(st, x, y)) return entry;
  if (auto figure = figure_at(st, x, y)) return figure;
  return scale_at(st, x, y);
}

}  // namespace pelmora
