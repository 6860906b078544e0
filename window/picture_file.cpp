#include "window/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <string_view>

#include "replay/output_file.h"

namespace pelmora {

namespace {

std::optional<QString> save_bytes_as(const QByteArray& bytes, const QString& name) {
  const auto problem = write_output_bytes(QFile::encodeName(name).toStdString(), "picture",
                                          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!problem) return std::nullopt;
  return QString::fromLocal8Bit(problem->c_str());
}

}  // namespace

std::optional<QString> save_picture_as(const QImage& picture, const QString& name) {
  // Encoded in memory first: the image writer's own result does not tell a
  // full disk from a written file.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(picture)) return QStringLiteral("cannot encode the picture as PNG: %1").arg(writer.errorString());
  return save_bytes_as(png, name);
}

std::optional<QString> save_drawing_as(const VectorFigures& figures, PictureFormat format, const QString& name) {
  const auto drawing = format == PictureFormat::svg ? svg_of(figures) : pdf_of(figures);
  if (!drawing)
    return QStringLiteral("cannot draw the picture as %1").arg(format == PictureFormat::svg ? "SVG" : "PDF");
  return save_bytes_as(*drawing, name);
}

}  // namespace pelmora
