#include "raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pelmora {

namespace {

constexpr std::uint32_t opaque(Colour colour) { return 0xff000000u | (colour & 0xffffffu); }

// Clamps a coordinate far outside the picture so that integer loops stay
// small and nothing overflows; whatever lies outside is clipped anyway.
double clamp_far(double v) { return std::clamp(v, -1.0e6, 1.0e6); }

}  // namespace

int pixel_of(double coordinate) { return static_cast<int>(std::floor(clamp_far(coordinate) + 0.5)); }

RasterCanvas::RasterCanvas(TextRenderer* text_renderer)
    : text_renderer_(text_renderer),
      pixels_(static_cast<std::size_t>(kPictureWidth) * kPictureHeight, opaque(0)),
      changed_tiles_(static_cast<std::size_t>(kTilesAcross) * kTilesDown, 0) {}

void RasterCanvas::mark_changed(int x, int y) {
  changed_tiles_[static_cast<std::size_t>(y / kTileHeight) * kTilesAcross + x / kTileWidth] = 1;
  any_changed_ = true;
}

void RasterCanvas::mark_changed(int x1, int y1, int x2, int y2) {
  for (int ty = y1 / kTileHeight; ty <= y2 / kTileHeight; ++ty)
    for (int tx = x1 / kTileWidth; tx <= x2 / kTileWidth; ++tx)
      changed_tiles_[static_cast<std::size_t>(ty) * kTilesAcross + tx] = 1;
  any_changed_ = true;
}

void RasterCanvas::plot(int x, int y, std::uint32_t value) {
  if (x < 0 || y < 0 || x >= kPictureWidth || y >= kPictureHeight) return;
  std::uint32_t& p = pixels_[index(x, y)];
  if (p == value) return;
  p = value;
  mark_changed(x, y);
}

void RasterCanvas::horizontal(int x1, int x2, int y, std::uint32_t value) {
  if (y < 0 || y >= kPictureHeight) return;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, kPictureWidth - 1);
  std::uint32_t* row = &pixels_[index(0, y)];
  // Find the changed span first: a line drawn over itself writes nothing.
  int first = x1;
  while (first <= x2 && row[first] == value) ++first;
  if (first > x2) return;
  int last = x2;
  while (row[last] == value) --last;
  std::fill(row + first, row + last + 1, value);
  mark_changed(first, y, last, y);
}

void RasterCanvas::vertical(int x, int y1, int y2, std::uint32_t value) {
  if (x < 0 || x >= kPictureWidth) return;
  y1 = std::max(y1, 0);
  y2 = std::min(y2, kPictureHeight - 1);
  for (int y = y1; y <= y2; ++y) {
    std::uint32_t& p = pixels_[index(x, y)];
    if (p != value) {
      p = value;
      mark_changed(x, y);
    }
  }
}

void RasterCanvas::fill(Colour colour) {
  const std::uint32_t value = opaque(colour);
  for (int y = 0; y < kPictureHeight; ++y) horizontal(0, kPictureWidth - 1, y, value);
}

void RasterCanvas::line(double x1, double y1, double x2, double y2, Colour colour) {
  const std::uint32_t value = opaque(colour);
  int ax = pixel_of(x1), ay = pixel_of(y1), bx = pixel_of(x2), by = pixel_of(y2);
  // Both end points are drawn.
  if (ay == by) return horizontal(std::min(ax, bx), std::max(ax, bx), ay, value);
  if (ax == bx) return vertical(ax, std::min(ay, by), std::max(ay, by), value);
  // Bresenham, from the first point to the second.
  const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
  const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    plot(ax, ay, value);
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

void RasterCanvas::circle(double x, double y, double radius, Colour colour) {
  // Midpoint circle about a whole-pixel centre with a whole radius: the same
  // outline wherever it stands, so an erase at x - 2 removes exactly what
  // the draw at x put down.
  const std::uint32_t value = opaque(colour);
  const int cx = pixel_of(x), cy = pixel_of(y);
  int r = pixel_of(std::abs(radius));
  if (r > 4096) r = 4096;
  if (r == 0) return plot(cx, cy, value);
  int px = r, py = 0, error = 1 - r;
  while (px >= py) {
    plot(cx + px, cy + py, value);
    plot(cx - px, cy + py, value);
    plot(cx + px, cy - py, value);
    plot(cx - px, cy - py, value);
    plot(cx + py, cy + px, value);
    plot(cx - py, cy + px, value);
    plot(cx + py, cy - px, value);
    plot(cx - py, cy - px, value);
    ++py;
    if (error < 0) {
      error += 2 * py + 1;
    } else {
      --px;
      error += 2 * (py - px) + 1;
    }
  }
}

void RasterCanvas::text(double x, double y, std::string_view text, Colour fore, Colour back) {
  const int left = pixel_of(x), top = pixel_of(y);
  const std::uint32_t ink_value = opaque(fore), cell_value = opaque(back);
  const TextInk* ink = text_renderer_ != nullptr ? &text_renderer_->render(text) : nullptr;
  const int cells = std::max(static_cast<int>(text.size()) * kCellWidth, ink != nullptr ? ink->cells_width : 0);
  const int width = std::max(cells, ink != nullptr ? ink->width : 0);
  for (int row = 0; row < kCellHeight; ++row) {
    const int py = top + row;
    if (py < 0 || py >= kPictureHeight) continue;
    for (int column = 0; column < width; ++column) {
      const bool inked = ink != nullptr && column < ink->width &&
                         ink->ink[static_cast<std::size_t>(row) * ink->width + column] != 0;
      if (inked) {
        plot(left + column, py, ink_value);
      } else if (column < cells) {
        plot(left + column, py, cell_value);
      }
    }
  }
}

std::vector<PixelRect> RasterCanvas::take_changed_areas() {
  std::vector<PixelRect> areas;
  if (!any_changed_) return areas;
  // One rectangle per run of changed tiles in a tile row.
  for (int ty = 0; ty < kTilesDown; ++ty) {
    std::uint8_t* row = &changed_tiles_[static_cast<std::size_t>(ty) * kTilesAcross];
    for (int tx = 0; tx < kTilesAcross;) {
      if (row[tx] == 0) {
        ++tx;
        continue;
      }
      const int start = tx;
      while (tx < kTilesAcross && row[tx] != 0) row[tx++] = 0;
      const int x = start * kTileWidth, y = ty * kTileHeight;
      areas.push_back({x, y, std::min(tx * kTileWidth, kPictureWidth) - x,
                       std::min(y + kTileHeight, kPictureHeight) - y});
    }
  }
  any_changed_ = false;
  return areas;
}

}  // namespace pelmora
