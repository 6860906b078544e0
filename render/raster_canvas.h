// The picture's pixels at a scale of s device pixels per picture pixel: a
// byte a pixel naming a colour of its table, drawn by a small exact
// rasteriser (lines, circle outlines) and a text blitter, with a record of
// the screen areas whose pixels really changed. At scale 1 lines and
// circles are one pixel wide; above 1 every figure lands where
// pixel_scale.h says. Below 1 the picture is drawn at 1 and its figures
// are shown through an area filter (area_filter.h): a one-pixel figure
// cannot be drawn thinner than a pixel without losing parts of it. Texts
// there are set at their own size on the shown pixels of their cells,
// which read as the text until a figure is drawn across them. Texts are smooth at
// every scale: their glyphs' coverage, in kInkLevels steps, blends the ink
// with the cells' own colour, never with what was under them, so that a
// print's pixels still depend on the print alone.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "render/area_filter.h"
#include "render/colour_table.h"
#include "render/picture.h"
#include "render/pixel_buffer.h"
#include "render/pixel_scale.h"

namespace pelmora {

// A printed text as ink at a scale: `width` by `height` device pixels from
// the top-left corner of its cells, one byte a pixel (the glyphs' coverage,
// 0 none to 255 whole), and the width of its painted cells in picture
// pixels.
struct TextInk {
  int width = 0;
  int height = 0;
  int cells_width = 0;
  std::vector<std::uint8_t> ink;
};

// Lays out texts in the picture's font, at s times its size.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  virtual TextInk render(std::string_view text, double scale) = 0;
  // The width of a print's cells in picture pixels, as render gives it,
  // without drawing.
  virtual int cells_width(std::string_view text) = 0;
};

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

class RasterCanvas final : public PixelCanvas {
 public:
  // Without a text renderer, texts paint their cells but no ink. The
  // picture starts filled with the background. A picture holds up to 256
  // colours between fills: a figure in one more throws std::length_error
  // and changes nothing.
  explicit RasterCanvas(TextRenderer* text_renderer = nullptr, double scale = 1.0, Colour background = 0);
  RasterCanvas(const RasterCanvas&) = delete;
  RasterCanvas& operator=(const RasterCanvas&) = delete;

  void fill(Colour colour) override;
  void line(double x1, double y1, double x2, double y2, Colour colour) override;
  void circle(double x, double y, double radius, Colour colour) override;
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override;
  // The same with the coordinates already placed on whole pixels
  // (pixel_of, radius_of).
  void line_at(int x1, int y1, int x2, int y2, Colour colour);
  void circle_at(int x, int y, int radius, Colour colour);
  void text_at(int x, int y, std::string_view text, Colour fore, Colour back);

  // Shades of a text's ink between its cells' colour and its own.
  static constexpr int kInkLevels = 16;

  // The scale shown, and the one drawn at (1 below 1).
  double factor() const { return factor_; }
  const PixelScale& scale() const { return scale_; }
  // In device pixels: the scaled picture size, rounded to the nearest pixel.
  int width() const { return shown_width_; }
  int height() const { return shown_height_; }
  // The pixel shown at (x, y) as 0xRRGGBB.
  Colour pixel(int x, int y) const;
  // The pixels as drawn, row by row, drawn_width() bytes a row: each the
  // index of its colour in colours(). The same as shown from scale 1 up.
  int drawn_width() const { return width_; }
  int drawn_height() const { return height_; }
  const std::uint8_t* indices() const { return pixels_.data(); }
  const ColourTable& colours() const { return colours_; }
  // Shows the picture in another colour scheme: the pixels stay, all of
  // them count as changed.
  void show_colours_as(ColourScheme scheme);
  // An area (within the picture shown) as 0xffRRGGBB values, an RGB32
  // image's pixels, `stride` values a row from `target`.
  void copy_rgb32(const PixelRect& area, std::uint32_t* target, std::size_t stride) const;

  // How far a print of the text reaches to the right of its place, in
  // picture pixels: the cells it paints whole, and everything it paints
  // (at scale 1 ink may overhang the cells).
  struct TextReach {
    int cells = 0, ink = 0;
  };
  TextReach text_reach(std::string_view text);

  // The areas whose pixels changed since the last call, as rectangles that
  // cover what changed in each tile (a run of changed tiles in a row as one
  // rectangle); empty when nothing changed.
  std::vector<PixelRect> take_changed_areas();

 private:
  static constexpr int kTileWidth = 32;
  static constexpr int kTileHeight = 16;
  // What changed in a tile since the changes were last taken: the
  // rectangle that holds it, inclusive, from the tile's corner; none while
  // left > right. The window shows only these pixels afresh: a step of the
  // chart changes some 4,000 of the 80,000 its tiles hold.
  struct TileChange {
    // Empty, a rectangle that any change's minimum and maximum replace.
    std::uint8_t left = kTileWidth, top = kTileHeight, right = 0, bottom = 0;
    bool any() const { return left <= right; }
    void add(int x1, int y1, int x2, int y2) {
      left = std::min(left, static_cast<std::uint8_t>(x1));
      top = std::min(top, static_cast<std::uint8_t>(y1));
      right = std::max(right, static_cast<std::uint8_t>(x2));
      bottom = std::max(bottom, static_cast<std::uint8_t>(y2));
    }
  };

