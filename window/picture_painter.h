// Puts the picture's pixels on the screen. The canvas keeps a byte a pixel
// and the screen takes 32 bits: only the parts a paint covers are turned
// into RGB32, straight into the window's image where each picture pixel is
// one of its pixels, elsewhere a band at a time in a buffer kept for it, so
// that the window never holds a second copy of the picture (41 MB at
// scale 3).
#pragma once

#include <QPainter>
#include <QRegion>
#include <cstdint>
#include <vector>

#include "render/raster_canvas.h"

namespace pelmora {

class PicturePainter {
 public:
  // Paints the parts of the region (logical pixels, the picture's top left
  // at the origin) that the picture covers, `ratio` device pixels a logical
  // pixel, each of the canvas's pixels on one device pixel.
  void paint(QPainter& painter, const RasterCanvas& canvas, const QRegion& region, double ratio);

 private:
  // Where each of the picture's pixels falls on one device pixel: painted
  // without scaling. False, and nothing painted, where they do not.
  bool paint_one_to_one(QPainter& painter, const RasterCanvas& canvas, const QRegion& region, double ratio);
  // The area's pixels in RGB32, in the buffer kept for them.
  QImage rgb32(const RasterCanvas& canvas, const PixelRect& area);
  void paint_band(QPainter& painter, const RasterCanvas& canvas, const QRect& target, double ratio);

  std::vector<std::uint32_t> band_;
};

}  // namespace pelmora
