// The picture at other scales, figure by figure: every figure the chart
// draws is erased exactly by the same figure in the background colour, and
// keeps its scaled shape; below 1 the picture at 1 is shown through an area
// filter.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render/font_text_renderer.h"
#include "render/raster_canvas.h"

namespace pelmora {
namespace {

// Where lines are as wide under round(s) as under ceil(s), and where not
// (1.25, 2.2).
constexpr double kScales[] = {1.25, 1.5, 2, 2.2, 2.5, 3};
// The window's scales on small and middling screens, and those above.
constexpr double kErasedScales[] = {0.6, 0.75, 1, 1.25, 1.5, 2, 2.2, 3};

// Moves a figure as the chart does, erasing it at its previous place before
// drawing it at the next, and erases it at its last place: nothing may be
// left, and something must have been drawn. The canvas starts black and is
// left black; only what changed is looked at.
template <typename Draw>
void expect_moves_without_trace(RasterCanvas& canvas, const std::string& what, Draw draw, int from, int to, int step) {
  canvas.take_changed_areas();
  int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
  const auto note_changes = [&] {
    const auto areas = canvas.take_changed_areas();
    for (const PixelRect& area : areas) {
      left = std::min(left, area.x);
      top = std::min(top, area.y);
      right = std::max(right, area.x + area.width - 1);
      bottom = std::max(bottom, area.y + area.height - 1);
    }
    return !areas.empty();
  };
  bool drawn = false;
  int at = from;
  for (; at <= to; at += step) {
    if (at != from) draw(canvas, at - step, Colour{0});
    draw(canvas, at, Colour{0xffffff});
    drawn = note_changes() || drawn;
  }
  draw(canvas, at - step, Colour{0});
  note_changes();
  int lit = 0;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) lit += canvas.pixel(x, y) != 0;
  const double s = canvas.factor();
  EXPECT_EQ(lit, 0) << what << " at scale " << s;
  EXPECT_TRUE(drawn) << what << " at scale " << s;
  if (lit != 0) canvas.fill(0);
}

TEST(ScaledCanvasTest, EveryFigureOfTheChartIsErasedExactlyAtEveryScale) {
  FontTextRenderer renderer;
  for (const double s : kErasedScales) {
    RasterCanvas canvas(&renderer, s);
    // The baseline, and ticks and markers moving two pixels a step, some
    // beyond the edges.
    expect_moves_without_trace(
        canvas, "baseline", [](RasterCanvas& c, int y, Colour k) { c.line(1, y, 1241, y, k); }, 430, 434, 1);
    expect_moves_without_trace(
        canvas, "tick", [](RasterCanvas& c, int x, Colour k) { c.line(x, 420, x, 445, k); }, -6, 40, 2);
    expect_moves_without_trace(
        canvas, "tick at the right edge", [](RasterCanvas& c, int x, Colour k) { c.line(x, 426, x, 439, k); }, 1232,
        1250, 2);
    // Every radius at whole and fractional heights, the dots of the curve
    // sixteen pixels a step.
    for (const int radius : {1, 3, 4, 6, 11, 26})
      for (const double y : {432.0, 540.1, 323.9, 0.0, 920.5})
        expect_moves_without_trace(
            canvas, "circle of radius " + std::to_string(radius) + " at y " + std::to_string(y),
            [&](RasterCanvas& c, int x, Colour k) { c.circle(x, y, radius, k); }, -30, 60, 2);
    expect_moves_without_trace(
        canvas, "curve dot", [](RasterCanvas& c, int x, Colour k) { c.circle(x, 400.0 + x / 7.0, 1, k); }, -8, 1250,
        16);
    // Read-outs in their cells, and a scale label in pixel units.
    for (const char* text : {" 56     ", "kelvarin chart northern hemisphere", "simulation", "Wj|@"})
      expect_moves_without_trace(
          canvas, text, [&](RasterCanvas& c, int row, Colour k) { c.text(16, 16 * row, text, k, 0); }, 0, 57, 19);
    expect_moves_without_trace(
        canvas, "label", [](RasterCanvas& c, int x, Colour k) { c.text(x, 452, " 50 ", k, 0); }, 1150, 1240, 2);
  }
}

TEST(ScaledCanvasTest, LinesAreRoundedScaleWideAtTheirScaledPlaces) {
  for (const double s : kScales) {
    const PixelScale scale(s);
    const int width = std::max(1, static_cast<int>(std::lround(s)));
    RasterCanvas canvas(nullptr, s);
    canvas.line(100, 432, 900, 432, 0xff00ff);
    canvas.line(640, 395, 640, 411, 0xff00ff);
    int rows = 0, columns = 0;
    for (int y = 0; y < canvas.height(); ++y) rows += canvas.pixel(scale.edge(500), y) != 0;
    for (int x = 0; x < canvas.width(); ++x) columns += canvas.pixel(x, scale.edge(400)) != 0;
    EXPECT_EQ(rows, width) << s;
    EXPECT_EQ(columns, width) << s;
    // Each along the blocks of its pixels, centred across on them.
    EXPECT_NE(canvas.pixel(scale.edge(100), scale.band(432)), 0u) << s;
    EXPECT_NE(canvas.pixel(scale.edge(901) - 1, scale.band(432) + width - 1), 0u) << s;
    EXPECT_EQ(canvas.pixel(scale.edge(901), scale.band(432)), 0u) << s;
    EXPECT_EQ(canvas.pixel(scale.edge(100) - 1, scale.band(432)), 0u) << s;
    EXPECT_NE(canvas.pixel(scale.band(640), scale.edge(395)), 0u) << s;
    EXPECT_EQ(canvas.pixel(scale.band(640), scale.edge(395) - 1), 0u) << s;
    EXPECT_NEAR(scale.band(640) + width / 2.0, s * 640.5, 0.5) << s;
  }
}

TEST(ScaledCanvasTest, CirclesAreRoundRingsAboutTheScaledCentre) {
  for (const double s : kScales) {
    const double width = std::max(1L, std::lround(s));
    for (const int radius : {1, 3, 26}) {
      RasterCanvas canvas(nullptr, s);
      canvas.circle(300, 200, radius, 0xffffff);
      // The picture pixel (300, 200) spans [300, 301) x [200, 201).
      const double cx = s * 300.5, cy = s * 200.5, middle = s * radius;
      int lit = 0;
      for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
          if (canvas.pixel(x, y) == 0) continue;
          ++lit;
          const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
          ASSERT_GE(distance, middle - width / 2) << s << " radius " << radius << " at " << x << "," << y;
          ASSERT_LT(distance, middle + width / 2) << s << " radius " << radius << " at " << x << "," << y;
        }
      // All the way round: as many pixels as the ring's area, give or take
      // its rim.
      const double inner = std::max(0.0, middle - width / 2), outer = middle + width / 2;
      const double area = M_PI * (outer * outer - inner * inner);
      EXPECT_NEAR(lit, area, 2 * M_PI * outer + 4) << s << " radius " << radius;
    }
  }
}