  // A printed text ready to copy: its cells row by row, a byte a pixel
  // (its ink's shade: 0 the cells' colour to kInkLevels - 1 the ink's), and
  // the ink that overhangs the cells (its shades drawn without the cells;
  // at scale 1 only, elsewhere the cells clip the ink). A byte rather than
  // the pixel itself keeps a full turn's texts in a quarter of the memory. At a scale other than 1 the block is as
  // wide and high as the cells can come out, one pixel more than the scaled
  // size; each print copies the part its cells cover.
  struct PrintedBlock {
    int width = 0;
    int height = 0;
    int cells_width = 0;  // in picture pixels
    std::vector<std::uint8_t> ink;
    struct Overhang {
      int column, row;
      std::uint8_t level;
    };
    std::vector<Overhang> overhang;
  };
  // The colours of the ink's shades for one pair of colours.
  struct Shades {
    Colour fore = 0, back = 0;
    bool known = false;
    std::array<std::uint8_t, kInkLevels> values{};
  };
  // Texts are looked up by view, without building a string each time.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  // The text last printed at a place, and the change count of the tiles it
  // covers just after: the same text printed there again over unchanged
  // tiles is already on the picture.
  struct PrintMemo {
    std::uint64_t place = ~std::uint64_t{0};  // left and top of the print
    int right = 0;                            // the last column the print may have touched
    Colour fore = 0, back = 0;
    std::uint64_t tile_changes = 0;
    std::string text;
  };

  std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  std::uint64_t tile_changes(int x1, int y1, int x2, int y2) const;
  using PrintedBlocks = std::unordered_map<std::string, PrintedBlock, TextHash, std::equal_to<>>;
  const PrintedBlock& printed_block(std::string_view text, const PixelScale& scale, PrintedBlocks& blocks);
  // Below 1: a text at the shown scale on the shown pixels of its cells,
  // and a drawn area's shown pixels given back to the figures.
  void print_shown(int left, int top, std::string_view text, const std::array<std::uint8_t, kInkLevels>& shade);
  void uncover(int x1, int y1, int x2, int y2);
  const Shades& shades(Colour fore, Colour back);
  std::uint32_t shown_pixel(int x, int y) const;
  // A drawn area, [left, right) by [top, bottom), as the shown pixels it
  // touches.
  PixelRect shown_area(int left, int top, int right, int bottom) const;
  // Rounding room where a drawn edge is mapped to a shown one.
  static constexpr double kEdgeSlack = 1e-9;
  const std::vector<std::pair<int, int>>& circle_outline(int radius);
  const std::vector<Span>& scaled_ring(int radius, double fraction_x, double fraction_y);
  void scaled_line(int ax, int ay, int bx, int by, std::uint8_t value);
  void scaled_circle(int cx, int cy, int radius, std::uint8_t value);
  void plot(int x, int y, std::uint8_t value);
  // Fills a row's span, unmarked; gives the part that changed (first >
  // last: none).
  std::pair<int, int> fill_span(int x1, int x2, int y, std::uint8_t value);
  void horizontal(int x1, int x2, int y, std::uint8_t value);
  void vertical(int x, int y1, int y2, std::uint8_t value);
  void rectangle(int x1, int y1, int x2, int y2, std::uint8_t value);
  void mark_changed(int x, int y);
  void mark_changed(int x1, int y1, int x2, int y2);
  // Whether the area (clipped) holds nothing but the last fill: a figure in
  // the fill colour there changes nothing, and is not drawn. A picture
  // rebuilt at another scale has thousands of erased figures.
  bool as_filled(int x1, int y1, int x2, int y2) const;

  TextRenderer* text_renderer_;
  double factor_;
  PixelScale scale_;
  int width_, height_;  // as drawn
  int shown_width_, shown_height_;
  // Below scale 1: the drawn pixels under each shown column and row; the
  // texts at the shown scale, and which shown pixels show them (1) rather
  // than the filtered figures (0).
  PixelScale shown_scale_;
  std::vector<AreaTaps> column_taps_, row_taps_;
  PrintedBlocks shown_blocks_;
  std::vector<std::uint8_t> shown_texts_, text_shown_;
  // The shades last used, by a hash of their colours; forgotten when the
  // colour table starts afresh.
  std::array<Shades, 16> shades_;
  int tiles_across_, tiles_down_;
  PrintedBlocks printed_blocks_;
  std::unordered_map<int, std::vector<std::pair<int, int>>> circle_outlines_;
  // Scaled rings by radius and the fractions of their centre.
  struct RingKey {
    int radius;
    double fraction_x, fraction_y;
    bool operator==(const RingKey&) const = default;
  };
  struct RingKeyHash {
    std::size_t operator()(const RingKey& key) const;
  };
  std::unordered_map<RingKey, std::vector<Span>, RingKeyHash> scaled_rings_;
  ColourTable colours_;
  PixelBuffer pixels_;
  std::vector<TileChange> changed_tiles_;
  std::vector<std::uint32_t> tile_change_counts_;
  std::vector<std::uint8_t> drawn_tiles_;  // changed since the last fill
  std::uint8_t fill_value_;
  // Direct-mapped by place: a handful of lines of memory to look at, where
  // a collision only costs the full comparison.
  std::array<PrintMemo, 256> print_memos_;
  bool any_changed_ = false;
};

// A coordinate as the rasteriser places it: the nearest pixel, halves up;
// far outside the picture (or not a number), a million pixels out, so that
// integer loops stay small and nothing overflows. Inline and without a
// call to floor: every figure's coordinates pass here.
inline int pixel_of(double coordinate) {
  double v = coordinate;
  if (!(v >= -1.0e6)) v = -1.0e6;
  if (!(v <= 1.0e6)) v = 1.0e6;
  const double t = v + 0.5;
  const int i = static_cast<int>(t);  // towards zero
  return i > t ? i - 1 : i;
}
// A circle's radius as the rasteriser draws it, in whole pixels.
int radius_of(double radius);

}  // namespace pelmora
