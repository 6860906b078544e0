#include "render/area_filter.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {

// Overlaps below this (in drawn pixels) are rounding, not coverage.
constexpr double kNoOverlap = 1e-9;

}  // namespace

std::vector<AreaTaps> area_taps(int drawn, int shown, double factor) {
  std::vector<AreaTaps> taps(static_cast<std::size_t>(std::max(shown, 0)));
  for (int j = 0; j < shown; ++j) {
    const double from = std::clamp(j / factor, 0.0, static_cast<double>(drawn));
    const double to = std::clamp((j + 1) / factor, 0.0, static_cast<double>(drawn));
    AreaTaps& tap = taps[static_cast<std::size_t>(j)];
    std::array<double, kMostAreaTaps> overlap{};
    double total = 0;
    for (int k = static_cast<int>(std::floor(from)); k < to && k < drawn; ++k) {
      const double o = std::min(to, k + 1.0) - std::max(from, static_cast<double>(k));
      if (o < kNoOverlap) continue;
      if (tap.count == 0) tap.first = k;
      if (tap.count == kMostAreaTaps) break;  // never for a factor of 0.5 or more
      overlap[static_cast<std::size_t>(tap.count++)] = o;
      total += o;
    }
    if (tap.count == 0) {  // past the drawn pixels (a rounded-up edge): the last one
      tap.first = std::max(drawn - 1, 0);
      tap.count = 1;
      tap.weight[0] = kAreaWeightOne;
      continue;
    }
    // Whole weights that add up exactly: the rounding's rest to the largest.
    int sum = 0, largest = 0;
    for (int i = 0; i < tap.count; ++i) {
      tap.weight[static_cast<std::size_t>(i)] =
          static_cast<std::uint16_t>(std::lround(overlap[i] / total * kAreaWeightOne));
      sum += tap.weight[static_cast<std::size_t>(i)];
      if (overlap[i] > overlap[static_cast<std::size_t>(largest)]) largest = i;
    }
    tap.weight[static_cast<std::size_t>(largest)] =
        static_cast<std::uint16_t>(tap.weight[static_cast<std::size_t>(largest)] + kAreaWeightOne - sum);
  }
  return taps;
}

}  // namespace pelmora
