// The picture at other scales over whole runs: after a day at 1.5 and at 2
// nothing is lit that the picture at 1 does not show, and a rescale draws
// exactly what the same run draws at the new scale from the start.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <tuple>

#include "command_line/values.h"
#include "render/canvas_image.h"
#include "render/font_text_renderer.h"
#include "render/rescalable_canvas.h"
#include "replay/replay.h"

namespace pelmora {
namespace {

// One full turn of the chart in simulation mode.
constexpr int kStepsOfADay = 2880;

FontTextRenderer& text_renderer() {
  static FontTextRenderer renderer;
  return renderer;
}

std::vector<ScriptEvent> script(const std::string& words) {
  return std::get<std::vector<ScriptEvent>>(parse_script(words));
}

// A text as printed: where, what and in which colours.
struct Print {
  int x, y;
  std::string text;
  Colour fore, back;
};

// Hands every figure on to the picture's canvas and keeps the texts: the
// last print of each text at each place, in the order of those last prints.
class PrintKeeper : public PixelCanvas {
 public:
  explicit PrintKeeper(PixelCanvas& inner) : inner_(inner) {}
  void fill(Colour colour) override {
    last_prints_.clear();
    inner_.fill(colour);
  }
  void line(double x1, double y1, double x2, double y2, Colour colour) override { inner_.line(x1, y1, x2, y2, colour); }
  void circle(double x, double y, double radius, Colour colour) override { inner_.circle(x, y, radius, colour); }
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override {
    const Print print{pixel_of(x), pixel_of(y), std::string(text), fore, back};
    last_prints_[{print.x, print.y, print.text}] = {++prints_, print};
    inner_.text(x, y, text, fore, back);
  }
  std::vector<Print> prints_in_order() const {
    std::vector<std::pair<long, Print>> ordered;
    for (const auto& [place, last] : last_prints_) ordered.push_back(last);
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Print> prints;
    for (auto& [order, print] : ordered) prints.push_back(std::move(print));
    return prints;
  }

 private:
  PixelCanvas& inner_;
  long prints_ = 0;
  std::map<std::tuple<int, int, std::string>, std::pair<long, Print>> last_prints_;
};

// The routines in simulation mode from a moment, drawing at a scale.
struct ScaledRun {
  ScaledRun(double scale, const std::string& at, const std::string& words)
      : canvas(&text_renderer(), scale),
        keeper(canvas),
        picture(&keeper, nullptr),
        replay(picture, parse_moment(at).value(), nullptr) {
    EXPECT_EQ(replay.run(script(words), stderr), 0);
  }
  void play(const std::string& words) { EXPECT_EQ(replay.play(script(words), stderr), 0); }
  const RasterCanvas& pixels() const { return canvas.raster(); }

