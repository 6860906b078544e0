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
#include "guide/words.h"
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

// A true sky whose places the test sets: every pass asks it.
class SetSky : public TrueSkySource {
 public:
  SetSky() {
    places.sidereal_time = 150;
    places.obliquity = 23.44;
    // Every body far out of view unless a test brings it in.
    places.sun = places.moon = {330, 0};
    places.planets.fill({330, 0});
    places.stars.fill({330, 0});
    places.planet_magnitudes = {-0.4, -4.83, 1.2, -2.36, 0.04};
    places.moon_phase = {130, 0.78, 3.4, true};
  }
  TrueSkyPlaces places_at(const std::string&, double) override { return places; }
  TrueSkyPlaces places;
};

struct TrueRig {
  TrueRig() {
    rig.form.set_true_sky(&sky);
    rig.clock.seconds = 36000;
  }
  // Draws a pass with the places as set, and names what is at a pixel.
  std::optional<ChartName> at(double x, double y) {
    rig.form.picture1_click();
    return name_at(rig.form.view(), x, y);
  }
  Rig rig;
  SetSky sky;
};

constexpr int kMercury = 0, kVenus = 1, kJupiter = 3, kSaturn = 4;

// In the true sky each figure is named where its pass drew it: the planets
// with their magnitudes, the moon with its true phase, the stars with their
// places of date; the design's figures are not there to be found.
TEST(TrueSkyTipsTest, EveryFigureIsNamedWhereTheTruePassDrewIt) {
  TrueRig t;
  t.sky.places.planets[kJupiter] = {149.5, 0.88};  // 8 pixels right of the centre, 4 up
  t.sky.places.moon = {160, 5};                    // 160 pixels left, 23 up
  t.sky.places.stars[0] = {151, -2};
  t.rig.form.Form_Load();
  const auto jupiter = t.at(648, 428);
  ASSERT_TRUE(jupiter.has_value());
  EXPECT_EQ(jupiter->title, "Jupiter");
  EXPECT_EQ(jupiter->detail, "Planet at 149\u00b0 on the scale, magnitude \u22122.4.");
  EXPECT_EQ(t.at(648 + 6 + 3, 428)->title, "Jupiter");  // its outer ring and the reach
  EXPECT_NE(t.at(648 + 6 + 4, 428)->title, "Jupiter");

  const auto moon = t.at(480, 409);
  ASSERT_TRUE(moon.has_value());
  EXPECT_EQ(moon->title, "The moon");
  EXPECT_EQ(moon->detail, "At 160\u00b0 on the scale; waxing gibbous, 78 % lit, 3 days to full moon.");
  const std::string words = chart_in_words(t.rig.form.view());
  EXPECT_NE(words.find("moon at 160 degrees, waxing gibbous, 78 % lit, 3 days to full moon."), std::string::npos)
      << words;

  const auto star = t.at(624, 441);
  ASSERT_TRUE(star.has_value());
  EXPECT_EQ(star->detail, "Star at 151\u00b0, 2\u00b0 below the baseline.");
  // The baseline's scale is right ascension, 150 at the centre marker.
  EXPECT_EQ(t.at(640 + 3 * 16, 440)->detail, "The sun's yearly path with its scale of angles; here 147\u00b0.");
  EXPECT_EQ(t.at(640, 420)->title, "The centre marker");
  // The equator of date at right ascension 150: 11.4 degrees below the ecliptic.
  const double equator_y = std::lround(432 + 4.6 * 11.43);
  EXPECT_EQ(t.at(640, equator_y)->title, "The celestial equator");

  // Where the design's sun stands in this state, the true sky has none.
  const FormState& st = t.rig.st();
  const auto design_sun = t.at(st.sun_x.value(), 432);
  EXPECT_TRUE(!design_sun || design_sun->title != "The sun");
  // Read-outs are found over everything, as in the design.
  EXPECT_TRUE(t.at(4 * 8 + 2, 42 * 16 + 8)->readout);
}

// Of figures drawn over one another the tip names the one on top: the sun
// over a planet behind its circle, of two planets on one pixel the one drawn
// later, a planet over a star.
TEST(TrueSkyTipsTest, OfFiguresOnOnePixelTheOneDrawnOnTopIsNamed) {
  TrueRig t;
  t.sky.places.sun = {150, 0};
  t.sky.places.planets[kMercury] = {150.5, 0.5};  // inside the sun's circle
  t.sky.places.planets[kVenus] = {145, 1};
  t.sky.places.planets[kSaturn] = {145, 1};  // on Venus's pixel
  t.sky.places.stars[3] = {145, 1};
  t.rig.form.Form_Load();
  EXPECT_EQ(t.at(632, 430)->title, "The sun");
  const auto on_venus = t.at(720, 427);
  ASSERT_TRUE(on_venus.has_value());
  EXPECT_EQ(on_venus->title, "Saturn");
  EXPECT_EQ(on_venus->detail, "Planet at 145\u00b0 on the scale, magnitude 0.0.");
  // Venus one step to the left: now nearer the pointer than Saturn.
  t.sky.places.planets[kVenus] = {145.125, 1};
  EXPECT_EQ(t.at(718, 427)->title, "Venus");
  // Out of view: nothing of it is found where it stood.
  t.sky.places.planets = {};
  t.sky.places.planets.fill({330, 0});
  t.sky.places.sun = {330, 0};
  const auto star = t.at(720, 427);
  ASSERT_TRUE(star.has_value());
  EXPECT_NE(star->detail.find("Star at 145"), std::string::npos) << star->detail;
}

TEST(GuideWordsTest, DecimalsCarryTheTrueMinusAndNoSignOnZero) {
  EXPECT_EQ(guide_decimal(-2.36, 1), "\u22122.4");
  EXPECT_EQ(guide_decimal(0.04, 1), "0.0");
  EXPECT_EQ(guide_decimal(-0.04, 1), "0.0");
  EXPECT_EQ(guide_decimal(1.25, 2), "1.25");
}

}  // namespace
}  // namespace pelmora::testing
