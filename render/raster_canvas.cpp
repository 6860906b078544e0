#include "render/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace pelmora {

namespace {

// Distinct texts kept ready: the chart prints about 1,500 over a full turn;
// past the limit the cache starts afresh, so memory stays bounded.
constexpr std::size_t kPrintedBlockLimit = 2048;

constexpr std::uint32_t opaque(Colour colour) { return 0xff000000u | (colour & 0xffffffu); }

// Clamps a coordinate far outside the picture so that integer loops stay
// small and nothing overflows; whatever lies outside is clipped anyway.
double clamp_far(double v) { return std::clamp(v, -1.0e6, 1.0e6); }

}  // namespace

int pixel_of(double coordinate) { return static_cast<int>(std::floor(clamp_far(coordinate) + 0.5)); }

RasterCanvas::RasterCanvas(TextRenderer* text_renderer)
    : text_renderer_(text_renderer),
      pixels_(static_cast<std::size_t>(kPictureWidth) * kPictureHeight, opaque(0)),
      changed_tiles_(static_cast<std::size_t>(kTilesAcross) * kTilesDown, 0),
      tile_change_counts_(changed_tiles_.size(), 0) {}

void RasterCanvas::mark_changed(int x, int y) {
  const auto tile = static_cast<std::size_t>(y / kTileHeight) * kTilesAcross + x / kTileWidth;
  changed_tiles_[tile] = 1;
  ++tile_change_counts_[tile];
  any_changed_ = true;
}

void RasterCanvas::mark_changed(int x1, int y1, int x2, int y2) {
  for (int ty = y1 / kTileHeight; ty <= y2 / kTileHeight; ++ty)
    for (int tx = x1 / kTileWidth; tx <= x2 / kTileWidth; ++tx) {
      const auto tile = static_cast<std::size_t>(ty) * kTilesAcross + tx;
      changed_tiles_[tile] = 1;
      ++tile_change_counts_[tile];
    }
  any_changed_ = true;
}

