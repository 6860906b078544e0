// The picture as vector figures: the record of what is on it, drawn as
// lines, rings and texts with a painter instead of pixels, so that it stays
// sharp at any zoom. Only the figures that still show are drawn: after a
// full turn the record holds some 80,000 figures, nearly all of them black
// erasures on black, and about a thousand are left.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "render/colour_scheme.h"
#include "render/figure_record.h"
#include "render/raster_canvas.h"

namespace pelmora {

// One figure as the record replays it, in whole picture pixels: a line from
// (a, b) to (c, d); a circle about (a, b) of radius c; a text with the top
// left corner of its cells at (a, b), c pixels wide.
struct VectorFigure {
  enum class Kind { line, circle, text };
  Kind kind;
  int a, b, c, d;
  Colour colour, back;
  std::string text;
  // For a text: whether its cells are painted (they may lie on their own
  // colour already).
  bool cells = true;
};

struct VectorFigures {
  Colour background = 0;
  ColourScheme scheme = ColourScheme::classic;  // the colours they are shown in
  std::vector<VectorFigure> figures;            // in the order they are painted
};

// The record's figures that show in the picture, in its order. A figure
// stays when it is the last to paint one of its pixels and changes that
// pixel: a figure painted over whole by later ones, or one in the colour
// already under it, is left out. Painted on the raster canvas at scale 1,
// the figures kept give the picture the record gives, pixel for pixel.
// The text renderer lays out the texts' ink as the canvas prints it.
VectorFigures visible_figures(FigureRecord& record, TextRenderer& text_renderer);

// Paints the figures at the picture's size in picture pixels, on the
// background: one-pixel lines and rings on the raster's pixel centres, texts
// in the picture's font as text.
void paint_figures(const VectorFigures& figures, QPainter& painter);

// The picture as an SVG document or a one-page PDF of kPictureWidth by
// kPictureHeight pixels times `scale` (96 pixels an inch), the same bytes for
// the same figures; nullopt when the painter failed.
std::optional<QByteArray> svg_of(const VectorFigures& figures, double scale = 1.0);
std::optional<QByteArray> pdf_of(const VectorFigures& figures, double scale = 1.0);

// The PDF writer dates a document with the time it was made: blanked out,
// the same drawing gives the same bytes.
void blank_creation_date(QByteArray& pdf);

}  // namespace pelmora
