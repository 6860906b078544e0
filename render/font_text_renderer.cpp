#include "render/font_text_renderer.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

// Room to the right of the cells for ink that overhangs its advance.
constexpr int kOverhang = 4;
// The picture's font size at scale 1, in pixels.
constexpr int kFontPixels = 13;
// Points per pixel on an image of 96 dots per inch (what a QImage has).
constexpr double kPointsPerPixel = 72.0 / 96.0;

const QString kFontFile = QStringLiteral(":/fonts/LiberationSans-Regular.ttf");

// The font file's bytes. The resource is stored uncompressed, so these are
// the program's own read-only pages: the toolkit's font database and the
// small-text hinter share them instead of each reading a 400 KB copy.
const QByteArray& font_bytes() {
  static const QByteArray bytes = [] {
    const QResource resource(kFontFile);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
      return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
    QFile file(kFontFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  return bytes;
}

QString loaded_family() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFontFromData(font_bytes());
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QStringLiteral("Sans Serif") : families.front();
  }();
  return family;
}

}  // namespace

QFont picture_font(double scale) {
  QFont font(loaded_family());
  // Whole pixels at scale 1; elsewhere 13 s pixels, which need not be whole.
  if (scale == 1.0) {
    font.setPixelSize(kFontPixels);
  } else {
    font.setPointSizeF(kFontPixels * scale * kPointsPerPixel);
  }
  font.setWeight(QFont::Normal);
  // Grey levels only: the canvas blends them between two colours, and
  // coloured fringes would not survive that.
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

FontTextRenderer::FontTextRenderer()
    : picture_size_{1.0, picture_font(), QFontMetrics(picture_font()).ascent()},
      last_scaled_(picture_size_),
      picture_metrics_(picture_size_.font),
      small_text_(font_bytes()) {}

const FontTextRenderer::ScaledFont& FontTextRenderer::font_at(double scale) {
  if (scale == 1.0) return picture_size_;
  if (last_scaled_.scale != scale) {
    const QFont font = picture_font(scale);
    // Measured as drawn: on an image.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    last_scaled_ = {scale, font, QFontMetrics(font, &probe).ascent()};
  }
  return last_scaled_;
}

int FontTextRenderer::cells_width(std::string_view text) {
  const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  return std::max(picture_metrics_.horizontalAdvance(qtext), static_cast<int>(text.size()) * kCellWidth);
}

TextInk FontTextRenderer::render(std::string_view text, double scale) {
  const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const ScaledFont& scaled = font_at(scale);
  TextInk ink;
  ink.cells_width = cells_width(text);
  ink.width = static_cast<int>(std::ceil(ink.cells_width * scale)) + kOverhang;
  ink.height = static_cast<int>(std::ceil(kCellHeight * scale));
  if (scale < 1.0) {
    TextInk small = small_text_.render(text, kFontPixels * scale, scaled.ascent, ink.width, ink.height);
    small.cells_width = ink.cells_width;
    return small;
  }
  QImage image(ink.width, ink.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setFont(scaled.font);
    painter.setPen(Qt::white);
    painter.drawText(0, scaled.ascent, qtext);
  }
  ink.ink.resize(static_cast<std::size_t>(ink.width) * ink.height);
  for (int y = 0; y < ink.height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < ink.width; ++x)
      ink.ink[static_cast<std::size_t>(y) * ink.width + x] = static_cast<std::uint8_t>(qAlpha(line[x]));
  }
  return ink;
}

}  // namespace pelmora
