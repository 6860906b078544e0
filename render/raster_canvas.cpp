#include "render/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "render/pixel_walks.h"

namespace pelmora {

namespace {

// Distinct texts kept ready: the chart prints about 1,500 over a full turn;
// past the limit the cache starts afresh, so memory stays bounded.
constexpr std::size_t kPrintedBlockLimit = 2048;
// Scaled rings kept ready: a handful of radii, at a few centre fractions
// for most scales.
constexpr std::size_t kScaledRingLimit = 1024;

// A colour a fraction level / (kInkLevels - 1) of the way from back to
// fore, channel by channel, rounded.
Colour blend(Colour fore, Colour back, int level) {
  constexpr int kTop = RasterCanvas::kInkLevels - 1;
  Colour mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int f = static_cast<int>((fore >> shift) & 0xffu), b = static_cast<int>((back >> shift) & 0xffu);
    mixed |= static_cast<Colour>((b * (kTop - level) + f * level + kTop / 2) / kTop) << shift;
  }
  return mixed;
}

// The shade of a glyph's coverage (0 to 255), rounded.
std::uint8_t ink_level(std::uint8_t coverage) {
  return static_cast<std::uint8_t>((coverage * (RasterCanvas::kInkLevels - 1) + 127) / 255);
}

// Below 1 the picture is drawn at 1.
double drawing_factor(double factor) { return PixelScale(factor).factor() < 1.0 ? 1.0 : factor; }

}  // namespace

int radius_of(double radius) { return std::min(pixel_of(std::abs(radius)), 4096); }

std::size_t RasterCanvas::RingKeyHash::operator()(const RingKey& key) const {
  const std::size_t h = std::hash<double>{}(key.fraction_x) * 31 + std::hash<double>{}(key.fraction_y);
  return h * 1021 + static_cast<std::size_t>(key.radius);
}

RasterCanvas::RasterCanvas(TextRenderer* text_renderer, double scale, Colour background)
    : text_renderer_(text_renderer),
      factor_(scale),
      scale_(drawing_factor(scale)),
      width_(scale_.edge(kPictureWidth)),
      height_(scale_.edge(kPictureHeight)),
      shown_width_(PixelScale(scale).edge(kPictureWidth)),
      shown_height_(PixelScale(scale).edge(kPictureHeight)),
      shown_scale_(scale),
      tiles_across_((width_ + kTileWidth - 1) / kTileWidth),
      tiles_down_((height_ + kTileHeight - 1) / kTileHeight),
      pixels_(static_cast<std::size_t>(width_) * height_, colours_.index_of(background)),
      changed_tiles_(static_cast<std::size_t>(tiles_across_) * tiles_down_),
      tile_change_counts_(changed_tiles_.size(), 0),
      drawn_tiles_(changed_tiles_.size(), 0),
      fill_value_(colours_.index_of(background)) {
  if (factor_ < 1.0) {
    column_taps_ = area_taps(width_, shown_width_, factor_);
    row_taps_ = area_taps(height_, shown_height_, factor_);
    const auto shown = static_cast<std::size_t>(shown_width_) * shown_height_;
    shown_texts_.assign(shown, 0);
    text_shown_.assign(shown, 0);
  }
}

Colour RasterCanvas::pixel(int x, int y) const {
  if (column_taps_.empty()) return colours_.colour(pixels_[index(x, y)]);
  return shown_pixel(x, y) & 0xffffffu;
}

std::uint32_t RasterCanvas::shown_pixel(int x, int y) const {
  const auto i = static_cast<std::size_t>(y) * shown_width_ + x;
  if (text_shown_[i] != 0) return colours_.opaque_colours()[shown_texts_[i]];
  return area_pixel(pixels_.data(), static_cast<std::size_t>(width_), colours_.opaque_colours().data(),
                    column_taps_[static_cast<std::size_t>(x)], row_taps_[static_cast<std::size_t>(y)]);
}

void RasterCanvas::show_colours_as(ColourScheme scheme) {
  colours_.show_as(scheme);
  for (TileChange& tile : changed_tiles_) tile.add(0, 0, kTileWidth - 1, kTileHeight - 1);
  any_changed_ = true;
}

void RasterCanvas::mark_changed(int x, int y) {
  const auto tile = static_cast<std::size_t>(y / kTileHeight) * tiles_across_ + x / kTileWidth;
  const int dx = x % kTileWidth, dy = y % kTileHeight;
  changed_tiles_[tile].add(dx, dy, dx, dy);
  drawn_tiles_[tile] = 1;
  ++tile_change_counts_[tile];
  any_changed_ = true;
}

