#include "guide/names.h"

#include <array>

namespace pelmora {

namespace {

struct NamedEntry {
  int label;
  int place;
  std::string_view name;
};

// By group and place in the group, as the catalogue keeps them.
constexpr std::array kNames = {
    NamedEntry{20, 1, "Sheratan (beta Arietis)"},
    NamedEntry{20, 2, "Red marker beside Sheratan"},
    NamedEntry{30, 1, "Hamal (alpha Arietis)"},
    NamedEntry{40, 1, "41 Arietis"},
    NamedEntry{70, 1, "Rigel (beta Orionis)"},
    NamedEntry{70, 2, "Capella (alpha Aurigae)"},
    NamedEntry{70, 3, "Aldebaran (alpha Tauri)"},
    NamedEntry{80, 1, "Mintaka (delta Orionis), in the belt of Orion"},
    NamedEntry{80, 2, "Alnilam (epsilon Orionis), in the belt of Orion"},
    NamedEntry{80, 3, "Alnitak (zeta Orionis), in the belt of Orion"},
    NamedEntry{80, 4, "Betelgeuse (alpha Orionis)"},
    NamedEntry{90, 1, "The June solstice point"},
    NamedEntry{100, 1, "Sirius (alpha Canis Majoris)"},
    NamedEntry{110, 1, "Procyon (alpha Canis Minoris)"},
    NamedEntry{110, 2, "Castor (alpha Geminorum)"},
    NamedEntry{110, 3, "Pollux (beta Geminorum)"},
    NamedEntry{140, 1, "Alphard (alpha Hydrae)"},
    NamedEntry{150, 1, "Regulus (alpha Leonis)"},
    NamedEntry{150, 2, "Algieba (gamma Leonis)"},
    NamedEntry{160, 1, "Zosma (delta Leonis)"},
    NamedEntry{170, 1, "Denebola (beta Leonis)"},
    NamedEntry{180, 1, "The September equinox point"},
    NamedEntry{200, 1, "Spica (alpha Virginis)"},
    NamedEntry{200, 2, "A star of Centaurus (nu or mu Centauri)"},
    NamedEntry{210, 1, "Arcturus (alpha Bootis)"},
    NamedEntry{210, 2, "Menkent (theta Centauri)"},
    NamedEntry{240, 1, "Antares (alpha Scorpii)"},
    NamedEntry{270, 1, "The December solstice point"},
    NamedEntry{270, 2, "Blue marker at 279 degrees"},
    NamedEntry{280, 1, "Vega (alpha Lyrae)"},
    NamedEntry{290, 1, "Altair (alpha Aquilae)"},
    NamedEntry{310, 1, "Deneb (alpha Cygni)"},
    NamedEntry{340, 1, "Fomalhaut (alpha Piscis Austrini)"},
    NamedEntry{340, 2, "Gamma Piscium"},
    NamedEntry{350, 1, "Iota Piscium"},
    NamedEntry{360, 1, "The March equinox point"},
    NamedEntry{360, 2, "Omega Piscium"},
};

}  // namespace

std::string_view entry_name(int label, int place) {
  for (const NamedEntry& entry : kNames)
    if (entry.label == label && entry.place == place) return entry.name;
  return {};
}

}  // namespace pelmora
