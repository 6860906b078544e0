// Saving the chart's picture from the window: the same checks and the same
// atomic replacement as the command line's --snapshot.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace pelmora {

// Saves `picture` as PNG under `name`; the reason, as one line, when it
// could not be (the file there is then as it was).
std::optional<QString> save_picture_as(const QImage& picture, const QString& name);

}  // namespace pelmora
