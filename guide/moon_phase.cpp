#include "guide/moon_phase.h"

#include <array>
#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

// The mean synodic month, new moon to new moon, in days.
constexpr double kSynodicMonthDays = 29.530589;

constexpr std::array<std::string_view, 8> kPhaseNames = {
    "new",  "waxing crescent", "first quarter", "waxing gibbous",
    "full", "waning gibbous",  "last quarter",  "waning crescent",
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

std::string moon_phase_words(double elongation_degrees) {
  const MoonPhase phase = moon_phase(elongation_degrees);
  std::string words(phase.name);
  words += ", " + std::to_string(std::lround(phase.lit_fraction * 100)) + " % lit, ";
  const long days = std::lround(phase.days_to_next);
  const char* next = phase.next_is_full ? "full moon" : "new moon";
  if (days == 0) {
    words += std::string("under a day to ") + next;
  } else {
    words += std::to_string(days) + (days == 1 ? " day to " : " days to ") + next;
  }
  return words;
}

double elongation_of_chart_phase(int lunar_phase) {
  const int elongation = (lunar_phase + 90) % 360;
  return elongation < 0 ? elongation + 360 : elongation;
}

}  // namespace pelmora
