// Picture1's drawing surface: it keeps the current position, the unit mode
// and the colours, turns every operation into pixels for a canvas, and logs
// it for the replay trace and the tests.
#pragma once

#include <string_view>

#include "app/platform.h"
#include "trace/operation_log.h"

namespace pelmora {

// Where the picture's pixels go. Coordinates are pixels.
class PixelCanvas {
 public:
  virtual ~PixelCanvas() = default;
  virtual void fill(Colour colour) = 0;
  virtual void line(double x1, double y1, double x2, double y2, Colour colour) = 0;
  virtual void circle(double x, double y, double radius, Colour colour) = 0;
  // Text with its top-left corner at (x, y), on cells painted in `back`.
  virtual void text(double x, double y, std::string_view text, Colour fore, Colour back) = 0;
};

class Picture : public DrawingSurface {
 public:
  // Either may be null: a picture with no canvas only logs, one with no log
  // only draws.
  Picture(PixelCanvas* canvas, OperationLog* log) : canvas_(canvas), log_(log) {}

  void clear() override;
  void line(Single x1, Single y1, Single x2, Single y2) override;
  void line(Single x1, Single y1, Single x2, Single y2, Colour colour) override;
  void circle(Single x, Single y, Single radius, Colour colour) override;
  void print(std::string_view text) override;
  void set_current_x(Single x) override;
  void set_current_y(Single y) override;
  void set_fore_colour(Colour colour) override;
  void set_back_colour(Colour colour) override;
  void set_scale_mode(Integer mode) override;

  Integer scale_mode() const { return mode_; }
  Colour fore_colour() const { return fore_; }
  Colour back_colour() const { return back_; }
  // The current position in pixels.
  Single pixel_x() const { return x_; }
  Single pixel_y() const { return y_; }

 private:
  Single to_pixels_x(Single x) const;
  Single to_pixels_y(Single y) const;
  void record(const Operation& op);

  PixelCanvas* canvas_;
  OperationLog* log_;
  Integer mode_ = kCharacterUnits;  // the picture rests in character units
  Single x_ = 0, y_ = 0;
  Colour fore_ = 0, back_ = 0;
};

}  // namespace pelmora
