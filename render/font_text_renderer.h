// Lays out the picture's texts in the shipped font (the canvas keeps what
// it has laid out).
#pragma once

#include <QFont>
#include <QFontMetrics>

#include "render/raster_canvas.h"
#include "render/small_text.h"

namespace pelmora {

// The picture's font: the shipped sans-serif at 13 pixels times the scale,
// smoothed in grey levels; below scale 1 its stems snapped to whole pixels
// (small_text.h) (the canvas quantises them, so that the shipped
// font gives the same pixels everywhere).
QFont picture_font(double scale = 1.0);

class FontTextRenderer : public TextRenderer {
 public:
  FontTextRenderer();
  TextInk render(std::string_view text, double scale) override;
  int cells_width(std::string_view text) override;

 private:
  // The font at one scale, and where its baseline lies below a cell's top.
  struct ScaledFont {
    double scale;
    QFont font;
    int ascent;
  };
  const ScaledFont& font_at(double scale);

  ScaledFont picture_size_;  // the cells are measured at scale 1
  ScaledFont last_scaled_;
  QFontMetrics picture_metrics_;
  SmallText small_text_;  // below scale 1
};

}  // namespace pelmora
