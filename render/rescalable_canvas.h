// The picture's canvas at a scale that can change while it lives: it draws
// on a raster at the current scale and keeps the record of what is on it,
// from which a raster at another scale is drawn afresh, exactly as if every
// figure since the last clear had been drawn at that scale.
#pragma once

#include <memory>

#include "render/figure_record.h"
#include "render/raster_canvas.h"

namespace pelmora {

class RescalableCanvas : public PixelCanvas {
 public:
  explicit RescalableCanvas(TextRenderer* text_renderer, double scale = 1.0);

  void fill(Colour colour) override;
  void line(double x1, double y1, double x2, double y2, Colour colour) override;
  void circle(double x, double y, double radius, Colour colour) override;
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override;

  // Draws the picture afresh at another scale (kMinScale to kMaxScale).
  void rescale(double scale);
  double scale() const { return raster_->factor(); }
  // The colour scheme the picture is shown in, kept at a new scale.
  void show_colours_as(ColourScheme scheme) { raster_->show_colours_as(scheme); }

  RasterCanvas& raster() { return *raster_; }
  const RasterCanvas& raster() const { return *raster_; }
  FigureRecord& record() { return record_; }

 private:
  TextRenderer* text_renderer_;
  std::unique_ptr<RasterCanvas> raster_;
  FigureRecord record_;
};

}  // namespace pelmora
