// The picture drawn with plain QPainter calls, one painter per operation:
// the reference that the fast canvas is measured and checked against.
#pragma once

#include <QFont>
#include <QImage>

#include "render/picture.h"

namespace pelmora {

class PainterCanvas : public PixelCanvas {
 public:
  PainterCanvas();
  void fill(Colour colour) override;
  void line(double x1, double y1, double x2, double y2, Colour colour) override;
  void circle(double x, double y, double radius, Colour colour) override;
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override;
  const QImage& image() const { return image_; }

 private:
  QImage image_;
  QFont font_;
};

}  // namespace pelmora