void RasterCanvas::mark_changed(int x1, int y1, int x2, int y2) {
  for (int ty = y1 / kTileHeight; ty <= y2 / kTileHeight; ++ty)
    for (int tx = x1 / kTileWidth; tx <= x2 / kTileWidth; ++tx) {
      const auto tile = static_cast<std::size_t>(ty) * tiles_across_ + tx;
      const int left = tx * kTileWidth, top = ty * kTileHeight;
      changed_tiles_[tile].add(std::max(x1 - left, 0), std::max(y1 - top, 0), std::min(x2 - left, kTileWidth - 1),
                               std::min(y2 - top, kTileHeight - 1));
      drawn_tiles_[tile] = 1;
      ++tile_change_counts_[tile];
    }
  any_changed_ = true;
}

std::uint64_t RasterCanvas::tile_changes(int x1, int y1, int x2, int y2) const {
  std::uint64_t sum = 0;
  for (int ty = y1 / kTileHeight; ty <= y2 / kTileHeight; ++ty)
    for (int tx = x1 / kTileWidth; tx <= x2 / kTileWidth; ++tx)
      sum += tile_change_counts_[static_cast<std::size_t>(ty) * tiles_across_ + tx];
  return sum;
}

void RasterCanvas::plot(int x, int y, std::uint8_t value) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t& p = pixels_[index(x, y)];
  if (p == value) return;
  p = value;
  mark_changed(x, y);
}

std::pair<int, int> RasterCanvas::fill_span(int x1, int x2, int y, std::uint8_t value) {
  constexpr std::pair<int, int> kNothing{0, -1};
  if (y < 0 || y >= height_) return kNothing;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, width_ - 1);
  if (x1 > x2) return kNothing;
  std::uint8_t* row = &pixels_[index(0, y)];
  // A line drawn over itself writes nothing: find the changed span first,
  // 32 pixels at a time (the baseline is drawn 101 times a pass and differs
  // from the picture in one pixel at most).
  constexpr int kChunk = 32;
  const auto differs = [&](int from) {
    std::uint8_t difference = 0;
    for (int k = 0; k < kChunk; ++k) difference |= row[from + k] ^ value;
    return difference != 0;
  };
  int first = x1;
  while (first + kChunk - 1 <= x2 && !differs(first)) first += kChunk;
  while (first <= x2 && row[first] == value) ++first;
  if (first > x2) return kNothing;
  int last = x2;
  while (last - kChunk + 1 > first && !differs(last - kChunk + 1)) last -= kChunk;
  while (row[last] == value) --last;
  std::fill(row + first, row + last + 1, value);
  return {first, last};
}

void RasterCanvas::horizontal(int x1, int x2, int y, std::uint8_t value) {
  if (const auto [first, last] = fill_span(x1, x2, y, value); first <= last) mark_changed(first, y, last, y);
}

void RasterCanvas::vertical(int x, int y1, int y2, std::uint8_t value) {
  if (x < 0 || x >= width_) return;
  y1 = std::max(y1, 0);
  y2 = std::min(y2, height_ - 1);
  // One mark for the span that changed: a tick is drawn a pixel at a time.
  int first = y2 + 1, last = y1 - 1;
  for (int y = y1; y <= y2; ++y) {
    std::uint8_t& p = pixels_[index(x, y)];
    if (p != value) {
      p = value;
      first = std::min(first, y);
      last = y;
    }
  }
  if (first <= last) mark_changed(x, first, x, last);
}

void RasterCanvas::rectangle(int x1, int y1, int x2, int y2, std::uint8_t value) {
  // One mark around the rows that changed: a scaled tick is a rectangle.
  int left = width_, right = -1, top = -1, bottom = -1;
  for (int y = std::max(y1, 0); y <= std::min(y2, height_ - 1); ++y) {
    const auto [first, last] = fill_span(x1, x2, y, value);
    if (first > last) continue;
    left = std::min(left, first), right = std::max(right, last);
    if (top < 0) top = y;
    bottom = y;
  }
  if (right >= 0) mark_changed(left, top, right, bottom);
}

