// Picture1 on the screen: the widget that owns the picture's pixels, shows
// them as they stand and reports clicks. The pixels are drawn at the
// screen's own resolution: s device pixels for each picture pixel, s being
// the window's scale times the screen's device pixel ratio. When s changes
// the picture is drawn afresh from its record, once, when it is next shown.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "guide/chart_points.h"
#include "render/font_text_renderer.h"
#include "render/rescalable_canvas.h"
#include "render/vector_picture.h"
#include "window/picture_painter.h"

namespace pelmora {

class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent);

  // The pixels live as long as the widget that shows them.
  PixelCanvas& canvas() { return canvas_; }
  // Logical pixels per picture pixel, as the window lays the picture out.
  void set_scale(double scale);
  // Device pixels per picture pixel: what the picture is drawn at once it
  // is shown, and what it is drawn at now.
  double device_scale() const;
  double drawn_scale() const { return canvas_.scale(); }
  // How many times the picture was drawn afresh at a new scale.
  long rebuilds() const { return rebuilds_; }
  // A point of the widget in picture pixels.
  QPointF to_picture(const QPointF& position) const { return position / scale_; }
  // The picture as it is drawn now, a copy.
  QImage picture() const;
  // The figures that show in it, for a vector picture.
  VectorFigures figures() {
    VectorFigures figures = visible_figures(canvas_.record(), text_renderer_);
    figures.scheme = canvas_.raster().colours().scheme();
    return figures;
  }

  // Shows the picture in a colour scheme, at once, and at any new scale.
  void show_colours_as(ColourScheme scheme) {
    canvas_.show_colours_as(scheme);
    show_changes();
  }
  // Schedules a repaint of the areas that changed since the last call.
  void show_changes();
  // How many calls of show_changes found something changed.
  long changes_shown() const { return changes_shown_; }
  std::function<void()> on_click;
  std::function<void()> on_first_paint;
  // What is under a point of the picture (in picture pixels), for the tip
  // shown where the pointer rests.
  std::function<std::optional<ChartName>(QPointF)> name_at;
  // A right click, or the menu key, at a point of the screen.
  std::function<void(QPoint)> on_context_menu;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // After the chart has changed: the chart's tip on show names what is
  // under the pointer now, or goes.
  void refresh_tip();
  // Shows the tip for a point of the widget, or hides it; true when shown.
  bool show_tip(const QPoint& position, const QPoint& global_position);

  static QRegion region_of(const std::vector<QRect>& rects);

  FontTextRenderer text_renderer_;
  RescalableCanvas canvas_;
  PicturePainter painter_;
  double scale_ = 1;
  double unreachable_scale_ = 0;  // a scale the picture could not be drawn at
  long rebuilds_ = 0;
  bool pressed_ = false;
  bool painted_ = false;
  long changes_shown_ = 0;
  std::vector<QRect> rects_;  // the changed areas, kept for the next changes
};

}  // namespace pelmora
