#include "render/rescalable_canvas.h"

namespace pelmora {

RescalableCanvas::RescalableCanvas(TextRenderer* text_renderer, double scale)
    : text_renderer_(text_renderer), raster_(std::make_unique<RasterCanvas>(text_renderer, scale)) {}

void RescalableCanvas::fill(Colour colour) {
  record_.clear(colour);
  raster_->fill(colour);
}

void RescalableCanvas::line(double x1, double y1, double x2, double y2, Colour colour) {
  const int ax = pixel_of(x1), ay = pixel_of(y1), bx = pixel_of(x2), by = pixel_of(y2);
  record_.line(ax, ay, bx, by, colour);
  raster_->line_at(ax, ay, bx, by, colour);
}

void RescalableCanvas::circle(double x, double y, double radius, Colour colour) {
  const int cx = pixel_of(x), cy = pixel_of(y), r = radius_of(radius);
  record_.circle(cx, cy, r, colour);
  raster_->circle_at(cx, cy, r, colour);
}

void RescalableCanvas::text(double x, double y, std::string_view text, Colour fore, Colour back) {
  const int left = pixel_of(x), top = pixel_of(y);
  record_.text(left, top, text, fore, back);
  raster_->text_at(left, top, text, fore, back);
}

void RescalableCanvas::rescale(double scale) {
  if (scale == this->scale()) return;
  // The new raster is complete before the old one goes: a scale refused or
  // memory short leaves the picture as it was.
  auto fresh = std::make_unique<RasterCanvas>(text_renderer_, scale, record_.background());
  fresh->show_colours_as(raster_->colours().scheme());
  record_.replay(*fresh, [&fresh](std::string_view text) {
    const RasterCanvas::TextReach reach = fresh->text_reach(text);
    return FigureRecord::TextReach{reach.cells, reach.ink};
  });
  raster_ = std::move(fresh);
}

}  // namespace pelmora