void RasterCanvas::fill(Colour colour) {
  if (colours_.size() > ColourTable::kPaletteSize) {
    // Every pixel takes the fill colour, so the colours added since the
    // last fill are free again; the indices change, so all of it is shown
    // afresh. (Never for the chart, which paints the palette only.)
    fill_value_ = colours_.keep_only(colour);
    for (Shades& known : shades_) known.known = false;
    std::fill_n(pixels_.data(), pixels_.size(), fill_value_);
    mark_changed(0, 0, width_ - 1, height_ - 1);
  } else {
    fill_value_ = colours_.index_of(colour);
    rectangle(0, 0, width_ - 1, height_ - 1, fill_value_);
  }
  if (std::find(text_shown_.begin(), text_shown_.end(), 1) != text_shown_.end()) {
    std::fill(text_shown_.begin(), text_shown_.end(), 0);
    mark_changed(0, 0, width_ - 1, height_ - 1);
  }
  std::fill(drawn_tiles_.begin(), drawn_tiles_.end(), 0);
}

bool RasterCanvas::as_filled(int x1, int y1, int x2, int y2) const {
  x1 = std::max(x1, 0), y1 = std::max(y1, 0);
  x2 = std::min(x2, width_ - 1), y2 = std::min(y2, height_ - 1);
  for (int ty = y1 / kTileHeight; ty <= y2 / kTileHeight && x1 <= x2; ++ty)
    for (int tx = x1 / kTileWidth; tx <= x2 / kTileWidth; ++tx)
      if (drawn_tiles_[static_cast<std::size_t>(ty) * tiles_across_ + tx] != 0) return false;
  return true;
}

void RasterCanvas::line(double x1, double y1, double x2, double y2, Colour colour) {
  line_at(pixel_of(x1), pixel_of(y1), pixel_of(x2), pixel_of(y2), colour);
}

void RasterCanvas::line_at(int ax, int ay, int bx, int by, Colour colour) {
  const std::uint8_t value = colours_.index_of(colour);
  if (value == fill_value_) {
    const int w = scale_.line_width();
    const int left = std::min(ax, bx), right = std::max(ax, bx), top = std::min(ay, by), bottom = std::max(ay, by);
    if (as_filled(std::min(scale_.edge(left), scale_.band(left)), std::min(scale_.edge(top), scale_.band(top)),
                  std::max(scale_.edge(right + 1), scale_.band(right) + w),
                  std::max(scale_.edge(bottom + 1), scale_.band(bottom) + w)))
      return;
  }
  if (!scale_.is_one()) return scaled_line(ax, ay, bx, by, value);
  if (!text_shown_.empty()) {
    if (ax == bx || ay == by) {
      uncover(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by));
    } else {
      for_each_line_pixel(ax, ay, bx, by, [this](int x, int y) { uncover(x, y, x, y); });
    }
  }
  // Both end points are drawn.
  if (ay == by) return horizontal(std::min(ax, bx), std::max(ax, bx), ay, value);
  if (ax == bx) return vertical(ax, std::min(ay, by), std::max(ay, by), value);
  for_each_line_pixel(ax, ay, bx, by, [&](int x, int y) { plot(x, y, value); });
}

const std::vector<std::pair<int, int>>& RasterCanvas::circle_outline(int r) {
  auto& outline = circle_outlines_[r];
  if (!outline.empty()) return outline;
  for_each_ring_offset(r, [&outline](int dx, int dy) { outline.emplace_back(dx, dy); });
  std::sort(outline.begin(), outline.end());
  outline.erase(std::unique(outline.begin(), outline.end()), outline.end());
  return outline;
}

void RasterCanvas::circle(double x, double y, double radius, Colour colour) {
  circle_at(pixel_of(x), pixel_of(y), radius_of(radius), colour);
}

void RasterCanvas::circle_at(int cx, int cy, int r, Colour colour) {
  const std::uint8_t value = colours_.index_of(colour);
  if (value == fill_value_) {
    const RingPlace place = ring_place(scale_, cx, cy);
    const int reach = static_cast<int>(std::ceil(scale_.factor() * r + scale_.line_width() / 2.0)) + 2;
    if (as_filled(place.origin_x - reach, place.origin_y - reach, place.origin_x + reach, place.origin_y + reach))
      return;
  }
  if (!scale_.is_one()) return scaled_circle(cx, cy, r, value);
  for (const auto& [dx, dy] : circle_outline(r)) {
    if (!text_shown_.empty()) uncover(cx + dx, cy + dy, cx + dx, cy + dy);
    plot(cx + dx, cy + dy, value);
  }
}

