// Saving the chart's picture from the window: the same checks and the same
// atomic replacement as the command line's --snapshot.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "render/picture_format.h"
#include "render/vector_picture.h"

namespace pelmora {

// Saves `picture` as PNG under `name`; the reason, as one line, when it
// could not be (the file there is then as it was).
std::optional<QString> save_picture_as(const QImage& picture, const QString& name);
// The same for the picture's figures as an SVG or PDF drawing.
std::optional<QString> save_drawing_as(const VectorFigures& figures, PictureFormat format, const QString& name);

}  // namespace pelmora
