#include "render/canvas_image.h"

namespace pelmora {

QImage rgb32_image(const RasterCanvas& canvas) {
  QImage image(canvas.width(), canvas.height(), QImage::Format_RGB32);
  if (image.isNull()) return image;  // too little memory
  canvas.copy_rgb32({0, 0, canvas.width(), canvas.height()}, reinterpret_cast<std::uint32_t*>(image.bits()),
                    static_cast<std::size_t>(image.bytesPerLine()) / sizeof(std::uint32_t));
  return image;
}

}  // namespace pelmora
