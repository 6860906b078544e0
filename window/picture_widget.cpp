#include "window/picture_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace pelmora {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent), canvas_(&text_renderer_) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void PictureWidget::show_changes() {
  const auto areas = canvas_.take_changed_areas();
  if (areas.empty()) return;
  ++changes_shown_;
  QRegion region;
  for (const PixelRect& r : areas) region += QRect(r.x, r.y, r.width, r.height);
  update(region);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  // A view of the pixels, made for this paint only.
  const QImage pixels(reinterpret_cast<const uchar*>(canvas_.data()), canvas_.width(), canvas_.height(),
                      canvas_.width() * 4, QImage::Format_RGB32);
  QPainter painter(this);
  for (const QRect& rect : event->region()) painter.drawImage(rect.topLeft(), pixels, rect);
  if (!painted_) {
    painted_ = true;
    if (on_first_paint) on_first_paint();
  }
}

void PictureWidget::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click && on_click) on_click();
}

}  // namespace pelmora
