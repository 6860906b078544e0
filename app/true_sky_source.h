// Where the true sky's bodies stand, as the chart asks for them: the
// routines never compute an ephemeris themselves; whatever implements this
// does (the headless run with the true-sky room).
#pragma once

#include <array>
#include <string>

namespace pelmora {

struct SkyPoint {
  double ra = 0;      // right ascension of date, degrees
  double height = 0;  // degrees from the ecliptic of date along the hour circle
};

struct TrueSkyPlaces {
  double sidereal_time = 0;  // local apparent sidereal time, degrees
  double obliquity = 0;      // of the ecliptic of date, degrees
  SkyPoint sun, moon;
  std::array<SkyPoint, 5> planets;  // Mercury, Venus, Mars, Jupiter, Saturn
  std::array<SkyPoint, 31> stars;   // in the star catalogue's order
};

class TrueSkySource {
 public:
  virtual ~TrueSkySource() = default;
  // The places at a local moment: the clock's date text ("MM-DD-YYYY") and
  // seconds since that date's midnight (may run past a day).
  virtual TrueSkyPlaces places_at(const std::string& date_text, double seconds) = 0;
};

}  // namespace pelmora
