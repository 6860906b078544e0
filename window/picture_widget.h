// Picture1 on the screen: the widget that owns the picture's pixels, shows
// them as they stand and reports clicks.
#pragma once

#include <QWidget>
#include <functional>

#include "render/font_text_renderer.h"
#include "render/raster_canvas.h"

namespace pelmora {

class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent);

  // The pixels live as long as the widget that shows them.
  RasterCanvas& canvas() { return canvas_; }
  // Schedules a repaint of the areas that changed since the last call.
  void show_changes();
  // How many calls of show_changes found something changed.
  long changes_shown() const { return changes_shown_; }
  std::function<void()> on_click;
  std::function<void()> on_first_paint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  FontTextRenderer text_renderer_;
  RasterCanvas canvas_;
  bool pressed_ = false;
  bool painted_ = false;
  long changes_shown_ = 0;
};

}  // namespace pelmora
