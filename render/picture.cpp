#include "render/picture.h"

namespace pelmora {

Single Picture::to_pixels_x(Single x) const { return mode_ == kCharacterUnits ? sng(double(x) * kCellWidth) : x; }

Single Picture::to_pixels_y(Single y) const { return mode_ == kCharacterUnits ? sng(double(y) * kCellHeight) : y; }

void Picture::record(const Operation& op) {
  if (log_ != nullptr) log_->record(op);
}

void Picture::clear() {
  record({.kind = Operation::Kind::clear});
  x_ = y_ = 0;
  if (canvas_ != nullptr) canvas_->fill(back_);
}

void Picture::line(Single x1, Single y1, Single x2, Single y2) { line(x1, y1, x2, y2, fore_); }

void Picture::line(Single x1, Single y1, Single x2, Single y2, Colour colour) {
  const Operation op{.kind = Operation::Kind::line,
                     .x1 = to_pixels_x(x1),
                     .y1 = to_pixels_y(y1),
                     .x2 = to_pixels_x(x2),
                     .y2 = to_pixels_y(y2),
                     .colour = colour};
  record(op);
  if (canvas_ != nullptr) canvas_->line(op.x1, op.y1, op.x2, op.y2, colour);
}

void Picture::circle(Single x, Single y, Single radius, Colour colour) {
  // The radius is measured along x, in the current units.
  const Operation op{.kind = Operation::Kind::circle,
                     .x1 = to_pixels_x(x),
                     .y1 = to_pixels_y(y),
                     .x2 = to_pixels_x(radius),
                     .colour = colour};
  record(op);
  if (canvas_ != nullptr) canvas_->circle(op.x1, op.y1, op.x2, colour);
}

void Picture::print(std::string_view text) {
  if (log_ != nullptr) {
    Operation op{.kind = Operation::Kind::print, .x1 = x_, .y1 = y_, .colour = fore_};
    op.text = text;
    log_->record(op);
  }
  if (canvas_ != nullptr) canvas_->text(x_, y_, text, fore_, back_);
}

void Picture::set_current_x(Single x) { x_ = to_pixels_x(x); }

void Picture::set_current_y(Single y) { y_ = to_pixels_y(y); }

void Picture::set_fore_colour(Colour colour) {
  record({.kind = Operation::Kind::fore, .colour = colour});
  fore_ = colour;
}

void Picture::set_back_colour(Colour colour) {
  record({.kind = Operation::Kind::back, .colour = colour});
  back_ = colour;
}

void Picture::set_scale_mode(Integer mode) {
  if (mode != kPixelUnits && mode != kCharacterUnits) raise_invalid_argument();
  record({.kind = Operation::Kind::scale, .number = mode.value()});
  mode_ = mode;
}

}  // namespace pelmora
