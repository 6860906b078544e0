#include "support/painter_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "render/font_text_renderer.h"

namespace pelmora {

PainterCanvas::PainterCanvas() : image_(kPictureWidth, kPictureHeight, QImage::Format_RGB32), font_(picture_font()) {
  image_.fill(Qt::black);
}

void PainterCanvas::fill(Colour colour) { image_.fill(QColor::fromRgb(colour)); }

void PainterCanvas::line(double x1, double y1, double x2, double y2, Colour colour) {
  QPainter painter(&image_);
  painter.setPen(QPen(QColor::fromRgb(colour), 1));
  painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::circle(double x, double y, double radius, Colour colour) {
  QPainter painter(&image_);
  painter.setPen(QPen(QColor::fromRgb(colour), 1));
  painter.drawEllipse(QPointF(x, y), radius, radius);
}

void PainterCanvas::text(double x, double y, std::string_view text, Colour fore, Colour back) {
  const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  QPainter painter(&image_);
  painter.setFont(font_);
  const QFontMetrics metrics(font_);
  const int cells = std::max(metrics.horizontalAdvance(qtext), static_cast<int>(text.size()) * kCellWidth);
  painter.fillRect(QRectF(x, y, cells, kCellHeight), QColor::fromRgb(back));
  painter.setPen(QColor::fromRgb(fore));
  painter.drawText(QPointF(x, y + metrics.ascent()), qtext);
}

}  // namespace pelmora
