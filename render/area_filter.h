// A picture shown smaller than it is drawn: each shown pixel is the mean of
// the drawn pixels under it, weighted by how much of each it covers (a box
// filter of the shown pixel's footprint), so that a one-pixel line or a
// glyph's stem keeps its weight instead of vanishing or jumping as a
// nearest-pixel shrink would have it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pelmora {

// The drawn pixels under one shown pixel along an axis: `count` of them
// from `first`, with weights in 1/kAreaWeightOne that add up to exactly
// kAreaWeightOne, so that a uniform area keeps its colour exactly.
inline constexpr int kAreaWeightOne = 256;
// At the smallest scale (0.5) a shown pixel spans two drawn ones, and at
// any scale between 0.5 and 1 it touches at most three.
inline constexpr int kMostAreaTaps = 3;
struct AreaTaps {
  int first = 0;
  int count = 0;
  std::array<std::uint16_t, kMostAreaTaps> weight{};
};

// The taps of each of `shown` pixels over `drawn` pixels, a shown pixel j
// covering the drawn interval [j / factor, (j + 1) / factor), clipped to
// the drawn pixels. For a factor from 0.5 to 1.
std::vector<AreaTaps> area_taps(int drawn, int shown, double factor);

// The shown pixel at (x, y) as 0xffRRGGBB, from a byte-a-pixel picture
// (`stride` bytes a row) and its colours as 0xffRRGGBB.
inline std::uint32_t area_pixel(const std::uint8_t* pixels, std::size_t stride, const std::uint32_t* colours,
                                const AreaTaps& column, const AreaTaps& row) {
  std::uint32_t red = 0, green = 0, blue = 0;
  for (int j = 0; j < row.count; ++j) {
    const std::uint8_t* line = pixels + static_cast<std::size_t>(row.first + j) * stride + column.first;
    for (int i = 0; i < column.count; ++i) {
      const std::uint32_t w = static_cast<std::uint32_t>(row.weight[j]) * column.weight[i];
      const std::uint32_t c = colours[line[i]];
      red += w * ((c >> 16) & 0xffu);
      green += w * ((c >> 8) & 0xffu);
      blue += w * (c & 0xffu);
    }
  }
  constexpr std::uint32_t kWhole = kAreaWeightOne * kAreaWeightOne, kHalf = kWhole / 2;
  return 0xff000000u | ((red + kHalf) / kWhole) << 16 | ((green + kHalf) / kWhole) << 8 | (blue + kHalf) / kWhole;
}

}  // namespace pelmora
