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

#include "render/colour_table.h"
#include "render/picture.h"

namespace pelmora {

class FigureRecord {
 public:
  // Figures are ordered by a 32-bit count of uses; when it reaches
  // use_limit they are numbered afresh in their order (every day or two
  // of simulation mode at the default).
  explicit FigureRecord(std::uint32_t use_limit = UINT32_MAX);

  // Coordinates are whole picture pixels, as the canvas places them.
  // Colours are 0xRRGGBB; a figure in one more colour than a picture holds
  // between fills throws std::length_error, as the canvas does.
  void clear(Colour background);
  void line(int x1, int y1, int x2, int y2, Colour colour) {
    note({x1, y1, x2, y2, hash_of(Kind::line, x1, y1, x2, y2), Kind::line, index_of(colour), 0});
  }
  void circle(int x, int y, int radius, Colour colour) {
    note({x, y, radius, 0, hash_of(Kind::circle, x, y, radius, 0), Kind::circle, index_of(colour), 0});
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
  enum class Kind : std::uint8_t { line, circle, text };
  // A figure's key: line x1 y1 x2 y2; circle x y radius 0; text x y, and
  // where its text is kept and 0 (as drawn: where it waits, and its length).
  struct Key {
    int a, b, c, d;
  };
  // A figure as drawn, its colours as places in the colour table.
  struct Drawn {
    int a, b, c, d;
    std::uint32_t hash;  // of the kind and key; for a text, of its text too
    Kind kind;
    std::uint8_t colour, back;
  };
  // A figure kept, in 16 bytes (some 80,000 after a full turn of the
  // chart): its key as 16-bit numbers, but a text keeps the two halves of
  // its text's number in c and d, and an outsized figure (one whose
  // coordinates need more bits) the two halves of its key's place in
  // outsized_.
  struct Figure {
    std::int16_t a, b, c, d;
    Kind kind;
    bool outsized;
    std::uint8_t colour, back;
    std::uint32_t last_use;
  };
  static_assert(sizeof(Figure) == 16);

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
  // A colour's place in the table; a pass draws runs of figures in one
  // colour, so the last one is kept at hand.
  std::uint8_t index_of(Colour colour) {
    if (colour != last_colour_) {
      last_index_ = colours_.index_of(colour);
      last_colour_ = colour;
    }
    return last_index_;
  }
  static std::uint32_t hash_of(Kind kind, int a, int b, int c, int d) {
    const auto pair = [](int high, int low) {
      return static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32 | static_cast<std::uint32_t>(low);
    };
    const std::uint64_t h = (pair(a, b) * 0x9e3779b97f4a7c15u ^ pair(c, d)) * 0xff51afd7ed558ccdu;
    return static_cast<std::uint32_t>(h >> 32) ^ static_cast<std::uint32_t>(kind);
  }
  static std::uint32_t text_hash_of(int x, int y, std::string_view text);
  std::string_view noted_text(const Drawn& drawn) const {
    return std::string_view(noted_texts_)
        .substr(static_cast<std::uint32_t>(drawn.c), static_cast<std::uint32_t>(drawn.d));
  }
  Key key_of(const Figure& figure) const;
  // Whether a kept figure of the drawn one's kind has its key.
  bool same_figure(const Figure& figure, const Drawn& drawn) const;
  std::uint32_t hash_of(const Figure& figure) const;
  std::string_view text_of(std::uint32_t number) const;
  Figure kept(const Drawn& drawn);
  void grow();
  void renumber();

  static constexpr std::size_t kNotedLimit = 256;
  // A slot holds the top 8 bits of its figure's hash above the figure's
  // index + 1 (0: a free slot), so that a probe rarely reads a figure
  // that is not the one it looks for.
  static constexpr int kIndexBits = 24;
  static constexpr std::uint32_t kIndexMask = (1u << kIndexBits) - 1;
  static constexpr std::size_t kMaxFigures = kIndexMask - 1;

  Colour background_ = 0;
  std::uint32_t use_limit_;
  std::uint32_t uses_ = 0;
  ColourTable colours_;
  Colour last_colour_ = 0;
  std::uint8_t last_index_ = 0;
  // Every figure since the clear, in the order they were first drawn.
  std::vector<Figure> figures_;
  std::vector<Key> outsized_;
  // The texts, one after the other, and where each ends.
  std::string texts_;
  std::vector<std::uint32_t> text_ends_;
  // The figures by their hash. Open addressing, linear probing; at most
  // three quarters full.
  std::vector<std::uint32_t> slots_;
  // Drawn, not yet entered; the texts of those that are texts.
  std::unique_ptr<Drawn[]> noted_;
  std::size_t noted_count_ = 0;
  std::string noted_texts_;
};

}  // namespace pelmora
