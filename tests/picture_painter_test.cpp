// The window paints the picture's pixels from bands turned into RGB32 as it
// paints: what reaches the screen must be exactly what painting from an
// RGB32 image of the whole picture gave, at whole and fractional device
// pixel ratios, for the window's whole area and for scattered changed tiles,
// whether drawn through the painter or written into the screen's image.
#include "window/picture_painter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "command_line/values.h"
#include "render/canvas_image.h"
#include "render/font_text_renderer.h"
#include "replay/replay.h"

namespace pelmora {
namespace {

// Where the widget stands in its window, in logical pixels: at some ratios
// the first's corner falls inside a device pixel; the second's falls on
// one at every ratio tried, so that each picture pixel lands on one
// device pixel even where a logical pixel's edges do not.
const QPoint kWidgetPlaces[] = {{13, 37}, {12, 36}};

// The window's pixels after painting a region: the screen in `ratio`
// device pixels a logical pixel, the paint clipped to the region as a
// widget's paint is (by the painter's clip, or as the system's, not at
// all: what may be written into the screen directly).
template <typename Paint>
QImage screen_after(const QPoint& place, const QSize& widget, double ratio, const QRegion& region, const Paint& paint,
                    bool clipped = true) {
  const QSize logical = widget + QSize(2 * place.x(), 2 * place.y());
  QImage screen(static_cast<int>(std::ceil(logical.width() * ratio)),
                static_cast<int>(std::ceil(logical.height() * ratio)), QImage::Format_RGB32);
  screen.setDevicePixelRatio(ratio);
  screen.fill(0x123456);
  QPainter painter(&screen);
  painter.translate(place);
  if (clipped) painter.setClipRegion(region);
  paint(painter);
  return screen;
}

TEST(PicturePainterTest, PaintsWhatAnImageOfTheWholePictureWouldAtAnyRatio) {
  FontTextRenderer renderer;
  PicturePainter painter;
  for (const double ratio : {1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
    // The chart at the widget's scale (1.1) times the ratio.
    RasterCanvas canvas(&renderer, 1.1 * ratio);
    Picture picture(&canvas, nullptr);
    Replay replay(picture, parse_moment("2026-12-07 21:30").value(), nullptr);
    replay.run(std::get<std::vector<ScriptEvent>>(parse_script("tick*40")), stderr);
    QImage whole = rgb32_image(canvas);
    whole.setDevicePixelRatio(ratio);
    // A widget rounded up to whole logical pixels, and a little more.
    const QSize widget(static_cast<int>(std::ceil(canvas.width() / ratio)) + 1,
                       static_cast<int>(std::ceil(canvas.height() / ratio)) + 1);
    QRegion tiles;
    for (const QRect& tile : {QRect(3, 5, 37, 11), QRect(101, 77, 1, 1), QRect(640, 400, 64, 32),
                              QRect(widget.width() - 5, widget.height() - 3, 5, 3), QRect(0, 900, 1300, 7)})
      tiles += tile;
    for (const QPoint& place : kWidgetPlaces) {
      for (const QRegion& region : {QRegion(QRect(QPoint(0, 0), widget)), tiles}) {
        const QImage expected = screen_after(place, widget, ratio, region, [&](QPainter& p) {
          for (const QRect& r : region)
            p.drawImage(QRectF(r), whole, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
        });
        for (const bool clipped : {true, false}) {
          // Unclipped where the region's edges fall on device pixels; at
          // other ratios a widget's system clip holds what is written.
          if (!clipped && ratio != std::floor(ratio)) continue;
          const QImage painted = screen_after(
              place, widget, ratio, region, [&](QPainter& p) { painter.paint(p, canvas, region, ratio); }, clipped);
          EXPECT_TRUE(painted == expected) << "ratio " << ratio << ", widget at " << place.x() << "," << place.y()
                                           << ", " << region.rectCount() << " rectangles, clipped " << clipped;
        }
      }
    }
  }
}

}  // namespace
}  // namespace pelmora
