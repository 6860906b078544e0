#include "star_catalogue.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr catalogue_row star(std::int16_t label, std::int16_t longitude, std::int16_t latitude,
                             std::initializer_list<ring> rings) {
  star_entry entry{longitude, latitude, {}, static_cast<std::uint8_t>(rings.size())};
  std::copy(rings.begin(), rings.end(), entry.ring_list.begin());
  return {label, entry};
}

constexpr catalogue_row marker(std::int16_t label, std::int16_t longitude, std::int16_t x_extra,
                               std::initializer_list<segment> segments, std::int16_t colour) {
  marker_entry entry{longitude, x_extra, {}, static_cast<std::uint8_t>(segments.size()), colour};
  std::copy(segments.begin(), segments.end(), entry.segment_list.begin());
  return {label, entry};
}

// Palette indices used by the catalogue.
constexpr std::int16_t blue = 1, red = 4, light_grey = 7, light_blue = 9, light_red = 12, light_magenta = 13,
                       yellow = 14, white = 15;

constexpr std::array kRows = {
    star(20, 29, 9, {{3, light_grey}}),
    marker(20, 29, 5, {{-16, 22}}, red),
    star(30, 33, 11, {{3, white}}),
    star(40, 44, 10, {{3, light_grey}}),
    star(70, 79, -32, {{3, light_blue}, {4, yellow}}),
    star(70, 79, 23, {{3, light_magenta}, {4, light_blue}}),
    star(70, 70, -6, {{3, light_blue}, {4, white}}),
    star(80, 83, -24, {{3, white}}),
    star(80, 84, -25, {{3, white}}),
    star(80, 85, -26, {{3, white}}),
    star(80, 89, -20, {{3, white}, {4, yellow}, {6, light_red}}),
    marker(90, 90, 0, {{-32, 20}}, light_magenta),
    star(100, 102, -39, {{3, white}, {4, light_grey}, {6, yellow}}),
    star(110, 116, -18, {{3, white}, {4, blue}}),
    star(110, 114, 8, {{3, white}}),
    star(110, 117, 5, {{3, white}}),
    star(140, 143, -22, {{3, white}}),
    star(150, 152, 1, {{3, blue}, {4, white}}),
    star(150, 155, 10, {{3, light_grey}}),
    star(160, 169, 16, {{3, light_grey}}),
    star(170, 178, 14, {{3, light_grey}}),
    marker(180, 180, 0, {{-26, -8}, {-4, 4}, {8, 20}}, light_magenta),
    star(200, 202, -2, {{3, white}, {4, blue}}),
    star(200, 207, -28, {{3, white}, {4, light_blue}}),
    star(210, 214, 33, {{3, white}, {4, light_red}}),
    star(210, 212, -20, {{3, white}, {4, blue}}),
    star(240, 247, -3, {{3, yellow}, {4, light_red}}),
    marker(270, 270, 0, {{-32, 20}}, light_magenta),
    marker(270, 279, 0, {{-46, -24}, {24, 46}}, blue),
    star(280, 280, 61, {{3, white}, {4, yellow}}),
    star(290, 298, 29, {{3, blue}, {4, white}}),
    star(310, 311, 65, {{3, blue}, {4, light_grey}}),
    star(340, 344, -23, {{3, light_magenta}, {4, light_grey}}),
    star(340, 350, 7, {{3, light_grey}}),
    star(350, 356, 8, {{3, light_grey}}),
    marker(360, 0, 0, {{-60, -44}, {-24, 20}, {40, 66}}, light_magenta),
    star(360, 0, 8, {{3, light_grey}}),
};

}  // namespace

std::span<const catalogue_row> star_catalogue_rows() { return kRows; }

std::span<const catalogue_row> star_catalogue(Integer label) {
  const auto first =
      std::find_if(kRows.begin(), kRows.end(), [&](const catalogue_row& row) { return row.label == label.value(); });
  const auto last =
      std::find_if(first, kRows.end(), [&](const catalogue_row& row) { return row.label != label.value(); });
  return {first, last};
}

}  // namespace pelmora
