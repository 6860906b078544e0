#include "render/pixel_scale.h"

#include <algorithm>
#include <stdexcept>

namespace pelmora {

PixelScale::PixelScale(double factor)
    : factor_(factor), line_width_(std::max(1, static_cast<int>(std::floor(factor + 0.5)))) {
  if (!(factor >= kMinScale && factor <= kMaxScale)) throw std::invalid_argument("scale out of range");
}

RingPlace ring_place(const PixelScale& scale, int cx, int cy) {
  const double x = scale.factor() * (cx + 0.5), y = scale.factor() * (cy + 0.5);
  const double ox = std::floor(x), oy = std::floor(y);
  return {static_cast<int>(ox), static_cast<int>(oy), x - ox, y - oy};
}

std::vector<Span> ring_spans(const PixelScale& scale, int radius, double fraction_x, double fraction_y) {
  const double half_width = scale.line_width() / 2.0;
  const double middle = scale.factor() * radius;
  const double outer = middle + half_width, inner = std::max(0.0, middle - half_width);
  const double outer2 = outer * outer, inner2 = inner * inner;
  // Squared distance of device pixel (i, j)'s centre from the centre.
  const auto distance2 = [&](int i, int j) {
    const double dx = i + 0.5 - fraction_x, dy = j + 0.5 - fraction_y;
    return dx * dx + dy * dy;
  };
  // The pixels of row j with squared distance below `limit`, as [lo, hi];
  // the square root only guesses, the test of each end decides.
  const auto within = [&](int j, double limit, int& lo, int& hi) {
    const double dy = j + 0.5 - fraction_y, room = limit - dy * dy;
    if (room <= 0) return false;
    const double half = std::sqrt(room);
    lo = static_cast<int>(std::floor(fraction_x - 0.5 - half)) - 1;
    hi = static_cast<int>(std::ceil(fraction_x - 0.5 + half)) + 1;
    while (lo <= hi && !(distance2(lo, j) < limit)) ++lo;
    while (hi >= lo && !(distance2(hi, j) < limit)) --hi;
    return lo <= hi;
  };
  std::vector<Span> spans;
  const int reach = static_cast<int>(std::ceil(outer)) + 1;
  for (int j = -reach; j <= reach; ++j) {
    int lo = 0, hi = 0;
    if (!within(j, outer2, lo, hi)) continue;
    int hole_lo = 0, hole_hi = 0;
    if (inner2 > 0 && within(j, inner2, hole_lo, hole_hi)) {
      if (lo < hole_lo) spans.push_back({j, lo, hole_lo - 1});
      if (hole_hi < hi) spans.push_back({j, hole_hi + 1, hi});
    } else {
      spans.push_back({j, lo, hi});
    }
  }
  return spans;
}

}  // namespace pelmora
