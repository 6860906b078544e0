// What is on the picture since its last clear, as the figures that put it
// there, kept small enough to keep for as long as the picture lives. Every
// figure paints each pixel of its footprint opaquely, and the footprint
// depends only on the kind, the whole-pixel geometry and, for a text, the
// text. So of the figures with one footprint only the last counts, and the
// picture is the clear followed by the last figure of each footprint, in
// the order of those last uses. The record grows with the distinct figures
// drawn since the clear, not with time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "render/picture.h"

namespace pelmora {

class FigureRecord {
 public:
  FigureRecord();

  // Coordinates are whole picture pixels, as the canvas places them.
  void clear(Colour background);
  void line(int x1, int y1, int x2, int y2, Colour colour) {
    note({x1, y1, x2, y2, Kind::line, colour, 0, hash_of(Kind::line, x1, y1, x2, y2)});
  }
  void circle(int x, int y, int radius, Colour colour) {
    note({x, y, radius, 0, Kind::circle, colour, 0, hash_of(Kind::circle, x, y, radius, 0)});
  }
  void text(int x, int y, std::string_view text, Colour fore, Colour back);

  // How far a text printed at a place reaches to the right, in picture
  // pixels: the cells it paints whole, and all it may paint.
  struct TextReach {
    int cells = 0, ink = 0;
  };
  using TextReachOf = std::function<TextReach(std::string_view text)>;

  // The colour of the last clear.
  Colour background() const { return background_; }
  // Draws the figures in the record, in order, on a canvas that shows the
  // background. Given how far texts reach, it leaves out the texts that a
  // later text at the same place paints over whole (the read-outs and
  // scale labels of a day leave many), which changes no pixel.
  void replay(PixelCanvas& canvas, const TextReachOf& reach_of = {});

  // The figures kept, and the memory they take.
  std::size_t size();
  std::size_t bytes() const;

 private:
  enum class Kind : std::uint32_t { line, circle, text };
  // A figure as drawn. Its key is the kind and a, b, c, d: line x1 y1 x2
  // y2; circle x y radius 0; text x y, and where its text is kept.
  struct Drawn {
    int a, b, c, d;
    Kind kind;
    Colour colour, back;
    std::uint32_t hash;  // of the kind and a, b, c, d; for a text, of its text too
  };
  // A figure kept: as last drawn, and when.
  struct Figure {
    Drawn drawn;
    std::uint64_t last_use;
  };

  // Figures are noted as drawn, one after the other, and entered in the
  // table a few hundred at a time. The table is far larger than the
  // processor's caches: entered together, the waits for its memory
  // overlap instead of adding up, and between times drawing has the caches
  // to itself.
  void note(const Drawn& drawn) {
    noted_[noted_count_] = drawn;
    if (++noted_count_ == kNotedLimit) enter_noted();
  }
  void enter_noted();
  static std::uint32_t hash_of(Kind kind, int a, int b, int c, int d) {
    const auto pair = [](int high, int low) {
      return static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32 | static_cast<std::uint32_t>(low);
    };
    const std::uint64_t h = (pair(a, b) * 0x9e3779b97f4a7c15u ^ pair(c, d)) * 0xff51afd7ed558ccdu;
    return static_cast<std::uint32_t>(h >> 32) ^ static_cast<std::uint32_t>(kind);
  }
  std::string_view text_of(const Drawn& drawn, const std::string& texts) const {
    return std::string_view(texts).substr(static_cast<std::uint32_t>(drawn.c), static_cast<std::uint32_t>(drawn.d));
  }
  void grow();

  static constexpr std::size_t kNotedLimit = 256;

  Colour background_ = 0;
  std::uint64_t uses_ = 0;
  // Every figure since the clear, in the order they were first drawn.
  std::vector<Figure> figures_;
  std::string texts_;
  // The figures by their hash. Open addressing, linear probing: figure
  // index + 1, 0 for a free slot; at most half full.
  std::vector<std::uint32_t> slots_;
  // Drawn, not yet entered; the texts of those that are texts.
  std::unique_ptr<Drawn[]> noted_;
  std::size_t noted_count_ = 0;
  std::string noted_texts_;
};

}  // namespace pelmora