  RescalableCanvas canvas;
  PrintKeeper keeper;
  Picture picture;
  Replay replay;
};

bool same_pixels(const RasterCanvas& a, const RasterCanvas& b) { return rgb32_image(a) == rgb32_image(b); }

// The lit pixels of a picture at a scale that its picture at 1 does not
// explain, as a description of the first few; empty when there are none.
// A pixel is explained when it lies within one device pixel of the block of
// a pixel lit at 1, or when it is the pixel of the text last printed over it
// and that text stands on the picture at 1. Texts are compared by cell: the
// glyphs at 13 s pixels are not the glyphs at 13 blown up.
std::string unexplained_pixels(const RasterCanvas& one, const RasterCanvas& scaled, const std::vector<Print>& prints) {
  const PixelScale& scale = scaled.scale();
  const int width = scaled.width(), height = scaled.height();
  const auto at = [width](int x, int y) { return static_cast<std::size_t>(y) * width + x; };
  std::vector<std::uint8_t> near_lit(at(0, height), 0);
  for (int py = 0; py < one.height(); ++py)
    for (int px = 0; px < one.width(); ++px) {
      if (one.pixel(px, py) == 0) continue;
      for (int y = std::max(scale.edge(py) - 1, 0); y <= std::min(scale.edge(py + 1), height - 1); ++y)
        for (int x = std::max(scale.edge(px) - 1, 0); x <= std::min(scale.edge(px + 1), width - 1); ++x)
          near_lit[at(x, y)] = 1;
    }
  // The print whose cells cover each device pixel last.
  std::vector<int> printed_over(at(0, height), -1);
  std::vector<int> cells_widths;
  for (std::size_t i = 0; i < prints.size(); ++i) {
    const Print& p = prints[i];
    cells_widths.push_back(text_renderer().render(p.text, 1).cells_width);
    for (int y = std::max(scale.edge(p.y), 0); y < std::min(scale.edge(p.y + kCellHeight), height); ++y)
      for (int x = std::max(scale.edge(p.x), 0); x < std::min(scale.edge(p.x + cells_widths[i]), width); ++x)
        printed_over[at(x, y)] = static_cast<int>(i);
  }
  // Each text drawn alone, at both scales, and erased again.
  RasterCanvas alone_one(&text_renderer(), 1), alone_scaled(&text_renderer(), scale.factor());
  std::map<int, bool> on_picture_at_one;
  std::ostringstream problems;
  int count = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (scaled.pixel(x, y) == 0 || near_lit[at(x, y)] != 0) continue;
      const int i = printed_over[at(x, y)];
      bool explained = false;
      if (i >= 0) {
        const Print& p = prints[static_cast<std::size_t>(i)];
        auto known = on_picture_at_one.find(i);
        if (known == on_picture_at_one.end()) {
          // Figures drawn later may cross it or nick it: it stands there
          // when most of its ink does.
          alone_one.text(p.x, p.y, p.text, p.fore, p.back);
          int ink = 0, shown = 0;
          for (int cy = std::max(p.y, 0); cy < std::min(p.y + kCellHeight, one.height()); ++cy)
            for (int cx = std::max(p.x, 0); cx < std::min(p.x + cells_widths[i], one.width()); ++cx) {
              if (alone_one.pixel(cx, cy) != p.fore) continue;
              ++ink;
              shown += one.pixel(cx, cy) == p.fore;
            }
          alone_one.text(p.x, p.y, p.text, 0, 0);
          known = on_picture_at_one.emplace(i, 2 * shown >= ink).first;
        }
        alone_scaled.text(p.x, p.y, p.text, p.fore, p.back);
        explained = known->second && alone_scaled.pixel(x, y) == scaled.pixel(x, y);
        alone_scaled.text(p.x, p.y, p.text, 0, 0);
      }
      if (!explained && ++count <= 5)
        problems << "(" << x << ", " << y << ")" << (i >= 0 ? " in the cells of \"" + prints[i].text + "\"" : "")
                 << "; ";
    }
  if (count > 0) problems << count << " pixels in all";
  return problems.str();
}

TEST(RescaleTest, ADayAtAnotherScaleLeavesNothingThePictureAtOneDoesNotShow) {
  const std::string day = "tick*" + std::to_string(kStepsOfADay);
  const ScaledRun one(1, "2026-12-07 21:30", day);
  for (const double s : {1.5, 2.0}) {
    const ScaledRun scaled(s, "2026-12-07 21:30", day);
    EXPECT_EQ(unexplained_pixels(one.pixels(), scaled.pixels(), scaled.keeper.prints_in_order()), "") << s;
  }
  // Below 1 the pixels drawn are those at 1, to the byte.
  for (const double s : {0.6, 0.75}) {
    const ScaledRun scaled(s, "2026-12-07 21:30", day);
    const RasterCanvas& drawn = scaled.pixels();
    ASSERT_EQ(drawn.drawn_width(), one.pixels().width()) << s;
    bool same = true;
    for (int y = 0; y < drawn.drawn_height() && same; ++y)
      for (int x = 0; x < drawn.drawn_width() && same; ++x)
        same = drawn.colours().colour(drawn.indices()[static_cast<std::size_t>(y) * drawn.drawn_width() + x]) ==
               one.pixels().pixel(x, y);
    EXPECT_TRUE(same) << s;
  }
}

// The same run drawn at 1, rescaled to 2, drawn on, rescaled to 1 and
// through a load to 1.5: at every step the picture that the run draws at
// that scale from the start.
TEST(RescaleTest, ARescaleDrawsWhatTheRunDrawsAtTheNewScale) {
  const std::string at = "2026-12-07 21:30", first = "tick*40", then = "tick*30 click:picture1",
                    load = "click:clock_mode wait:60 tick*3";
  ScaledRun run(1, at, first);
  const QImage golden(QString::fromStdString(std::string(PELMORA_TEST_DATA) + "/simulation.png"));
  EXPECT_EQ(rgb32_image(run.pixels()), golden.convertToFormat(QImage::Format_RGB32));

  run.canvas.rescale(2);
  EXPECT_EQ(run.pixels().width(), 2482);
  EXPECT_TRUE(same_pixels(run.pixels(), ScaledRun(2, at, first).pixels()));
  run.play(then);
  EXPECT_TRUE(same_pixels(run.pixels(), ScaledRun(2, at, first + " " + then).pixels()));
  run.canvas.rescale(1);
  EXPECT_TRUE(same_pixels(run.pixels(), ScaledRun(1, at, first + " " + then).pixels()));
  run.play(load);
  run.canvas.rescale(1.5);
  EXPECT_TRUE(same_pixels(run.pixels(), ScaledRun(1.5, at, first + " " + then + " " + load).pixels()));

  // The same figures drawn again are kept once.
  const std::size_t figures = run.canvas.record().size();
  run.play("click:picture1 click:picture1");
  EXPECT_EQ(run.canvas.record().size(), figures);
}

// Many figures over one another, some far outside the picture (past 16-bit
// coordinates), in colours beside the palette's, kept by a record that
// numbers its uses afresh every few hundred: the replay draws what was
// drawn.
TEST(RescaleTest, TheRecordReplaysFarFiguresAndItsOrderThroughRenumbering) {
  RasterCanvas drawn(&text_renderer());
  FigureRecord record(/*use_limit=*/400);
  std::mt19937 random(20261208);
  const auto near = [&random](int limit) { return std::uniform_int_distribution<int>(0, limit)(random); };
  // Lines and circles above the texts' row, or far off the picture.
  const auto far_or_near = [&](int far, int limit) { return near(9) == 0 ? far : near(limit); };
  const std::vector<std::string> texts = {"250", "2026", "06:00:15", "northern"};
  for (int i = 0; i < 6000; ++i) {
    // Colours beside the palette's; each pair of a text's colours takes 16
    // shades of the picture's 256.
    const Colour colour = 0x102030u * static_cast<Colour>(1 + near(4)), back = palette_colour(near(1));
    const int x = far_or_near(near(1) == 0 ? -33000 : 40000, 120), y = far_or_near(-33000, 60);
    switch (near(2)) {
      case 0: {
        // Level and upright lines, as the chart draws.
        const int x2 = near(1) == 0 ? x : far_or_near(40000, 120), y2 = x2 == x ? far_or_near(-33000, 60) : y;
        drawn.line(x, y, x2, y2, colour);
        record.line(x, y, x2, y2, colour);
        break;
      }
      case 1:
        drawn.circle(x, y, 3, colour);
        record.circle(x, y, 3, colour);
        break;
      default: {
        // Each text at a place of its own, clear of the other figures, as
        // the chart's labels are; printed again in other colours.
        const std::size_t which = static_cast<std::size_t>(near(3));
        const int left = near(4) == 0 ? 40000 : 100 * static_cast<int>(which), top = 80;
        drawn.text(left, top, texts[which], colour, back);
        record.text(left, top, texts[which], colour, back);
      }
    }
  }
  RasterCanvas replayed(&text_renderer());
  record.replay(replayed);
  EXPECT_TRUE(same_pixels(replayed, drawn));
  EXPECT_LT(record.size(), 6000u);
}

}  // namespace
}  // namespace pelmora
