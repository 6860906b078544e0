// What is under a point of the chart, and the chart in words: checked
// against what the routines really drew, pass after pass.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <regex>
#include <set>

#include "chart/readouts.h"
#include "guide/chart_points.h"
#include "guide/chart_reading.h"
#include "support/test_support.h"

namespace pelmora::testing {
namespace {

// The angle and height a star's or marker's detail gives: "Star at 152°,
// 1° above the baseline."
struct Place {
  int angle = 0;
  int height = 0;
};
Place place_in(const std::string& detail) {
  std::smatch match;
  Place place;
  const std::string degree = "\u00b0";
  if (std::regex_search(detail, match, std::regex("at (\\d+)" + degree))) place.angle = std::stoi(match[1]);
  if (std::regex_search(detail, match, std::regex("(\\d+)" + degree + " (above|below)")))
    place.height = std::stoi(match[1]) * (match[2] == "above" ? 1 : -1);
  return place;
}

// Whether an entry at `angle` stands at x for the chart as drawn (counted
// from the chart angle or from it plus 360).
bool stands_at(const FormState& st, int angle, int x_extra, double x) {
  for (const int reference : {st.shown_chart_angle.value(), st.shown_chart_angle.value() + 360})
    if (((reference - angle) * 8 + st.step_eighth.value() + 4 - x_extra) * 2 == x) return true;
  return false;
}

bool is_tick_or_centre(const Operation& op) {
  const double above = 432 - op.y1, below = op.y2 - 432;
  return (above == 12 && below == 13) || (above == 6 && below == 7) || op.x1 == 640;
}

// Over a whole turn of the chart, every star and marker drawn is named where
// it stands, by the entry that stands there; every entry is named once.
TEST(ChartPointsTest, EveryStarAndMarkerIsNamedWhereItIsDrawn) {
  Rig rig;
  rig.clock.seconds = 21600;
  rig.form.Form_Load();
  std::set<std::string> named;
  int checked = 0;
  for (int tick = 0; tick < 2880; tick += 7) {
    for (int i = 0; i < 6; ++i) rig.form.Timer2_Timer();
    rig.take();
    rig.form.Timer2_Timer();  // the pass whose picture is checked
    const FormState& st = rig.st();
    for (const Operation& op : rig.take()) {
      const bool star = op.kind == Operation::Kind::circle && op.x2 == 3 && op.colour != 0;
      const bool marker = op.kind == Operation::Kind::line && op.x1 == op.x2 && op.y1 != op.y2 && op.colour != 0 &&
                          !is_tick_or_centre(op);
      if (!star && !marker) continue;
      const double x = op.x1, y = star ? op.y1 : (op.y1 + op.y2) / 2;
      if (x < 0 || x >= kPictureWidth) continue;
      const auto name = name_at(st, x, y);
      ASSERT_TRUE(name.has_value()) << trace_line(op);
      if (name->readout) continue;  // printed over it
      const Place place = place_in(name->detail);
      SCOPED_TRACE(trace_line(op) + ": " + name->title + ", " + name->detail);
      EXPECT_TRUE(stands_at(st, place.angle, 0, x) || stands_at(st, place.angle, 5, x));
      if (star) {
        EXPECT_EQ(std::lround(432 - place.height * 4.6), std::lround(y));
      }
      named.insert(name->title);
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000);
  EXPECT_EQ(named.size(), 37u);
  for (const std::string& name : named) EXPECT_FALSE(name.empty());
}

TEST(ChartPointsTest, SunMoonEquatorAndReadouts) {
  Rig rig;
  rig.clock.seconds = 36000;  // 10:00 on 7 December 2026: the sun and the moon in view
  rig.form.Form_Load();
  rig.form.Timer2_Timer();
  const FormState& st = rig.st();
  ASSERT_TRUE(st.moon_drawn);
  EXPECT_EQ(name_at(st, st.sun_x.value() + 26, 432)->title, "The sun");
  EXPECT_EQ(name_at(st, st.moon_drawn_x.value(), st.moon_drawn_y.value())->title, "The moon");
  EXPECT_NE(name_at(st, 4 * 8 + 2, 42 * 16 + 8)->detail.find("moon's angle"), std::string::npos);
  EXPECT_NE(name_at(st, 125 * 8, 50 * 16 + 8)->detail.find("sun's angle"), std::string::npos);
  // An equator dot: on its 16-pixel grid, at the height of its angle.
  const int b = 40, dot_x = (b * 8 + st.grid_offset.value() + 4) * 2;
  const double dot_y = 432 + 108.1 * std::sin((st.shown_chart_angle.value() - b) * std::numbers::pi / 180);
  EXPECT_EQ(name_at(st, dot_x, dot_y)->title, "The celestial equator");
  EXPECT_FALSE(name_at(st, -1, 10).has_value());
}

// The README's table and the help page's describe each read-out in the words
// the tips give.
TEST(ChartPointsTest, DocumentsDescribeTheReadoutsAsTheTipsDo) {
  const auto text_of = [](const std::string& path) {
    std::ifstream file(std::string(PELMORA_TEST_DATA) + "/../../" + path);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  const std::string readme = text_of("README.md"), help = text_of("window/help/help.html");
  ASSERT_FALSE(readme.empty());
  ASSERT_FALSE(help.empty());
  for (const Readout& r : kReadouts) {
    const std::string name(r.name), where(r.where), meaning(r.meaning);
    EXPECT_NE(readme.find("| " + name + " | " + where + " | " + meaning + " |"), std::string::npos) << name;
    EXPECT_NE(help.find("<b>" + name + "</b> (" + where + ")</td><td>" + meaning + "</td>"), std::string::npos) << name;
  }
  Rig rig;
  rig.form.Form_Load();
  EXPECT_EQ(name_at(rig.st(), 15 * 8, 42 * 16 + 8)->detail, kReadouts[5].meaning);
}

TEST(ChartReadingTest, ChangesWithTheClockInClockMode) {
  Rig rig;
  rig.clock.seconds = 36000;
  rig.form.Form_Load();
  rig.form.clock_mode_Click();
  rig.form.Timer2_Timer();
  const std::string before = chart_in_words(rig.st());
  EXPECT_TRUE(before.starts_with("Clock mode. 10:00:00, 7 DEC 2026.")) << before;
  EXPECT_NE(before.find("Next step in 30 seconds."), std::string::npos) << before;
  rig.clock.seconds = 36001;
  rig.form.Timer2_Timer();
  EXPECT_NE(chart_in_words(rig.st()), before);
}

}  // namespace
}  // namespace pelmora::testing
