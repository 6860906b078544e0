#include "window/picture_painter.h"

#include <QImage>
#include <QPaintEngine>
#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

// The most pixels turned into RGB32 at a time (512 KiB): a picture drawn
// afresh at scale 3 is painted in some eighty bands.
constexpr double kBandPixels = 128 * 1024;
// Whole device pixels converted around the part a band shows: however the
// painter rounds a fractional edge, it reads converted pixels, and never
// meets the end of the band's image where the picture goes on.
constexpr int kMargin = 2;

}  // namespace

namespace {

// The image the painter paints on, where the picture's pixels can be
// written into it as they are: a raster painter without a clip of its own
// or any blending, on an image of 32-bit opaque-compatible pixels (the
// window's backing store). Null where not.
QImage* image_written_directly(QPainter& painter) {
  QPaintEngine* engine = painter.paintEngine();
  if (engine == nullptr || engine->type() != QPaintEngine::Raster || painter.hasClipping() ||
      painter.opacity() != 1.0 || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
    return nullptr;
  QPaintDevice* device = engine->paintDevice();
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  const bool takes_rgb32 = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                           format == QImage::Format_ARGB32_Premultiplied;
  return takes_rgb32 ? image : nullptr;
}

}  // namespace

bool PicturePainter::paint_one_to_one(QPainter& painter, const RasterCanvas& canvas, const QRegion& region,
                                      double ratio) {
  // The picture's pixels as the painter's own: where each lands on a
  // device pixel, drawn by the painter's plain copy, which neither scales
  // nor keeps a scaled copy of its own (4 MB at scale 3).
  const QTransform world = painter.worldTransform();
  painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio) * world);
  const QTransform pixels = painter.combinedTransform();
  const auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-9; };
  if (pixels.type() > QTransform::TxTranslate || !whole(pixels.dx()) || !whole(pixels.dy())) {
    painter.setWorldTransform(world);
    return false;
  }
  // Where the painter writes to an image, the pixels are turned into RGB32
  // right there, without a band between (half the memory traffic): each
  // picture pixel's device pixel, inside the image and the painter's
  // system clip.
  QImage* image = image_written_directly(painter);
  const QTransform device = painter.deviceTransform();
  const bool direct =
      image != nullptr && device.type() <= QTransform::TxTranslate && whole(device.dx()) && whole(device.dy());
  const QPoint offset =
      direct ? QPoint(static_cast<int>(std::lround(device.dx())), static_cast<int>(std::lround(device.dy())))
             : QPoint();
  const QRegion system_clip = direct ? painter.paintEngine()->systemClip() : QRegion();
  const PixelRect picture{0, 0, canvas.width(), canvas.height()};
  for (const QRect& r : region) {
    const int left = std::max(static_cast<int>(std::floor(r.left() * ratio)), 0);
    const int right = std::min(static_cast<int>(std::ceil((r.right() + 1) * ratio)), picture.width);
    const int top = std::max(static_cast<int>(std::floor(r.top() * ratio)), 0);
    const int bottom = std::min(static_cast<int>(std::ceil((r.bottom() + 1) * ratio)), picture.height);
    if (left >= right || top >= bottom) continue;
    const int width = right - left;
    const QRect target = QRect(left, top, width, bottom - top).translated(offset);
    if (direct && image->rect().contains(target) &&
        (system_clip.isEmpty() || (QRegion(target) - system_clip).isEmpty())) {
      // Through constBits: the painter holds the image, which must not
      // detach under it.
      const qsizetype stride = image->bytesPerLine() / static_cast<qsizetype>(sizeof(std::uint32_t));
      auto* first = const_cast<std::uint32_t*>(reinterpret_cast<const std::uint32_t*>(image->constBits())) +
                    target.top() * stride + target.left();
      canvas.copy_rgb32({left, top, width, bottom - top}, first, static_cast<std::size_t>(stride));
      continue;
    }
    const int rows = std::max(1, static_cast<int>(kBandPixels / width));
    for (int y = top; y < bottom; y += rows) {
      const int height = std::min(rows, bottom - y);
      painter.drawImage(QPoint(left, y), rgb32(canvas, {left, y, width, height}));
    }
  }
  painter.setWorldTransform(world);
  return true;
}

QImage PicturePainter::rgb32(const RasterCanvas& canvas, const PixelRect& area) {
  const auto count = static_cast<std::size_t>(area.width) * area.height;
  if (band_.size() < count) band_.resize(count);
  canvas.copy_rgb32(area, band_.data(), static_cast<std::size_t>(area.width));
  return {reinterpret_cast<const uchar*>(band_.data()), area.width, area.height, area.width * 4, QImage::Format_RGB32};
}

void PicturePainter::paint(QPainter& painter, const RasterCanvas& canvas, const QRegion& region, double ratio) {
  if (paint_one_to_one(painter, canvas, region, ratio)) return;
  const QTransform& device = painter.deviceTransform();
  // Whether a logical row's top edge lies on a device row's: there two
  // bands meet without a gap or an overlap however the painter rounds them.
  // At a whole ratio every row does; at 1.25, every fourth.
  const auto on_device_row = [&device](int y) {
    const double d = device.map(QPointF(0, y)).y();
    return std::abs(d - std::round(d)) < 1e-6;
  };
  for (const QRect& r : region) {
    const double row_pixels = (r.width() * ratio + 2 * kMargin + 2) * ratio;
    const int rows = std::max(1, static_cast<int>(kBandPixels / row_pixels));
    for (int top = r.top(); top <= r.bottom();) {
      int end = std::min(top + rows, r.bottom() + 1);
      while (end <= r.bottom() && !on_device_row(end)) ++end;
      paint_band(painter, canvas, QRect(r.left(), top, r.width(), end - top), ratio);
      top = end;
    }
  }
}

void PicturePainter::paint_band(QPainter& painter, const RasterCanvas& canvas, const QRect& target, double ratio) {
  // The picture's pixels under the target, as if it were drawn from an
  // image of the whole picture...
  const QRectF source(target.x() * ratio, target.y() * ratio, target.width() * ratio, target.height() * ratio);
  const int left = std::max(static_cast<int>(std::floor(source.left())) - kMargin, 0);
  const int top = std::max(static_cast<int>(std::floor(source.top())) - kMargin, 0);
  const int right = std::min(static_cast<int>(std::ceil(source.right())) + kMargin, canvas.width());
  const int bottom = std::min(static_cast<int>(std::ceil(source.bottom())) + kMargin, canvas.height());
  if (left >= right || top >= bottom) return;  // beyond the picture
  // ... drawn from an image of them alone, moved by whole pixels (exact in
  // floating point), which the painter maps onto the same device pixels.
  painter.drawImage(QRectF(target), rgb32(canvas, {left, top, right - left, bottom - top}),
                    source.translated(-left, -top));
}

}  // namespace pelmora
