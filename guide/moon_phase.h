// The moon's phase in words, from its elongation: how far it stands east of
// the sun along the sky, 0 at new moon, 180 at full moon. Any source of an
// elongation can use it: the chart's phase angle or a computed sky.
#pragma once

#include <string>
#include <string_view>

#include "app/true_sky_source.h"

namespace pelmora {

struct MoonPhase {
  std::string_view name;  // "new", "waxing crescent", ..., "waning crescent"
  bool waxing;            // from new to full
  double lit_fraction;    // of the disc, 0 to 1
  double days_to_next;    // to the next new or full moon, whichever comes first
  bool next_is_full;
};

// The phase at `elongation_degrees` (any angle; taken modulo 360). Each of
// the eight names covers 45 degrees centred on its own elongation (new on
// 0, first quarter on 90, full on 180, last quarter on 270); the days count
// a mean synodic month.
MoonPhase moon_phase(double elongation_degrees);

// The phase of the true sky: named by its elongation as above, with the
// fraction lit and the days to the next new or full moon as computed.
MoonPhase moon_phase(const TrueMoonPhase& phase);

// The phase as a phrase: "waning crescent, 23 % lit, 4 days to new moon".
std::string moon_phase_words(const MoonPhase& phase);
std::string moon_phase_words(double elongation_degrees);

// The elongation that the chart's phase angle stands for: the chart's
// phase angle is 270 at new moon (the moon drawn lowest) and 90 at full
// moon (highest).
double elongation_of_chart_phase(int lunar_phase);

}  // namespace pelmora
