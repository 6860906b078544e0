// The star-field renderer and its catalogue.
#include <gtest/gtest.h>

#include <type_traits>

#include <algorithm>
#include <map>

#include "chart/star_catalogue.h"
#include "chart/star_field.h"
#include "support/test_support.h"

namespace pelmora::testing {
namespace {

// It refers to the window's picture and level.
static_assert(!std::is_copy_constructible_v<Module1> && !std::is_move_constructible_v<Module1>);

struct StarFieldRig {
  RecordedOperations log;
  Picture picture{nullptr, &log};
  Integer level = 432;
  Module1 module{picture, level};

  std::vector<std::string> draw(int chart_angle, int step_eighth) {
    log.operations.clear();
    module.draw_star_field(Integer(chart_angle), Integer(step_eighth));
    return trace_lines(log.operations);
  }
};

bool contains(const std::vector<std::string>& lines, const std::vector<std::string>& run) {
  return std::search(lines.begin(), lines.end(), run.begin(), run.end()) != lines.end();
}

TEST(StarFieldTest, WorkedCallAtChartAngle45) {
  StarFieldRig rig;
  const auto lines = rig.draw(45, 3);
  EXPECT_EQ(lines.front(), "scale 3");
  EXPECT_EQ(lines.back(), "scale 4");
  // The group-20 star, then its marker 10 pixels further left.
  EXPECT_TRUE(contains(lines, {"circle 268 391 3 000000", "circle 270 391 3 c0c0c0", "line 258 416 258 454 000000",
                               "line 260 416 260 454 800000"}));
  // Group 340 wraps: its star stands at ((405 - 344) * 8 + 7) * 2.
  EXPECT_TRUE(contains(lines, {"circle 988 538 3 000000", "circle 990 538 3 ff00ff", "circle 988 538 4 000000",
                               "circle 990 538 4 c0c0c0"}));
  // Group 360 with its own chart angle, the marker before the star.
  EXPECT_TRUE(contains(lines, {"line 732 372 732 388 000000", "line 734 372 734 388 ff00ff"}));
  EXPECT_TRUE(contains(lines, {"circle 732 395 3 000000", "circle 734 395 3 c0c0c0"}));
  // Sectors 320 and 330 have no group: the first entry drawn is group 340's.
  EXPECT_EQ(lines.at(1), "circle 988 538 3 000000");
}

TEST(StarFieldTest, SectorsWrapAt360) {
  StarFieldRig rig;
  // Chart angle 5: the eight wrapped passes (280 to 350) stand at 365, the
  // last, 0 become 360, at 5 itself.
  auto lines = rig.draw(5, 0);
  EXPECT_TRUE(contains(lines, {"circle 86 395 3 000000", "circle 88 395 3 c0c0c0"}));  // group 360: ((5-0)*8+4)*2
  EXPECT_TRUE(contains(lines, {"circle 1366 151 3 000000"}));  // group 280 at 365: ((365-280)*8+4)*2 - 2

  // Chart angle 10: passes 290 to 350 at 370, 360 at 10, then 10 (no group).
  lines = rig.draw(10, 0);
  EXPECT_TRUE(contains(lines, {"circle 166 395 3 000000"}));   // ((10-0)*8+4)*2 - 2
  EXPECT_TRUE(contains(lines, {"circle 1158 299 3 000000"}));  // group 290 at 370: ((370-298)*8+4)*2 - 2

  // Chart angle 360: nothing wraps, group 360 lands far off the picture.
  lines = rig.draw(360, 7);
  EXPECT_TRUE(contains(lines, {"circle 5780 395 3 000000", "circle 5782 395 3 c0c0c0"}));
  lines = rig.draw(360, 0);
  EXPECT_TRUE(contains(lines, {"line 5768 372 5768 388 ff00ff"}));
  // Chart angle 1: group 360 comes in at the left edge.
  lines = rig.draw(1, 0);
  EXPECT_TRUE(contains(lines, {"line 24 372 24 388 ff00ff"}));
}

TEST(StarFieldTest, ThreeRingsAreErasedAndDrawnInTurn) {
  StarFieldRig rig;
  const auto lines = rig.draw(105, 0);  // group 100: one star of three rings, ((105-102)*8+4)*2
  std::vector<std::string> star;
  for (const std::string& line : lines)
    if (line.find(" 611 ") != std::string::npos) star.push_back(line);  // 432 + 39 * 4.6 = 611.4
  EXPECT_EQ(star,
            (std::vector<std::string>{"circle 54 611 3 000000", "circle 56 611 3 ffffff", "circle 54 611 4 000000",
                                      "circle 56 611 4 c0c0c0", "circle 54 611 6 000000", "circle 56 611 6 ffff00"}));
}

TEST(StarFieldTest, LabelWithoutAGroupDrawsNothing) {
  EXPECT_TRUE(star_catalogue(50).empty());
  EXPECT_TRUE(star_catalogue(10).empty());
  EXPECT_TRUE(star_catalogue(0).empty());
  EXPECT_EQ(star_catalogue(360).size(), 2u);
  // Chart angle 59: sectors 330 to 50, of which 330, 10 and 50 have no
  // group; the others hold 8 rings and 4 segments.
  StarFieldRig rig;
  rig.draw(59, 0);
  EXPECT_EQ(only(rig.log.operations, Operation::Kind::circle).size(), 16u);
  EXPECT_EQ(only(rig.log.operations, Operation::Kind::line).size(), 8u);
}

TEST(StarCatalogueTest, TotalsAndGroups) {
  int stars = 0, markers = 0, segments = 0;
  std::map<int, int> rings_by_radius;
  std::vector<int> labels;
  for (const catalogue_row& row : star_catalogue_rows()) {
    if (labels.empty() || labels.back() != row.label) labels.push_back(row.label);
    if (const auto* star = std::get_if<star_entry>(&row.entry)) {
      ++stars;
      for (const ring& r : star->rings()) ++rings_by_radius[r.radius];
    } else {
      ++markers;
      segments += static_cast<int>(std::get<marker_entry>(row.entry).segments().size());
    }
  }
  EXPECT_EQ(stars, 31);
  EXPECT_EQ(markers, 6);
  EXPECT_EQ(segments, 11);
  EXPECT_EQ(rings_by_radius, (std::map<int, int>{{3, 31}, {4, 16}, {6, 2}}));
  EXPECT_EQ(labels, (std::vector<int>{20,  30,  40,  70,  80,  90,  100, 110, 140, 150, 160, 170,
                                      180, 200, 210, 240, 270, 280, 290, 310, 340, 350, 360}));
  // Each label's group is one contiguous run.
  for (const int label : labels) EXPECT_FALSE(star_catalogue(label).empty()) << label;
}

TEST(StarCatalogueTest, HeightsRoundToTheNearestPixel) {
  StarFieldRig rig;
  const std::pair<int, int> cases[] = {{280, 151}, {70, 579}, {80, 547}, {310, 133}};  // 61, -32, -25, 65 degrees
  for (const auto& [chart_angle, y] : cases) {
    const auto lines = rig.draw(chart_angle + 5, 0);
    const std::string needle = " " + std::to_string(y) + " 3 ";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.find(needle) != std::string::npos;
    })) << chart_angle;
  }
}

TEST(StarFieldTest, MarkerOfGroup20StandsTenPixelsLeftOfItsStar) {
  StarFieldRig rig;
  const auto lines = rig.draw(50, 4);
  // Star: ((50 - 29) * 8 + 4 + 4) * 2 = 352; marker: 5 eighths further left.
  EXPECT_TRUE(
      contains(lines, {"circle 352 391 3 c0c0c0", "line 340 416 340 454 000000", "line 342 416 342 454 800000"}));
}

}  // namespace
}  // namespace pelmora::testing