void RasterCanvas::scaled_line(int ax, int ay, int bx, int by, std::uint8_t value) {
  const int w = scale_.line_width();
  // Along the line, the blocks of its pixels (at least one device pixel);
  // across it, a band of w pixels about their centres.
  const auto along = [&](int a, int b, int& first, int& last) {
    first = scale_.edge(std::min(a, b));
    last = std::max(first, scale_.edge(std::max(a, b) + 1) - 1);
  };
  int first = 0, last = 0;
  if (ay == by) {
    along(ax, bx, first, last);
    return rectangle(first, scale_.band(ay), last, scale_.band(ay) + w - 1, value);
  }
  if (ax == bx) {
    along(ay, by, first, last);
    return rectangle(scale_.band(ax), first, scale_.band(ax) + w - 1, last, value);
  }
  // Slanted (the chart draws none): the picture pixels of the line, each as
  // a w by w square about its block's centre.
  for_each_line_pixel(ax, ay, bx, by, [&](int x, int y) {
    rectangle(scale_.band(x), scale_.band(y), scale_.band(x) + w - 1, scale_.band(y) + w - 1, value);
  });
}

const std::vector<Span>& RasterCanvas::scaled_ring(int radius, double fraction_x, double fraction_y) {
  if (scaled_rings_.size() >= kScaledRingLimit) scaled_rings_.clear();
  const RingKey key{radius, fraction_x, fraction_y};
  if (const auto found = scaled_rings_.find(key); found != scaled_rings_.end()) return found->second;
  return scaled_rings_.emplace(key, ring_spans(scale_, radius, fraction_x, fraction_y)).first->second;
}

void RasterCanvas::scaled_circle(int cx, int cy, int radius, std::uint8_t value) {
  const RingPlace place = ring_place(scale_, cx, cy);
  for (const Span& span : scaled_ring(radius, place.fraction_x, place.fraction_y))
    horizontal(place.origin_x + span.x1, place.origin_x + span.x2, place.origin_y + span.dy, value);
}

const RasterCanvas::PrintedBlock& RasterCanvas::printed_block(std::string_view text, const PixelScale& scale,
                                                              PrintedBlocks& blocks) {
  if (blocks.size() >= kPrintedBlockLimit) blocks.clear();
  if (const auto found = blocks.find(text); found != blocks.end()) return found->second;

  const double s = scale.factor();
  const std::optional<TextInk> rendered =
      text_renderer_ != nullptr ? std::optional(text_renderer_->render(text, s)) : std::nullopt;
  const TextInk* ink = rendered ? &*rendered : nullptr;
  PrintedBlock block;
  block.cells_width = std::max(static_cast<int>(text.size()) * kCellWidth, ink != nullptr ? ink->cells_width : 0);
  block.width = scale.is_one() ? block.cells_width : static_cast<int>(std::floor(block.cells_width * s)) + 1;
  block.height = scale.is_one() ? kCellHeight : static_cast<int>(std::floor(kCellHeight * s)) + 1;
  block.ink.assign(static_cast<std::size_t>(block.width) * block.height, 0);
  for (int row = 0; ink != nullptr && row < std::min(ink->height, block.height); ++row)
    for (int column = 0; column < ink->width; ++column) {
      const std::uint8_t level = ink_level(ink->ink[static_cast<std::size_t>(row) * ink->width + column]);
      if (level == 0) continue;
      if (column < block.width) {
        block.ink[static_cast<std::size_t>(row) * block.width + column] = level;
      } else if (scale.is_one()) {
        block.overhang.push_back({column, row, level});
      }
    }
  return blocks.emplace(std::string(text), std::move(block)).first->second;
}

void RasterCanvas::text(double x, double y, std::string_view text, Colour fore, Colour back) {
  text_at(pixel_of(x), pixel_of(y), text, fore, back);
}

