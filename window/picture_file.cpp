#include "window/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <string_view>

#include "replay/output_file.h"

namespace pelmora {

std::optional<QString> save_picture_as(const QImage& picture, const QString& name) {
  // Encoded in memory first: the image writer's own result does not tell a
  // full disk from a written file.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(picture)) return QStringLiteral("cannot encode the picture as PNG: %1").arg(writer.errorString());
  const auto problem = write_output_bytes(QFile::encodeName(name).toStdString(), "picture",
                                          std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
  if (!problem) return std::nullopt;
  return QString::fromLocal8Bit(problem->c_str());
}

}  // namespace pelmora
