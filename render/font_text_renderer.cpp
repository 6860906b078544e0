#include "render/font_text_renderer.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace pelmora {

namespace {

// Room to the right of the cells for ink that overhangs its advance.
constexpr int kOverhang = 4;

QString loaded_family() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QStringLiteral("Sans Serif") : families.front();
  }();
  return family;
}

}  // namespace

QFont picture_font() {
  QFont font(loaded_family());
  font.setPixelSize(13);
  font.setWeight(QFont::Normal);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

FontTextRenderer::FontTextRenderer() : font_(picture_font()), ascent_(QFontMetrics(font_).ascent()) {}

TextInk FontTextRenderer::render(std::string_view text) {
  const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  TextInk ink;
  ink.cells_width = std::max(QFontMetrics(font_).horizontalAdvance(qtext), static_cast<int>(text.size()) * kCellWidth);
  ink.width = ink.cells_width + kOverhang;
  QImage image(ink.width, kCellHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    painter.drawText(0, ascent_, qtext);
  }
  ink.ink.resize(static_cast<std::size_t>(ink.width) * kCellHeight);
  for (int y = 0; y < kCellHeight; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < ink.width; ++x) ink.ink[static_cast<std::size_t>(y) * ink.width + x] = qAlpha(line[x]) != 0;
  }
  return ink;
}

}  // namespace pelmora
