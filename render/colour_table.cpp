#include "render/colour_table.h"

#include <stdexcept>

namespace pelmora {

namespace {

std::size_t slot_of(Colour colour, std::size_t slots) {
  return static_cast<std::size_t>((colour * 0x9e3779b1u) >> 16) & (slots - 1);
}

}  // namespace

ColourTable::ColourTable() { keep_only(palette_colour(0)); }

std::uint8_t ColourTable::index_of(Colour colour) {
  colour &= 0xffffffu;
  for (std::size_t slot = slot_of(colour, kSlots);; slot = (slot + 1) & (kSlots - 1)) {
    if (keys_[slot] == colour + 1) return slot_indices_[slot];
    if (keys_[slot] == 0) return add(colour, slot);
  }
}

std::uint8_t ColourTable::add(Colour colour, std::size_t slot) {
  if (size_ == kCapacity) throw std::length_error("more than 256 colours on one picture");
  const auto index = static_cast<std::uint8_t>(size_++);
  keys_[slot] = colour + 1;
  slot_indices_[slot] = index;
  opaque_[index] = 0xff000000u | colour;
  shown_[index] = 0xff000000u | shown_colour(scheme_, colour);
  return index;
}

std::uint8_t ColourTable::keep_only(Colour colour) {
  keys_.fill(0);
  opaque_.fill(0xff000000u);
  shown_.fill(0xff000000u);
  size_ = 0;
  for (int i = 0; i < static_cast<int>(kPaletteSize); ++i) index_of(palette_colour(i));
  return index_of(colour);
}

void ColourTable::show_as(ColourScheme scheme) {
  scheme_ = scheme;
  for (std::size_t i = 0; i < size_; ++i) shown_[i] = 0xff000000u | shown_colour(scheme, opaque_[i] & 0xffffffu);
}

}  // namespace pelmora
