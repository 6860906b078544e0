#include "support/painter_canvas.h"

#include <QFontMetrics>
#include <algorithm>

#include "render/font_text_renderer.h"

namespace pelmora {

PainterCanvas::PainterCanvas()
    : image_(kPictureWidth, kPictureHeight, QImage::Format_RGB32),
      font_(picture_font()),
      ascent_(QFontMetrics(font_).ascent()) {
  image_.fill(Qt::black);
}

template <typename Draw>
void PainterCanvas::paint(Draw&& draw) {
  if (pass_painter_) return draw(*pass_painter_);
  QPainter painter(&image_);
  draw(painter);
}

void PainterCanvas::begin_pass() {
  pass_painter_.emplace(&image_);
  pass_painter_->setFont(font_);
}

void PainterCanvas::end_pass() { pass_painter_.reset(); }

void PainterCanvas::fill(Colour colour) {
  paint([&](QPainter& painter) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(image_.rect(), QColor::fromRgb(colour));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  });
}

void PainterCanvas::line(double x1, double y1, double x2, double y2, Colour colour) {
  paint([&](QPainter& painter) {
    painter.setPen(QPen(QColor::fromRgb(colour), 1));
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  });
}

void PainterCanvas::circle(double x, double y, double radius, Colour colour) {
  paint([&](QPainter& painter) {
    painter.setPen(QPen(QColor::fromRgb(colour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(x, y), radius, radius);
  });
}

void PainterCanvas::text(double x, double y, std::string_view text, Colour fore, Colour back) {
  const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  paint([&](QPainter& painter) {
    painter.setFont(font_);
    const int cells =
        std::max(painter.fontMetrics().horizontalAdvance(qtext), static_cast<int>(text.size()) * kCellWidth);
    painter.fillRect(QRectF(x, y, cells, kCellHeight), QColor::fromRgb(back));
    painter.setPen(QColor::fromRgb(fore));
    painter.drawText(QPointF(x, y + ascent_), qtext);
  });
}

}  // namespace pelmora
