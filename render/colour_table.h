// The colours a picture's pixels stand for. A pixel is kept as one byte, an
// index into this table: the chart paints the 16 colours of the standard
// palette only, and a byte a pixel keeps a picture at scale 3 in 10 MB
// instead of 41. The palette comes first, each colour at its own number;
// any other colour a caller paints is added when first used.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "app/platform.h"
#include "render/colour_scheme.h"

namespace pelmora {

class ColourTable {
 public:
  static constexpr std::size_t kCapacity = 256;
  static constexpr std::size_t kPaletteSize = 16;

  // The palette alone.
  ColourTable();

  // The index of a colour (0xRRGGBB; the top byte is ignored), added when
  // new. Throws std::length_error when the table is full.
  std::uint8_t index_of(Colour colour);
  // The colour at an index, as 0xRRGGBB.
  Colour colour(std::uint8_t index) const { return opaque_[index] & 0xffffffu; }
  // Every entry as it is shown, 0xffRRGGBB, in the table's scheme; those
  // past size() are opaque black.
  const std::array<std::uint32_t, kCapacity>& opaque_colours() const { return shown_; }
  // Shows every entry in another scheme; the indices stay.
  void show_as(ColourScheme scheme);
  ColourScheme scheme() const { return scheme_; }
  std::size_t size() const { return size_; }

  // Back to the palette and the one colour given, which is returned at its
  // new index: for a picture whose every pixel has just been painted in it.
  std::uint8_t keep_only(Colour colour);

 private:
  std::uint8_t add(Colour colour, std::size_t slot);

  // The colours by a hash of their value, open addressing: the colour + 1
  // (0 for a free slot) and its index. Looking a colour up is a step of
  // every figure drawn, so it must cost next to nothing.
  static constexpr std::size_t kSlots = 2 * kCapacity;
  std::array<std::uint32_t, kSlots> keys_{};
  std::array<std::uint8_t, kSlots> slot_indices_{};
  std::array<std::uint32_t, kCapacity> opaque_{};
  std::array<std::uint32_t, kCapacity> shown_{};
  ColourScheme scheme_ = ColourScheme::classic;
  std::size_t size_ = 0;
};

}  // namespace pelmora
