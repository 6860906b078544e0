// The walks that decide which picture pixels a one-pixel line or ring
// covers: shared by the raster canvas, which paints them, and the vector
// picture, which asks what still shows of each figure.
#pragma once

#include <cstdlib>
#include <utility>

namespace pelmora {

// Bresenham, from the first point to the second, both included.
template <typename Visit>
void for_each_line_pixel(int ax, int ay, int bx, int by, const Visit& visit) {
  const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
  const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    visit(ax, ay);
    if (ax == bx && ay == by) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      ax += sx;
    }
    if (twice <= dx) {
      error += dx;
      ay += sy;
    }
  }
}

// Midpoint circle about a whole-pixel centre with a whole radius, as
// offsets from the centre: the same outline wherever it stands, so an erase
// at x - 2 removes exactly what the draw at x put down. Points where the
// eight octants meet are visited more than once.
template <typename Visit>
void for_each_ring_offset(int radius, const Visit& visit) {
  if (radius == 0) return visit(0, 0);
  int px = radius, py = 0, error = 1 - radius;
  while (px >= py) {
    for (const auto& [dx, dy] : {std::pair{px, py}, {py, px}})
      for (const int sx : {1, -1})
        for (const int sy : {1, -1}) visit(sx * dx, sy * dy);
    ++py;
    if (error < 0) {
      error += 2 * py + 1;
    } else {
      --px;
      error += 2 * (py - px) + 1;
    }
  }
}

}  // namespace pelmora
