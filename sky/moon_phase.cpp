#include <cmath>
#include <string>

#include "sky/true_sky.h"

namespace pelmora::sky {

namespace {

// Within this much of the fraction lit at new moon, a quarter or full moon
// the phase is named by that moment rather than by a crescent or a gibbous
// moon: about half a day either side.
constexpr double kNamedPhaseMargin = 0.03;

}  // namespace

std::string phase_words(const MoonPhase& phase) {
  const double lit = phase.lit_fraction;
  const char* words = nullptr;
  if (lit < kNamedPhaseMargin)
    words = "new moon";
  else if (lit > 1 - kNamedPhaseMargin)
    words = "full moon";
  else if (std::abs(lit - 0.5) < kNamedPhaseMargin)
    words = phase.waxing ? "first quarter" : "last quarter";
  else if (lit < 0.5)
    words = phase.waxing ? "waxing crescent" : "waning crescent";
  else
    words = phase.waxing ? "waxing gibbous" : "waning gibbous";
  return std::string(words) + ", " + std::to_string(std::lround(lit * 100)) + " % lit";
}

}  // namespace pelmora::sky
