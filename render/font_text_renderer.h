// Lays out the picture's texts in the shipped font (the canvas keeps what
// it has laid out).
#pragma once

#include <QFont>

#include "render/raster_canvas.h"

namespace pelmora {

// The picture's font: the shipped sans-serif at 13 pixels, drawn without
// antialiasing so that every machine shows the same pixels.
QFont picture_font();

class FontTextRenderer : public TextRenderer {
 public:
  FontTextRenderer();
  TextInk render(std::string_view text) override;

 private:
  QFont font_;
  int ascent_;
};

}  // namespace pelmora
