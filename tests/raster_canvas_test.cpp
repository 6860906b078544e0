// The picture's pixels: the exact rasteriser against plain QPainter, the
// erase strokes, the printed cells and the record of changed areas.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "render/font_text_renderer.h"
#include "render/raster_canvas.h"
#include "support/painter_canvas.h"

namespace pelmora {
namespace {

// Pixels that differ by more than `tolerance` in a channel: texts are
// smoothed in RasterCanvas::kInkLevels shades, plain QPainter in 256.
int different_pixels(const RasterCanvas& fast, const QImage& plain, int tolerance = 0) {
  int count = 0;
  for (int y = 0; y < fast.height(); ++y)
    for (int x = 0; x < fast.width(); ++x) {
      const Colour a = fast.pixel(x, y), b = plain.pixel(x, y);
      for (int shift = 0; shift <= 16; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xffu) - static_cast<int>((b >> shift) & 0xffu)) > tolerance) {
          ++count;
          break;
        }
    }
  return count;
}

// Half a shade's step, rounded up.
constexpr int kShadeTolerance = (255 / (RasterCanvas::kInkLevels - 1) + 1) / 2 + 1;

int lit_pixels(const RasterCanvas& canvas) {
  int count = 0;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) count += canvas.pixel(x, y) != 0;
  return count;
}

TEST(CanvasTest, LinesMatchPlainQPainterPixelForPixel) {
  RasterCanvas fast;
  PainterCanvas plain;
  const double lines[][4] = {
      {1, 432, 1241, 432},  {56, 420, 56, 445},     {-2, 426, -2, 439}, {1240, 426, 1240, 439},
      {640, 395, 640, 411}, {5768, 372, 5768, 388}, {0, 0, 1240, 0},    {0, 920, 1240, 920},
      {300, 100, 300, 100}, {700, 300, 500, 300},   {20, 900, 20, 950}, {-50, 10, 2000, 10},
  };
  for (const auto& l : lines) {
    fast.line(l[0], l[1], l[2], l[3], 0xff00ff);
    plain.line(l[0], l[1], l[2], l[3], 0xff00ff);
  }
  EXPECT_EQ(different_pixels(fast, plain.image()), 0);
  EXPECT_GT(lit_pixels(fast), 3000);
}

TEST(CanvasTest, TextMatchesPlainQPainterPixelForPixel) {
  FontTextRenderer renderer;
  RasterCanvas fast(&renderer);
  PainterCanvas plain;
  const char* texts[] = {"kelvarin chart northern hemisphere",
                         " .12 minutes log in error",
                         " 256 ",
                         "solar",
                         " 83     ",
                         "simulation",
                         " 86400     ",
                         "DEC",
                         "Wj|@"};
  int row = 1;
  for (const char* text : texts) {
    fast.text(16, 16 * row, text, 0xff00ff, 0);
    plain.text(16, 16 * row, text, 0xff00ff, 0);
    row += 2;
  }
  // A label in pixel units, and text clipped at the right edge.
  fast.text(1164, 452, " 50 ", 0xff00ff, 0);
  plain.text(1164, 452, " 50 ", 0xff00ff, 0);
  fast.text(1230, 600, "clipped", 0xff00ff, 0);
  plain.text(1230, 600, "clipped", 0xff00ff, 0);
  EXPECT_EQ(different_pixels(fast, plain.image(), kShadeTolerance), 0);
  EXPECT_GT(lit_pixels(fast), 500);
  // Smoothed: the glyphs' edges are shades between the ink and the cells.
  int shaded = 0;
  for (int y = 0; y < fast.height(); ++y)
    for (int x = 0; x < fast.width(); ++x) shaded += fast.pixel(x, y) != 0 && fast.pixel(x, y) != 0xff00ff;
  EXPECT_GT(shaded, 500);
}

// The same texts in other colours, and more distinct texts than the canvas
// keeps laid out at once: still the pixels of plain QPainter.
TEST(CanvasTest, TextStaysExactInAnyColourAndPastTheLaidOutLimit) {
  FontTextRenderer renderer;
  RasterCanvas fast(&renderer);
  PainterCanvas plain;
  for (int n = 0; n < 2500; ++n) {
    const std::string text = " " + std::to_string(n) + " ";
    const double x = 8 * (n % 150), y = 16 * (n / 150);
    const Colour fore = n % 3 == 0 ? 0xffffff : 0xff00ff, back = n % 5 == 0 ? 0x000080 : 0;
    fast.text(x, y, text, fore, back);
    plain.text(x, y, text, fore, back);
  }
  EXPECT_EQ(different_pixels(fast, plain.image(), kShadeTolerance), 0);
}

TEST(CanvasTest, ShorterNumberCoversTheLongerOne) {
  FontTextRenderer renderer;
  RasterCanvas over(&renderer), fresh(&renderer);
  over.text(1072, 64, " 59 ", 0xff00ff, 0);
  over.text(1072, 64, " 0 ", 0xff00ff, 0);
  fresh.text(1072, 64, " 0 ", 0xff00ff, 0);
  for (int y = 0; y < over.height(); ++y)
    for (int x = 0; x < over.width(); ++x) ASSERT_EQ(over.pixel(x, y), fresh.pixel(x, y)) << x << "," << y;
}

