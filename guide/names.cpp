#include "guide/names.h"

#include <array>

#include "guide/words.h"

namespace pelmora {

namespace {

struct NamedEntry {
  int label;
  int place;
  std::string_view name;
};

// By group and place in the group, as the catalogue keeps them.
constexpr std::array kNames = {
    NamedEntry{20, 1, GUIDE_TR("Guide", "Sheratan (beta Arietis)")},
    NamedEntry{20, 2, GUIDE_TR("Guide", "Red marker beside Sheratan")},
    NamedEntry{30, 1, GUIDE_TR("Guide", "Hamal (alpha Arietis)")},
    NamedEntry{40, 1, GUIDE_TR("Guide", "41 Arietis")},
    NamedEntry{70, 1, GUIDE_TR("Guide", "Rigel (beta Orionis)")},
    NamedEntry{70, 2, GUIDE_TR("Guide", "Capella (alpha Aurigae)")},
    NamedEntry{70, 3, GUIDE_TR("Guide", "Aldebaran (alpha Tauri)")},
    NamedEntry{80, 1, GUIDE_TR("Guide", "Mintaka (delta Orionis), in the belt of Orion")},
    NamedEntry{80, 2, GUIDE_TR("Guide", "Alnilam (epsilon Orionis), in the belt of Orion")},
    NamedEntry{80, 3, GUIDE_TR("Guide", "Alnitak (zeta Orionis), in the belt of Orion")},
    NamedEntry{80, 4, GUIDE_TR("Guide", "Betelgeuse (alpha Orionis)")},
    NamedEntry{90, 1, GUIDE_TR("Guide", "The June solstice point")},
    NamedEntry{100, 1, GUIDE_TR("Guide", "Sirius (alpha Canis Majoris)")},
    NamedEntry{110, 1, GUIDE_TR("Guide", "Procyon (alpha Canis Minoris)")},
    NamedEntry{110, 2, GUIDE_TR("Guide", "Castor (alpha Geminorum)")},
    NamedEntry{110, 3, GUIDE_TR("Guide", "Pollux (beta Geminorum)")},
    NamedEntry{140, 1, GUIDE_TR("Guide", "Alphard (alpha Hydrae)")},
    NamedEntry{150, 1, GUIDE_TR("Guide", "Regulus (alpha Leonis)")},
    NamedEntry{150, 2, GUIDE_TR("Guide", "Algieba (gamma Leonis)")},
    NamedEntry{160, 1, GUIDE_TR("Guide", "Zosma (delta Leonis)")},
    NamedEntry{170, 1, GUIDE_TR("Guide", "Denebola (beta Leonis)")},
    NamedEntry{180, 1, GUIDE_TR("Guide", "The September equinox point")},
    NamedEntry{200, 1, GUIDE_TR("Guide", "Spica (alpha Virginis)")},
    NamedEntry{200, 2, GUIDE_TR("Guide", "A star of Centaurus (nu or mu Centauri)")},
    NamedEntry{210, 1, GUIDE_TR("Guide", "Arcturus (alpha Bootis)")},
    NamedEntry{210, 2, GUIDE_TR("Guide", "Menkent (theta Centauri)")},
    NamedEntry{240, 1, GUIDE_TR("Guide", "Antares (alpha Scorpii)")},
    NamedEntry{270, 1, GUIDE_TR("Guide", "The December solstice point")},
    NamedEntry{270, 2, GUIDE_TR("Guide", "Blue marker at 279 degrees")},
    NamedEntry{280, 1, GUIDE_TR("Guide", "Vega (alpha Lyrae)")},
    NamedEntry{290, 1, GUIDE_TR("Guide", "Altair (alpha Aquilae)")},
    NamedEntry{310, 1, GUIDE_TR("Guide", "Deneb (alpha Cygni)")},
    NamedEntry{340, 1, GUIDE_TR("Guide", "Fomalhaut (alpha Piscis Austrini)")},
    NamedEntry{340, 2, GUIDE_TR("Guide", "Gamma Piscium")},
    NamedEntry{350, 1, GUIDE_TR("Guide", "Iota Piscium")},
    NamedEntry{360, 1, GUIDE_TR("Guide", "The March equinox point")},
    NamedEntry{360, 2, GUIDE_TR("Guide", "Omega Piscium")},
};

}  // namespace

std::string_view entry_name(int label, int place) {
  for (const NamedEntry& entry : kNames)
    if (entry.label == label && entry.place == place) return entry.name;
  return {};
}

}  // namespace pelmora
