// Where the picture's figures land on a device with s device pixels per
// picture pixel. Picture pixel (px, py) covers [px, px + 1) x [py, py + 1);
// its block of device pixels is [edge(px), edge(px + 1)) across and the same
// down, so the blocks of all picture pixels tile the device exactly. Every
// footprint here is a pure function of the figure's whole-pixel geometry
// and the scale: drawn again in the background colour, a figure leaves
// nothing behind at any scale.
#pragma once

#include <cmath>
#include <vector>

namespace pelmora {

inline constexpr double kMinScale = 0.5;
inline constexpr double kMaxScale = 4.0;

class PixelScale {
 public:
  // A scale within kMinScale to kMaxScale.
  explicit PixelScale(double factor);

  double factor() const { return factor_; }
  bool is_one() const { return factor_ == 1.0; }
  // The first device pixel of picture pixel u's block.
  int edge(int u) const { return static_cast<int>(std::floor(u * factor_ + 0.5)); }
  // Lines and rings are round(s) device pixels wide, at least one.
  int line_width() const { return line_width_; }
  // The first of the line_width() device rows (or columns) of a line along
  // picture row (or column) u: centred on the block's centre, s (u + 1/2).
  int band(int u) const { return static_cast<int>(std::floor(factor_ * (u + 0.5) - line_width_ / 2.0 + 0.5)); }

 private:
  double factor_;
  int line_width_;
};

// One row of a figure's device pixels, relative to an origin: x1 to x2
// inclusive on row dy.
struct Span {
  int dy, x1, x2;
};

// The ring of a circle of whole radius r about picture pixel (cx, cy) at a
// scale: the device pixels whose centres lie at a distance from the scaled
// centre s (c + 1/2) of at least s r - w/2 and below s r + w/2, w the line
// width. The centre is (origin + fraction) with the origin floor(s (c +
// 1/2)); the spans are relative to that origin and depend on the fractions
// only.
struct RingPlace {
  int origin_x, origin_y;
  double fraction_x, fraction_y;
};
RingPlace ring_place(const PixelScale& scale, int cx, int cy);
std::vector<Span> ring_spans(const PixelScale& scale, int radius, double fraction_x, double fraction_y);

}  // namespace pelmora