std::uint64_t RasterCanvas::tile_changes(int x1, int y1, int x2, int y2) const {
  std::uint64_t sum = 0;
  for (int ty = y1 / kTileHeight; ty <= y2 / kTileHeight; ++ty)
    for (int tx = x1 / kTileWidth; tx <= x2 / kTileWidth; ++tx)
      sum += tile_change_counts_[static_cast<std::size_t>(ty) * kTilesAcross + tx];
  return sum;
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
  if (x1 > x2) return;
  std::uint32_t* row = &pixels_[index(0, y)];
  // A line drawn over itself writes nothing: find the changed span first,
  // eight pixels at a time (the baseline is drawn 101 times a pass and
  // differs from the picture in one pixel at most).
  constexpr int kChunk = 8;
  const auto differs = [&](int from) {
    std::uint32_t difference = 0;
    for (int k = 0; k < kChunk; ++k) difference |= row[from + k] ^ value;
    return difference != 0;
  };
  int first = x1;
  while (first + kChunk - 1 <= x2 && !differs(first)) first += kChunk;
  while (first <= x2 && row[first] == value) ++first;
  if (first > x2) return;
  int last = x2;
  while (last - kChunk + 1 > first && !differs(last - kChunk + 1)) last -= kChunk;
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

const std::vector<std::pair<int, int>>& RasterCanvas::circle_outline(int r) {
  auto& outline = circle_outlines_[r];
  if (!outline.empty()) return outline;
  // Midpoint circle about a whole-pixel centre with a whole radius: the
  // same outline wherever it stands, so an erase at x - 2 removes exactly
  // what the draw at x put down.
  if (r == 0) return outline = {{0, 0}};
  int px = r, py = 0, error = 1 - r;
  while (px >= py) {
    for (const auto& [dx, dy] : {std::pair{px, py}, {py, px}})
      for (const int sx : {1, -1})
        for (const int sy : {1, -1}) outline.emplace_back(sx * dx, sy * dy);
    ++py;
    if (error < 0) {
      error += 2 * py + 1;
    } else {
      --px;
      error += 2 * (py - px) + 1;
    }
  }
  std::sort(outline.begin(), outline.end());
  outline.erase(std::unique(outline.begin(), outline.end()), outline.end());
  return outline;
}

void RasterCanvas::circle(double x, double y, double radius, Colour colour) {
  const std::uint32_t value = opaque(colour);
  const int cx = pixel_of(x), cy = pixel_of(y);
  const int r = std::min(pixel_of(std::abs(radius)), 4096);
  for (const auto& [dx, dy] : circle_outline(r)) plot(cx + dx, cy + dy, value);
}

const RasterCanvas::PrintedBlock& RasterCanvas::printed_block(std::string_view text) {
  if (printed_blocks_.size() >= kPrintedBlockLimit) printed_blocks_.clear();
  if (const auto found = printed_blocks_.find(text); found != printed_blocks_.end()) return found->second;

  const std::optional<TextInk> rendered =
      text_renderer_ != nullptr ? std::optional(text_renderer_->render(text)) : std::nullopt;
  const TextInk* ink = rendered ? &*rendered : nullptr;
  PrintedBlock block;
  block.width = std::max(static_cast<int>(text.size()) * kCellWidth, ink != nullptr ? ink->cells_width : 0);
  block.ink.assign(static_cast<std::size_t>(block.width) * kCellHeight, 0);
  for (int row = 0; ink != nullptr && row < kCellHeight; ++row)
    for (int column = 0; column < ink->width; ++column) {
      if (ink->ink[static_cast<std::size_t>(row) * ink->width + column] == 0) continue;
      if (column < block.width) {
        block.ink[static_cast<std::size_t>(row) * block.width + column] = 1;
      } else {
        block.overhang.emplace_back(column, row);
      }
    }
  return printed_blocks_.emplace(std::string(text), std::move(block)).first->second;
}

void RasterCanvas::text(double x, double y, std::string_view text, Colour fore, Colour back) {
  const int left = pixel_of(x), top = pixel_of(y);
  // Most prints repeat the text already there (clock mode reprints its
  // read-outs 66 times a second): when nothing under it changed since, skip
  // it without touching its pixels, which are cold by then.
  const int x1 = std::max(left, 0), y1 = std::max(top, 0);
  const int y2 = std::min(top + kCellHeight, kPictureHeight) - 1;
  if (x1 >= kPictureWidth || y1 > y2) return;
  const auto place =
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(left)) << 32) | static_cast<std::uint32_t>(top);
  PrintMemo& memo = print_memos_[(place * 0x9e3779b97f4a7c15u) >> 56];
  if (memo.place == place && memo.text == text && memo.fore == fore && memo.back == back &&
      memo.tile_changes == tile_changes(x1, y1, memo.right, y2))
    return;

  const PrintedBlock& block = printed_block(text);
  const std::uint32_t ink_value = opaque(fore), cell_value = opaque(back);
  // Ink bytes are 0 or 1: the pixel is picked by a mask, which vectorises.
  const std::uint32_t ink_bits = ink_value ^ cell_value;
  const auto pixel_of_ink = [&](std::uint8_t ink) { return cell_value ^ (ink_bits & (0u - ink)); };
  // Copy the block row by row, only where it differs from the picture.
  const int first = std::max(left, 0), last = std::min(left + block.width, kPictureWidth) - 1;
  for (int row = 0; row < kCellHeight && first <= last; ++row) {
    const int py = top + row;
    if (py < 0 || py >= kPictureHeight) continue;
    const std::uint8_t* source = &block.ink[static_cast<std::size_t>(row) * block.width + (first - left)];
    std::uint32_t* target = &pixels_[index(first, py)];
    const int count = last - first + 1;
    std::uint32_t differ = 0;
    for (int i = 0; i < count; ++i) differ |= target[i] ^ pixel_of_ink(source[i]);
    if (differ == 0) continue;
    for (int i = 0; i < count; ++i) target[i] = pixel_of_ink(source[i]);
    mark_changed(first, py, last, py);
  }
  for (const auto& [column, row] : block.overhang) plot(left + column, top + row, ink_value);

  // The memo covers the cells and any ink beyond them.
  int right = left + block.width - 1;
  for (const auto& [column, row] : block.overhang) right = std::max(right, left + column);
  memo.place = place;
  memo.right = std::min(right, kPictureWidth - 1);
  memo.fore = fore;
  memo.back = back;
  memo.text = text;
  memo.tile_changes = tile_changes(x1, y1, memo.right, y2);
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
      areas.push_back(
          {x, y, std::min(tx * kTileWidth, kPictureWidth) - x, std::min(y + kTileHeight, kPictureHeight) - y});
    }
  }
  any_changed_ = false;
  return areas;
}

}  // namespace pelmora
