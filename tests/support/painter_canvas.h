// The picture drawn with plain QPainter calls: the reference that the fast
// canvas is measured and checked against. Between begin_pass and end_pass
// one painter draws every operation, as a careful Qt program would paint a
// whole redraw; outside them each operation opens its own.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <optional>

#include "render/picture.h"

namespace pelmora {

class PainterCanvas : public PixelCanvas {
 public:
  PainterCanvas();
  void fill(Colour colour) override;
  void line(double x1, double y1, double x2, double y2, Colour colour) override;
  void circle(double x, double y, double radius, Colour colour) override;
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override;

  void begin_pass();
  void end_pass();
  // The pixels; read them outside a pass.
  const QImage& image() const { return image_; }

 private:
  // The pass's painter, or one for this operation alone.
  template <typename Draw>
  void paint(Draw&& draw);

  QImage image_;
  QFont font_;
  int ascent_;
  std::optional<QPainter> pass_painter_;
};

}  // namespace pelmora