void RasterCanvas::text_at(int left, int top, std::string_view text, Colour fore, Colour back) {
  // The cells' device pixels: from the blocks of their first picture pixel
  // to those of their last.
  const int device_left = scale_.edge(left), device_top = scale_.edge(top);
  const int device_bottom = scale_.edge(top + kCellHeight);
  // Most prints repeat the text already there (clock mode reprints its
  // read-outs 66 times a second): when nothing under it changed since, skip
  // it without touching its pixels, which are cold by then.
  const int x1 = std::max(device_left, 0), y1 = std::max(device_top, 0);
  const int y2 = std::min(device_bottom, height_) - 1;
  if (x1 >= width_ || y1 > y2) return;
  const auto place =
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(left)) << 32) | static_cast<std::uint32_t>(top);
  PrintMemo& memo = print_memos_[(place * 0x9e3779b97f4a7c15u) >> 56];
  if (memo.place == place && memo.text == text && memo.fore == fore && memo.back == back &&
      memo.tile_changes == tile_changes(x1, y1, memo.right, y2))
    return;

  const PrintedBlock& block = printed_block(text, scale_, printed_blocks_);
  const int columns = scale_.edge(left + block.cells_width) - device_left;
  const int rows = device_bottom - device_top;
  // All the shades are in the table before a pixel changes.
  const std::array<std::uint8_t, kInkLevels>& shade = shades(fore, back).values;
  const auto pixel_of_ink = [&shade](std::uint8_t level) { return shade[level]; };
  // Copy the block row by row, only where it differs from the picture.
  const int first = x1, last = std::min(device_left + columns, width_) - 1;
  for (int row = 0; row < rows && first <= last; ++row) {
    const int py = device_top + row;
    if (py < 0 || py >= height_) continue;
    const std::uint8_t* source = &block.ink[static_cast<std::size_t>(row) * block.width + (first - device_left)];
    std::uint8_t* target = &pixels_[index(first, py)];
    const int count = last - first + 1;
    std::uint8_t differ = 0;
    for (int i = 0; i < count; ++i) differ |= target[i] ^ pixel_of_ink(source[i]);
    if (differ == 0) continue;
    for (int i = 0; i < count; ++i) target[i] = pixel_of_ink(source[i]);
    mark_changed(first, py, last, py);
  }
  for (const auto& [column, row, level] : block.overhang) plot(left + column, top + row, shade[level]);
  if (!text_shown_.empty()) {
    // Set at its own size, the text may differ from the last one there
    // where the drawn pixels do not.
    print_shown(left, top, text, shade);
    if (first <= last) mark_changed(first, y1, last, y2);
  }

  // The memo covers the cells and any ink beyond them.
  int right = device_left + columns - 1;
  for (const auto& [column, row, level] : block.overhang) right = std::max(right, left + column);
  memo.place = place;
  memo.right = std::min(right, width_ - 1);
  memo.fore = fore;
  memo.back = back;
  memo.text = text;
  memo.tile_changes = tile_changes(x1, y1, memo.right, y2);
}

RasterCanvas::TextReach RasterCanvas::text_reach(std::string_view text) {
  const int least = static_cast<int>(text.size()) * kCellWidth;
  if (!scale_.is_one()) {
    // The cells clip the ink.
    const int cells = std::max(least, text_renderer_ != nullptr ? text_renderer_->cells_width(text) : 0);
    return {cells, cells};
  }
  const PrintedBlock& block = printed_block(text, scale_, printed_blocks_);
  TextReach reach{block.width, block.width};
  for (const auto& [column, row, level] : block.overhang) reach.ink = std::max(reach.ink, column + 1);
  return reach;
}

void RasterCanvas::print_shown(int left, int top, std::string_view text,
                               const std::array<std::uint8_t, kInkLevels>& shade) {
  const PrintedBlock& block = printed_block(text, shown_scale_, shown_blocks_);
  const int x0 = shown_scale_.edge(left), y0 = shown_scale_.edge(top);
  const int x1 = std::min(shown_scale_.edge(left + block.cells_width), shown_width_);
  const int y1 = std::min(shown_scale_.edge(top + kCellHeight), shown_height_);
  for (int y = std::max(y0, 0); y < y1; ++y)
    for (int x = std::max(x0, 0); x < x1; ++x) {
      const auto i = static_cast<std::size_t>(y) * shown_width_ + x;
      shown_texts_[i] = shade[block.ink[static_cast<std::size_t>(y - y0) * block.width + (x - x0)]];
      text_shown_[i] = 1;
    }
}

void RasterCanvas::uncover(int x1, int y1, int x2, int y2) {
  x1 = std::max(x1, 0), y1 = std::max(y1, 0);
  x2 = std::min(x2, width_ - 1), y2 = std::min(y2, height_ - 1);
  if (x1 > x2 || y1 > y2) return;
  const PixelRect area = shown_area(x1, y1, x2 + 1, y2 + 1);
  bool any = false;
  for (int y = area.y; y < area.y + area.height; ++y) {
    std::uint8_t* row = &text_shown_[static_cast<std::size_t>(y) * shown_width_];
    for (int x = area.x; x < area.x + area.width; ++x) {
      any = any || row[x] != 0;
      row[x] = 0;
    }
  }
  // The text there shows otherwise now, and is printed again in full.
  if (any) mark_changed(x1, y1, x2, y2);
}

