#include "platform.h"

#include <array>

namespace pelmora {

Colour palette_colour(Integer index) {
  static constexpr std::array<Colour, 16> kPalette = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
      0x808080, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff,
  };
  if (index < 0 || index > 15) raise_invalid_argument();
  return kPalette[static_cast<std::size_t>(index.value())];
}

}  // namespace pelmora
