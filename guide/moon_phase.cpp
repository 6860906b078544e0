#include "guide/moon_phase.h"

#include <array>
#include <cmath>
#include <numbers>

#include "guide/words.h"

namespace pelmora {

namespace {

// The mean synodic month, new moon to new moon, in days.
constexpr double kSynodicMonthDays = 29.530589;

constexpr std::array<std::string_view, 8> kPhaseNames = {
    GUIDE_TR("Guide", "new"),           GUIDE_TR("Guide", "waxing crescent"),
    GUIDE_TR("Guide", "first quarter"), GUIDE_TR("Guide", "waxing gibbous"),
    GUIDE_TR("Guide", "full"),          GUIDE_TR("Guide", "waning gibbous"),
    GUIDE_TR("Guide", "last quarter"),  GUIDE_TR("Guide", "waning crescent"),
};

}  // namespace

MoonPhase moon_phase(double elongation_degrees) {
  double e = std::fmod(elongation_degrees, 360.0);
  if (e < 0) e += 360;
  const int octant = static_cast<int>(std::floor((e + 22.5) / 45)) % 8;
  const double lit = (1 - std::cos(e * std::numbers::pi / 180)) / 2;
  const bool waxing = e < 180;
  const double degrees_to_next = waxing ? 180 - e : 360 - e;
  return {kPhaseNames[static_cast<std::size_t>(octant)], waxing, lit, degrees_to_next / 360 * kSynodicMonthDays,
          waxing};
}

MoonPhase moon_phase(const TrueMoonPhase& phase) {
  MoonPhase named = moon_phase(phase.elongation);
  named.lit_fraction = phase.lit_fraction;
  named.days_to_next = phase.days_to_next;
  named.next_is_full = phase.next_is_full;
  return named;
}

std::string moon_phase_words(double elongation_degrees) { return moon_phase_words(moon_phase(elongation_degrees)); }

std::string moon_phase_words(const MoonPhase& phase) {
  const long days = std::lround(phase.days_to_next);
  std::string next;
  if (days == 0) {
    next = phase.next_is_full ? guide_text(GUIDE_TR("Guide", "under a day to full moon"))
                              : guide_text(GUIDE_TR("Guide", "under a day to new moon"));
  } else {
    next = phase.next_is_full ? guide_counted(GUIDE_TR_N("Guide", "%n day(s) to full moon"), days)
                              : guide_counted(GUIDE_TR_N("Guide", "%n day(s) to new moon"), days);
  }
  //: the phase's name, how much of the moon is lit in per cent, the time to the next full or new moon
  return fill(guide_text(GUIDE_TR("Guide", "%1, %2 % lit, %3")),
              {guide_text(phase.name), guide_number(std::lround(phase.lit_fraction * 100)), next});
}

double elongation_of_chart_phase(int lunar_phase) {
  const int elongation = (lunar_phase + 90) % 360;
  return elongation < 0 ? elongation + 360 : elongation;
}

}  // namespace pelmora
