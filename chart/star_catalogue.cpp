#include "star_catalogue.h"

#include "app/translatable.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr catalogue_row star(std::int16_t label, std::string_view name, std::int16_t longitude, std::int16_t latitude,
                             std::initializer_list<ring> rings) {
  star_entry entry{longitude, latitude, {}, static_cast<std::uint8_t>(rings.size())};
  std::copy(rings.begin(), rings.end(), entry.ring_list.begin());
  return {label, entry, name, {}};
}

constexpr catalogue_row marker(std::int16_t label, std::string_view name, std::string_view note, std::int16_t longitude,
                               std::int16_t x_extra, std::initializer_list<segment> segments, std::int16_t colour) {
  marker_entry entry{longitude, x_extra, {}, static_cast<std::uint8_t>(segments.size()), colour};
  std::copy(segments.begin(), segments.end(), entry.segment_list.begin());
  return {label, entry, name, note};
}

// Palette indices used by the catalogue.
constexpr std::int16_t blue = 1, red = 4, light_grey = 7, light_blue = 9, light_red = 12, light_magenta = 13,
                       yellow = 14, white = 15;

constexpr std::array kRows = {
    star(20, GUIDE_TR("Guide", "Sheratan (beta Arietis)"), 29, 9, {{3, light_grey}}),
    marker(20, GUIDE_TR("Guide", "Red marker at 29\u00b0"),
           GUIDE_TR("Guide", "a mark of the chart's own design, just left of Sheratan"), 29, 5, {{-16, 22}}, red),
    star(30, GUIDE_TR("Guide", "Hamal (alpha Arietis)"), 33, 11, {{3, white}}),
    star(40, GUIDE_TR("Guide", "41 Arietis"), 44, 10, {{3, light_grey}}),
    star(70, GUIDE_TR("Guide", "Rigel (beta Orionis)"), 79, -32, {{3, light_blue}, {4, yellow}}),
    star(70, GUIDE_TR("Guide", "Capella (alpha Aurigae)"), 79, 23, {{3, light_magenta}, {4, light_blue}}),
    star(70, GUIDE_TR("Guide", "Aldebaran (alpha Tauri)"), 70, -6, {{3, light_blue}, {4, white}}),
    star(80, GUIDE_TR("Guide", "Mintaka (delta Orionis), in the belt of Orion"), 83, -24, {{3, white}}),
    star(80, GUIDE_TR("Guide", "Alnilam (epsilon Orionis), in the belt of Orion"), 84, -25, {{3, white}}),
    star(80, GUIDE_TR("Guide", "Alnitak (zeta Orionis), in the belt of Orion"), 85, -26, {{3, white}}),
    star(80, GUIDE_TR("Guide", "Betelgeuse (alpha Orionis)"), 89, -20, {{3, white}, {4, yellow}, {6, light_red}}),
    marker(90, GUIDE_TR("Guide", "June solstice point"),
           GUIDE_TR("Guide", "where the sun stands at the June solstice, farthest north"), 90, 0, {{-32, 20}},
           light_magenta),
    star(100, GUIDE_TR("Guide", "Sirius (alpha Canis Majoris)"), 102, -39, {{3, white}, {4, light_grey}, {6, yellow}}),
    star(110, GUIDE_TR("Guide", "Procyon (alpha Canis Minoris)"), 116, -18, {{3, white}, {4, blue}}),
    star(110, GUIDE_TR("Guide", "Castor (alpha Geminorum)"), 114, 8, {{3, white}}),
    star(110, GUIDE_TR("Guide", "Pollux (beta Geminorum)"), 117, 5, {{3, white}}),
    star(140, GUIDE_TR("Guide", "Alphard (alpha Hydrae)"), 143, -22, {{3, white}}),
    star(150, GUIDE_TR("Guide", "Regulus (alpha Leonis)"), 152, 1, {{3, blue}, {4, white}}),
    star(150, GUIDE_TR("Guide", "Algieba (gamma Leonis)"), 155, 10, {{3, light_grey}}),
    star(160, GUIDE_TR("Guide", "Zosma (delta Leonis)"), 169, 16, {{3, light_grey}}),
    star(170, GUIDE_TR("Guide", "Denebola (beta Leonis)"), 178, 14, {{3, light_grey}}),
    marker(180, GUIDE_TR("Guide", "September equinox point"),
           GUIDE_TR("Guide", "where the sun crosses the celestial equator going south, in September"), 180, 0,
           {{-26, -8}, {-4, 4}, {8, 20}}, light_magenta),
    star(200, GUIDE_TR("Guide", "Spica (alpha Virginis)"), 202, -2, {{3, white}, {4, blue}}),
    star(200, GUIDE_TR("Guide", "A star of Centaurus (nu or mu Centauri)"), 207, -28, {{3, white}, {4, light_blue}}),
    star(210, GUIDE_TR("Guide", "Arcturus (alpha Bootis)"), 214, 33, {{3, white}, {4, light_red}}),
    star(210, GUIDE_TR("Guide", "Menkent (theta Centauri)"), 212, -20, {{3, white}, {4, blue}}),
    star(240, GUIDE_TR("Guide", "Antares (alpha Scorpii)"), 247, -3, {{3, yellow}, {4, light_red}}),
    marker(270, GUIDE_TR("Guide", "December solstice point"),
           GUIDE_TR("Guide", "where the sun stands at the December solstice, farthest south"), 270, 0, {{-32, 20}},
           light_magenta),
    marker(270, GUIDE_TR("Guide", "Blue marker at 279\u00b0"),
           GUIDE_TR("Guide", "a mark of the chart's own design, in two parts above and below the baseline"), 279, 0,
           {{-46, -24}, {24, 46}}, blue),
    star(280, GUIDE_TR("Guide", "Vega (alpha Lyrae)"), 280, 61, {{3, white}, {4, yellow}}),
    star(290, GUIDE_TR("Guide", "Altair (alpha Aquilae)"), 298, 29, {{3, blue}, {4, white}}),
    star(310, GUIDE_TR("Guide", "Deneb (alpha Cygni)"), 311, 65, {{3, blue}, {4, light_grey}}),
    star(340, GUIDE_TR("Guide", "Fomalhaut (alpha Piscis Austrini)"), 344, -23, {{3, light_magenta}, {4, light_grey}}),
    star(340, GUIDE_TR("Guide", "Gamma Piscium"), 350, 7, {{3, light_grey}}),
    star(350, GUIDE_TR("Guide", "Iota Piscium"), 356, 8, {{3, light_grey}}),
    marker(360, GUIDE_TR("Guide", "March equinox point"),
           GUIDE_TR("Guide", "where the sun crosses the celestial equator going north, in March"), 0, 0,
           {{-60, -44}, {-24, 20}, {40, 66}}, light_magenta),
    star(360, GUIDE_TR("Guide", "Omega Piscium"), 0, 8, {{3, light_grey}}),
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
