#include "window/picture_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "render/canvas_image.h"

namespace pelmora {

namespace {

const QString kChartObjectName = QStringLiteral("sky_chart");

// The chart, to a screen reader: a chart, with the name and description its
// widget has.
QAccessibleInterface* chart_accessible(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || widget->objectName() != kChartObjectName) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Chart);
}

}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent), canvas_(&text_renderer_) {
  // Before the widget is known to the screen reader by its name.
  static const bool factory_installed = (QAccessible::installFactory(chart_accessible), true);
  (void)factory_installed;
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  // What a screen reader finds: the chart, by this name; its description
  // reads the chart in words.
  setObjectName(kChartObjectName);
  setAccessibleName(QCoreApplication::translate("PictureWidget", "Sky chart"));
}

bool PictureWidget::show_tip(const QPoint& position, const QPoint& global_position) {
  const std::optional<ChartName> name = name_at ? name_at(to_picture(position)) : std::nullopt;
  if (!name) {
    QToolTip::hideText();
    return false;
  }
  const QString text = QStringLiteral("<b>%1</b><br>%2")
                           .arg(QString::fromStdString(name->title).toHtmlEscaped(),
                                QString::fromStdString(name->detail).toHtmlEscaped());
  QToolTip::showText(global_position, text, this);
  return true;
}

bool PictureWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (!show_tip(help->pos(), help->globalPos())) event->ignore();
    return true;
  }
  return QWidget::event(event);
}

void PictureWidget::refresh_tip() {
  if (!QToolTip::isVisible() || !underMouse()) return;
  const QPoint global = QCursor::pos();
  const QPoint position = mapFromGlobal(global);
  if (childAt(position) != nullptr) return;  // a button's tip
  show_tip(position, global);
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
  // Space, Return or Enter on the chart is a click on it.
  const int key = event->key();
  if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat() &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (on_click) on_click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void PictureWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (on_context_menu) on_context_menu(event->globalPos());
}

// The focus frame is the window's to draw, around the chart's pixels.
void PictureWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (parentWidget() != nullptr) parentWidget()->update();
}

void PictureWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (parentWidget() != nullptr) parentWidget()->update();
}

void PictureWidget::set_scale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  update();
}

double PictureWidget::device_scale() const { return std::clamp(scale_ * devicePixelRatioF(), kMinScale, kMaxScale); }

QImage PictureWidget::picture() const { return rgb32_image(canvas_.raster()); }

QRegion PictureWidget::region_of(const std::vector<QRect>& rects) {
  // The canvas gives its areas in bands: rows of rectangles of one top and
  // height, left to right, apart, each row below the last. Such a list is a
  // region as it stands, without uniting the rectangles one by one (at
  // other scales, where rounding can make rows meet, it is united).
  const auto banded = [&rects] {
    for (std::size_t i = 1; i < rects.size(); ++i) {
      const QRect &last = rects[i - 1], &next = rects[i];
      const bool same_band = next.top() == last.top() && next.height() == last.height();
      if (same_band ? next.left() <= last.right() + 1 : next.top() <= last.bottom()) return false;
    }
    return true;
  };
  QRegion region;
  if (banded()) {
    region.setRects(rects.data(), static_cast<int>(rects.size()));
  } else {
    for (const QRect& r : rects) region += r;
  }
  return region;
}

void PictureWidget::show_changes() {
  const auto areas = canvas_.raster().take_changed_areas();
  if (areas.empty()) return;
  ++changes_shown_;
  refresh_tip();
  // Device pixels to the logical ones that hold them.
  const double ratio = devicePixelRatioF();
  rects_.clear();
  for (const PixelRect& r : areas) {
    const int left = static_cast<int>(std::floor(r.x / ratio)), top = static_cast<int>(std::floor(r.y / ratio));
    const int right = static_cast<int>(std::ceil((r.x + r.width) / ratio));
    const int bottom = static_cast<int>(std::ceil((r.y + r.height) / ratio));
    if (right > left && bottom > top) rects_.emplace_back(left, top, right - left, bottom - top);
  }
  // Painted now rather than on a posted request: the changes come once a
  // tick, and waking the event loop once more for each cost a wake-up and
  // a pass of the loop 66 times a second.
  repaint(region_of(rects_));
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  QRegion region = event->region();
  // A new scale (the window resized, full screen, another screen): drawn
  // afresh here, so that however many sizes the window passed through
  // since the last frame, the picture is drawn once.
  if (device_scale() != canvas_.scale() && device_scale() != unreachable_scale_) {
    try {
      canvas_.rescale(device_scale());
      canvas_.raster().take_changed_areas();  // all of it is shown below
      ++rebuilds_;
    } catch (const std::bad_alloc&) {
      // The picture stays at the scale it has, enlarged or reduced to fit.
      unreachable_scale_ = device_scale();
      std::fprintf(stderr, "pelmora: too little memory to draw the chart at %.2f pixels a pixel\n", device_scale());
    }
    region = rect();
  }
  const RasterCanvas& raster = canvas_.raster();
  const QSizeF size(raster.width(), raster.height());
  const double ratio = devicePixelRatioF();
  QSizeF shown = size / ratio;
  if (device_scale() == canvas_.scale()) {
    painter_.paint(painter, raster, region, ratio);
  } else {
    // Stretched, from the pixels as they are drawn: Qt reads the colours
    // through the table, without a copy of the picture.
    QImage indexed(raster.indices(), raster.drawn_width(), raster.drawn_height(), raster.drawn_width(),
                   QImage::Format_Indexed8);
    const auto& colours = raster.colours().opaque_colours();
    indexed.setColorTable(QList<QRgb>(colours.begin(), colours.end()));
    shown = QSizeF(raster.drawn_width(), raster.drawn_height()) / raster.scale().factor() * scale_;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), shown), indexed);
  }
  // Beyond the pixels (a widget rounded up to whole logical pixels): the
  // window's background.
  for (const QRect& r : region - QRect(QPoint(0, 0), shown.toSize())) painter.fillRect(r, palette().window());
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