TEST(CanvasTest, ReprintRestoresWhatWasDrawnOverTheText) {
  FontTextRenderer renderer;
  RasterCanvas canvas(&renderer), fresh(&renderer);
  canvas.text(1072, 128, " 56 ", 0xff00ff, 0);
  canvas.take_changed_areas();
  canvas.text(1072, 128, " 56 ", 0xff00ff, 0);  // unchanged: nothing to show
  EXPECT_TRUE(canvas.take_changed_areas().empty());
  canvas.circle(1080, 136, 6, 0xffffff);  // something crosses the text
  canvas.line(1060, 140, 1120, 140, 0x0000ff);
  canvas.text(1072, 128, " 56 ", 0xff00ff, 0);
  fresh.line(1060, 140, 1120, 140, 0x0000ff);
  fresh.circle(1080, 136, 6, 0xffffff);
  fresh.text(1072, 128, " 56 ", 0xff00ff, 0);
  for (int y = 100; y < 160; ++y)
    for (int x = 1040; x < 1140; ++x) ASSERT_EQ(canvas.pixel(x, y), fresh.pixel(x, y)) << x << "," << y;
}

TEST(CanvasTest, EraseTwoPixelsLeftRemovesEveryCircleOfTheChart) {
  for (const int radius : {1, 3, 4, 6, 11, 26}) {
    for (const double y : {432.0, 540.1, 323.9, 0.0, 920.5}) {
      RasterCanvas canvas;
      for (int x = -30; x < 60; x += 2) {
        canvas.circle(x - 2, y, radius, 0);
        canvas.circle(x, y, radius, 0xffffff);
      }
      canvas.circle(58, y, radius, 0);
      EXPECT_EQ(lit_pixels(canvas), 0) << radius << " at y " << y;
    }
  }
}

TEST(CanvasTest, CircleIsARoundOutlineOfItsRadius) {
  RasterCanvas canvas;
  canvas.circle(100, 100, 26, 0xffffff);
  int lit = 0;
  for (int y = 60; y < 140; ++y)
    for (int x = 60; x < 140; ++x) {
      if (canvas.pixel(x, y) == 0) continue;
      ++lit;
      EXPECT_NEAR(std::hypot(x - 100, y - 100), 26.0, 0.75) << x << "," << y;
    }
  EXPECT_GT(lit, 140);
  EXPECT_EQ(canvas.pixel(126, 100), 0xffffffu);
  EXPECT_EQ(canvas.pixel(100, 74), 0xffffffu);
}

TEST(CanvasTest, ChangedAreasCoverWhatChangedAndNothingElse) {
  RasterCanvas canvas;
  canvas.take_changed_areas();
  canvas.line(1, 432, 1240, 432, 0xff00ff);
  auto areas = canvas.take_changed_areas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (PixelRect{1, 432, 1240, 1}));

  canvas.line(1, 432, 1240, 432, 0xff00ff);  // the same line again changes nothing
  EXPECT_TRUE(canvas.take_changed_areas().empty());
  canvas.circle(-100, -100, 6, 0xffffff);  // wholly outside
  EXPECT_TRUE(canvas.take_changed_areas().empty());
  canvas.circle(500, 500, 3, 0xffffff);
  areas = canvas.take_changed_areas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (PixelRect{497, 497, 7, 7}));
  // Two figures in the same row of tiles: one area around both.
  canvas.line(10, 20, 10, 22, 0xffffff);
  canvas.line(40, 25, 45, 25, 0xffffff);
  areas = canvas.take_changed_areas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (PixelRect{10, 20, 36, 6}));
}

TEST(CanvasTest, FillClearsEverything) {
  RasterCanvas canvas;
  canvas.circle(500, 500, 26, 0xffffff);
  canvas.fill(0);
  EXPECT_EQ(lit_pixels(canvas), 0);
}

// The chart paints the palette's colours, but a picture keeps any colour
// it is given: up to 256 between fills, refusing the next without changing
// a pixel. A fill leaves one colour on it, so the others are free again.
TEST(CanvasTest, KeepsAnyColourUpToTheTableBetweenFills) {
  RasterCanvas canvas;
  const auto colour_of_row = [](int row) { return static_cast<Colour>(0x0a0b00 + row); };  // none of the palette
  for (int row = 0; row < 240; ++row) canvas.line(0, row, 9, row, colour_of_row(row));
  for (int row = 0; row < 240; ++row) ASSERT_EQ(canvas.pixel(5, row), colour_of_row(row)) << row;
  canvas.take_changed_areas();
  EXPECT_THROW(canvas.text(0, 300, "full", 0x123456, 0), std::length_error);
  EXPECT_EQ(lit_pixels(canvas), 240 * 10);
  EXPECT_TRUE(canvas.take_changed_areas().empty());
  canvas.line(0, 300, 9, 300, 0xff0000);  // the palette's colours are always there
  EXPECT_EQ(canvas.pixel(5, 300), 0xff0000u);

  canvas.fill(0x123456);
  int changed = 0;
  for (const PixelRect& area : canvas.take_changed_areas()) changed += area.width * area.height;
  EXPECT_EQ(changed, canvas.width() * canvas.height());
  for (int row = 0; row < 239; ++row) canvas.line(20, row, 29, row, colour_of_row(row + 1000));
  EXPECT_EQ(canvas.pixel(25, 238), colour_of_row(1238));
  EXPECT_THROW(canvas.line(20, 239, 29, 239, colour_of_row(1239)), std::length_error);
  EXPECT_EQ(canvas.pixel(5, 0), 0x123456u);
  EXPECT_EQ(canvas.pixel(5, 300), 0x123456u);
}

}  // namespace
}  // namespace pelmora
