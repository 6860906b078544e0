// The picture as a Qt image of its own, for what takes it whole: a
// snapshot, a copy, the help's picture. Made on demand: the canvas keeps a
// byte a pixel, the image four.
#pragma once

#include <QImage>

#include "render/raster_canvas.h"

namespace pelmora {

// The whole picture, Format_RGB32; a null image when memory is short.
QImage rgb32_image(const RasterCanvas& canvas);

}  // namespace pelmora