const RasterCanvas::Shades& RasterCanvas::shades(Colour fore, Colour back) {
  fore &= 0xffffffu, back &= 0xffffffu;
  Shades& known = shades_[((fore * 0x9e3779b1u) ^ back) * 0x85ebca6bu >> 28];
  if (known.known && known.fore == fore && known.back == back) return known;
  Shades fresh{fore, back, true, {}};
  for (int level = 0; level < kInkLevels; ++level)
    fresh.values[static_cast<std::size_t>(level)] = colours_.index_of(blend(fore, back, level));
  known = fresh;
  return known;
}

void RasterCanvas::copy_rgb32(const PixelRect& area, std::uint32_t* target, std::size_t stride) const {
  if (!column_taps_.empty()) {
    for (int y = 0; y < area.height; ++y, target += stride)
      for (int x = 0; x < area.width; ++x) target[x] = shown_pixel(area.x + x, area.y + y);
    return;
  }
  const auto& colours = colours_.opaque_colours();
  // Most of the picture is its ground: eight pixels of it are stored at
  // once, without looking each up.
  constexpr int kGroup = 8;
  std::uint64_t ground_group = 0;
  std::memset(&ground_group, fill_value_, sizeof ground_group);
  const std::uint32_t ground = colours[fill_value_];
  for (int y = 0; y < area.height; ++y, target += stride) {
    const std::uint8_t* source = pixels_.data() + index(area.x, area.y + y);
    int x = 0;
    for (; x + kGroup <= area.width; x += kGroup) {
      std::uint64_t group = 0;
      std::memcpy(&group, source + x, sizeof group);
      if (group == ground_group) {
        std::fill_n(target + x, kGroup, ground);
      } else {
        for (int k = 0; k < kGroup; ++k) target[x + k] = colours[source[x + k]];
      }
    }
    for (; x < area.width; ++x) target[x] = colours[source[x]];
  }
}

PixelRect RasterCanvas::shown_area(int left, int top, int right, int bottom) const {
  if (column_taps_.empty()) return {left, top, right - left, bottom - top};
  // The shown pixels whose footprints reach into the drawn area.
  const auto first = [this](int drawn, int shown) {
    return std::clamp(static_cast<int>(std::floor(drawn * factor_ - kEdgeSlack)), 0, shown);
  };
  const auto end = [this](int drawn, int shown) {
    return std::clamp(static_cast<int>(std::ceil(drawn * factor_ + kEdgeSlack)), 0, shown);
  };
  const int x = first(left, shown_width_), y = first(top, shown_height_);
  return {x, y, end(right, shown_width_) - x, end(bottom, shown_height_) - y};
}

std::vector<PixelRect> RasterCanvas::take_changed_areas() {
  std::vector<PixelRect> areas;
  if (!any_changed_) return areas;
  // One rectangle per run of changed tiles in a tile row, around what
  // changed in them.
  for (int ty = 0; ty < tiles_down_; ++ty) {
    TileChange* row = &changed_tiles_[static_cast<std::size_t>(ty) * tiles_across_];
    const std::size_t row_start = areas.size();  // its areas as {left, top, right, bottom} until the row ends
    for (int tx = 0; tx < tiles_across_;) {
      if (!row[tx].any()) {
        ++tx;
        continue;
      }
      const int left = tx * kTileWidth + row[tx].left;
      int top = kTileHeight, bottom = 0, right = 0;
      for (; tx < tiles_across_ && row[tx].any(); ++tx) {
        top = std::min<int>(top, row[tx].top);
        bottom = std::max<int>(bottom, row[tx].bottom);
        right = tx * kTileWidth + row[tx].right;
        row[tx] = TileChange{};
      }
      areas.push_back({left, top, right, bottom});
    }
    // The row's areas share its changes' top and bottom, so that they form
    // one band of a region.
    int top = kTileHeight, bottom = 0;
    for (std::size_t i = row_start; i < areas.size(); ++i)
      top = std::min(top, areas[i].y), bottom = std::max(bottom, areas[i].height);
    const int y = ty * kTileHeight;
    for (std::size_t i = row_start; i < areas.size(); ++i) {
      PixelRect& area = areas[i];
      area = shown_area(area.x, y + top, std::min(area.width + 1, width_), std::min(y + bottom + 1, height_));
    }
  }
  any_changed_ = false;
  return areas;
}

}  // namespace pelmora
