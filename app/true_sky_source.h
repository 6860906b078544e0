// Where the true sky's bodies stand, as the chart asks for them: the
// routines never compute an ephemeris themselves; whatever implements this
// does (the headless run with the true-sky room).
#pragma once

#include <array>
#include <optional>
#include <string>

namespace pelmora {

struct SkyPoint {
  double ra = 0;      // right ascension of date, degrees
  double height = 0;  // degrees from the ecliptic of date along the hour circle
};

// The moon's phase as seen from the place.
struct TrueMoonPhase {
  double elongation = 0;    // degrees east of the sun along the ecliptic, 0 to 360 (180: full)
  double lit_fraction = 0;  // of the disc, 0 to 1
  double days_to_next = 0;  // to the next new or full moon, whichever comes first
  bool next_is_full = false;
};

struct TrueSkyPlaces {
  double sidereal_time = 0;  // local apparent sidereal time, degrees
  double obliquity = 0;      // of the ecliptic of date, degrees
  SkyPoint sun, moon;
  std::array<SkyPoint, 5> planets;            // Mercury, Venus, Mars, Jupiter, Saturn
  std::array<SkyPoint, 31> stars;             // in the star catalogue's order
  std::array<double, 5> planet_magnitudes{};  // visual, in the planets' order
  TrueMoonPhase moon_phase;
};

// What the true-sky pass drew last: the places it drew from and the pixel
// each figure's centre stands on (nothing while out of view), so that what
// is under a point is found where it was drawn.
struct TrueSkyDrawn {
  using Pixel = std::optional<std::array<int, 2>>;
  TrueSkyPlaces places;
  int level = 0;  // the baseline's y
  Pixel sun, moon;
  std::array<Pixel, 5> planets;
  std::array<Pixel, 31> stars;
  std::array<std::optional<int>, 6> markers;  // their x, in the catalogue's order
};

class TrueSkySource {
 public:
  virtual ~TrueSkySource() = default;
  // The places at a local moment: the clock's date text ("MM-DD-YYYY") and
  // seconds since that date's midnight (may run past a day).
  virtual TrueSkyPlaces places_at(const std::string& date_text, double seconds) = 0;
};

}  // namespace pelmora
