// The picture's pixels: a 1241 by 921 buffer of 0xffRRGGBB values, drawn by
// a small exact rasteriser (one-pixel lines, circle outlines) and a text
// blitter, with a record of the screen areas whose pixels really changed.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "render/picture.h"

namespace pelmora {

// A printed text as ink: `width` by 16 pixels, one byte a pixel (non-zero is
// ink), and the width of its painted cells.
struct TextInk {
  int width = 0;
  int cells_width = 0;
  std::vector<std::uint8_t> ink;
};

// Lays out texts in the picture's font.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  virtual TextInk render(std::string_view text) = 0;
};

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

class RasterCanvas : public PixelCanvas {
 public:
  // Without a text renderer, texts paint their cells but no ink.
  explicit RasterCanvas(TextRenderer* text_renderer = nullptr);

  void fill(Colour colour) override;
  void line(double x1, double y1, double x2, double y2, Colour colour) override;
  void circle(double x, double y, double radius, Colour colour) override;
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override;

  int width() const { return kPictureWidth; }
  int height() const { return kPictureHeight; }
  // The pixel at (x, y) as 0xRRGGBB.
  Colour pixel(int x, int y) const { return pixels_[index(x, y)] & 0xffffffu; }
  const std::uint32_t* data() const { return pixels_.data(); }
  std::uint32_t* data() { return pixels_.data(); }

  // The areas whose pixels changed since the last call, as rectangles that
  // cover the changed tiles; empty when nothing changed.
  std::vector<PixelRect> take_changed_areas();

 private:
  static constexpr int kTileWidth = 32;
  static constexpr int kTileHeight = 16;
  static constexpr int kTilesAcross = (kPictureWidth + kTileWidth - 1) / kTileWidth;
  static constexpr int kTilesDown = (kPictureHeight + kTileHeight - 1) / kTileHeight;

  // A printed text ready to copy: its cells row by row, a byte a pixel
  // (1 is ink, 0 background), and the ink that overhangs the cells
  // (drawn without background). A byte rather than the pixel itself keeps a
  // full turn's texts in a quarter of the memory.
  struct PrintedBlock {
    int width = 0;
    std::vector<std::uint8_t> ink;
    std::vector<std::pair<int, int>> overhang;
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

  static std::size_t index(int x, int y) { return static_cast<std::size_t>(y) * kPictureWidth + x; }
  std::uint64_t tile_changes(int x1, int y1, int x2, int y2) const;
  const PrintedBlock& printed_block(std::string_view text);
  const std::vector<std::pair<int, int>>& circle_outline(int radius);
  void plot(int x, int y, std::uint32_t value);
  void horizontal(int x1, int x2, int y, std::uint32_t value);
  void vertical(int x, int y1, int y2, std::uint32_t value);
  void mark_changed(int x, int y);
  void mark_changed(int x1, int y1, int x2, int y2);

  TextRenderer* text_renderer_;
  std::unordered_map<std::string, PrintedBlock, TextHash, std::equal_to<>> printed_blocks_;
  std::unordered_map<int, std::vector<std::pair<int, int>>> circle_outlines_;
  std::vector<std::uint32_t> pixels_;
  std::vector<std::uint8_t> changed_tiles_;
  std::vector<std::uint32_t> tile_change_counts_;
  // Direct-mapped by place: a handful of lines of memory to look at, where
  // a collision only costs the full comparison.
  std::array<PrintMemo, 256> print_memos_;
  bool any_changed_ = false;
};

// A coordinate as the rasteriser places it: the nearest pixel, halves up.
int pixel_of(double coordinate);

}  // namespace pelmora