TEST(ScaledCanvasTest, TextPaintsItsScaledCellsInTheFontAtTheScaledSize) {
  FontTextRenderer renderer;
  const int cells = 10 * kCellWidth;  // " 1234     " is wider in cells than in the font
  for (const double s : kScales) {
    const PixelScale scale(s);
    RasterCanvas canvas(&renderer, s);
    canvas.text(8 * 19, 16 * 50, " 1234     ", 0xff00ff, 0x000080);
    // The bounds of what is lit, and of the ink at its full colour.
    struct Bounds {
      int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
      void add(int x, int y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    } lit, ink;
    int shaded = 0;
    for (int y = 0; y < canvas.height(); ++y)
      for (int x = 0; x < canvas.width(); ++x) {
        const Colour p = canvas.pixel(x, y);
        if (p != 0) lit.add(x, y);
        if (p == 0xff00ff) ink.add(x, y);
        shaded += p != 0 && p != 0xff00ff && p != 0x000080;
      }
    EXPECT_EQ(lit.left, scale.edge(8 * 19)) << s;
    EXPECT_EQ(lit.right, scale.edge(8 * 19 + cells) - 1) << s;
    EXPECT_EQ(lit.top, scale.edge(16 * 50)) << s;
    EXPECT_EQ(lit.bottom, scale.edge(16 * 51) - 1) << s;
    // Digits stand about 0.72 of the font's size high: the font is at 13 s
    // pixels, smoothed.
    EXPECT_NEAR(ink.bottom - ink.top + 1, 0.72 * 13 * s, 1.5) << s;
    EXPECT_GT(shaded, 20 * s) << s;
  }
}

// Below 1 every shown pixel of the figures is the mean of the pixels at 1
// under it, weighted by how much of each it covers: a one-pixel line keeps
// its weight wherever it falls, and a uniform area its exact colour. Texts
// are set at their own size, until a figure crosses them.
TEST(ScaledCanvasTest, BelowOneThePictureAtOneIsShownThroughAnAreaFilter) {
  FontTextRenderer renderer;
  for (const double s : {0.5, 0.6, 0.75, 0.9}) {
    RasterCanvas one(&renderer, 1), shown(&renderer, s);
    for (RasterCanvas* canvas : {&one, &shown}) {
      canvas->line(1, 432, 1241, 432, 0xff00ff);
      for (int x = 5; x < 1241; x += 16) canvas->line(x, 446, x, 459, 0xff00ff);
      canvas->circle(300, 200, 3, 0xffffff);
      canvas->circle(307, 200, 26, 0x00ff00);
      canvas->text(16, 16, "kelvarin chart northern hemisphere", 0xff00ff, 0);
    }
    ASSERT_EQ(shown.width(), PixelScale(s).edge(kPictureWidth)) << s;
    ASSERT_EQ(shown.height(), PixelScale(s).edge(kPictureHeight)) << s;
    // Below the text, which is set at its own size.
    for (int y = static_cast<int>(40 * s); y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) {
        // The footprint [x / s, (x + 1) / s) by the same down, at 1.
        double sum[3] = {0, 0, 0}, area = 0;
        for (int py = static_cast<int>(y / s); py < std::min((y + 1) / s, 921.0); ++py)
          for (int px = static_cast<int>(x / s); px < std::min((x + 1) / s, 1241.0); ++px) {
            const double w = (std::min((x + 1) / s, px + 1.0) - std::max(x / s, 1.0 * px)) *
                             (std::min((y + 1) / s, py + 1.0) - std::max(y / s, 1.0 * py));
            if (w <= 0) continue;
            area += w;
            for (int c = 0; c < 3; ++c) sum[c] += w * ((one.pixel(px, py) >> (8 * c)) & 0xffu);
          }
        for (int c = 0; c < 3; ++c)
          ASSERT_NEAR((shown.pixel(x, y) >> (8 * c)) & 0xffu, sum[c] / area, 1.5) << s << " at " << x << "," << y;
      }
    // The text's cells read as the text set at its own size, as on a
    // picture of it alone; a line across them shows through until the text
    // is printed again.
    RasterCanvas alone(&renderer, s);
    alone.text(16, 16, "kelvarin chart northern hemisphere", 0xff00ff, 0);
    const auto same_top = [&] {
      for (int y = 0; y < static_cast<int>(40 * s); ++y)
        for (int x = 0; x < shown.width(); ++x)
          if (shown.pixel(x, y) != alone.pixel(x, y)) return false;
      return true;
    };
    EXPECT_TRUE(same_top()) << s;
    shown.line(20, 24, 200, 24, 0x00ff00);
    EXPECT_NE(shown.pixel(PixelScale(s).edge(100), PixelScale(s).edge(24)) & 0x00ff00u, 0u) << s;
    shown.text(16, 16, "kelvarin chart northern hemisphere", 0xff00ff, 0);
    EXPECT_TRUE(same_top()) << s;
    // A tick keeps its weight: its column sums to s times its length.
    int red = 0;
    for (int y = static_cast<int>(446 * s) - 1; y <= static_cast<int>(460 * s) + 1; ++y)
      for (int x = static_cast<int>(101 * s) - 1; x <= static_cast<int>(102 * s) + 1; ++x)
        red += (shown.pixel(x, y) >> 16) & 0xffu;
    EXPECT_NEAR(red, 255.0 * s * s * 14, 255.0) << s;
  }
}

// Below 1 a text is only some eight pixels high: its stems fall on whole
// pixels, each a column of full ink with ground on either side, so that
// "rn" does not read as "m" nor "nn" as a grey smear.
TEST(ScaledCanvasTest, BelowOneTextStemsAreWholePixelsApart) {
  FontTextRenderer renderer;
  for (const double s : {0.5, 0.61, 0.75, 0.9}) {
    for (const auto& [text, stems] : {std::pair{"nnnn", 8}, std::pair{"rnrn", 6}, std::pair{"lilli", 5}}) {
      const TextInk ink = renderer.render(text, s);
      // The row the stems stand on: the lowest with ink (these letters have
      // nothing below the line but stems).
      int best = 0;
      for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
          if (ink.ink[static_cast<std::size_t>(y) * ink.width + x] != 0) best = y;
      const std::uint8_t* row = &ink.ink[static_cast<std::size_t>(best) * ink.width];
      // Runs of full ink, each parted from the next by ground (at most a
      // stem's soft edge).
      int runs = 0;
      bool parted = true;
      for (int x = 0; x < ink.width; ++x) {
        if (row[x] >= 224 && parted) ++runs, parted = false;
        if (row[x] < 96) parted = true;
      }
      EXPECT_EQ(runs, stems) << text << " at " << s;
    }
  }
}

}  // namespace
}  // namespace pelmora
