// The sky of a moment at a place: the sidereal time, and the sun, the moon,
// five planets and the chart's 31 stars at their apparent topocentric right
// ascension and declination of date (true equator and equinox; no
// refraction), each with its height in the chart's sense: its angle from the
// ecliptic of date along its hour circle.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "sky/time_scales.h"

namespace pelmora::sky {

// On the WGS84 ellipsoid at sea level; north and east positive.
struct Observer {
  double latitude = 0;   // degrees, geodetic
  double longitude = 0;  // degrees
};

enum class BodyKind { sun, moon, planet, star };

struct BodyPlace {
  BodyKind kind = BodyKind::star;
  std::string_view name;     // the sun, the moon and the planets; stars are named by the chart
  int label = 0, place = 0;  // a star's group and place in the chart's catalogue
  double ra = 0;             // degrees, 0 to 360
  double dec = 0;            // degrees
  double height = 0;         // degrees from the ecliptic along the hour circle
  double distance = 0;       // au from the observer (0 for stars)
  double magnitude = 0;      // visual, for the planets
};

struct MoonPhase {
  double elongation = 0;    // degrees between the moon and the sun, 0 to 180
  double lit_fraction = 0;  // of the disc, 0 to 1
  bool waxing = false;
};

// "waxing gibbous, 78 % lit", "full moon, 100 % lit", ...
std::string phase_words(const MoonPhase& phase);

struct TrueSky {
  TimeScales time;
  double local_sidereal_time = 0;  // degrees: apparent sidereal time plus the longitude
  double obliquity = 0;            // true obliquity of date, degrees
  BodyPlace sun, moon;
  std::array<BodyPlace, 5> planets;  // Mercury, Venus, Mars, Jupiter, Saturn
  std::array<BodyPlace, 31> stars;   // in the chart catalogue's order
  MoonPhase moon_phase;
};

TrueSky true_sky(const JulianDate& utc, const Observer& observer);

// The sky moment after moment, for a chart that asks for it every step:
// what changes slowly (precession and nutation, the earth's and the
// planets' paths around the sun, the stars' apparent places) is computed
// once and carried for up to an hour either side, within 0.2 arcsecond of
// computing it afresh; a step then costs the moon and the earth's turn.
class SkyCalculator {
 public:
  TrueSky at(const JulianDate& utc, const Observer& observer);

  // What is carried: worked out at the moment `tt` for `observer`.
  struct Slow {
    JulianDate tt;
    Observer observer;
    double x = 0, y = 0, s = 0;  // the celestial intermediate pole and origin
    double eo = 0;               // equation of the origins, radians
    double obliquity = 0;        // true, degrees
    double earth_heliocentric[2][3] = {}, earth_barycentric[2][3] = {};
    double planets[5][2][3] = {};                  // heliocentric positions and velocities
    std::array<double, 31> star_ra{}, star_dec{};  // degrees, apparent of date
  };

 private:
  std::optional<Slow> slow_;
};

// The next new or full moon after a moment (terrestrial time), whichever
// comes first: the moment the moon's ecliptic longitude seen from the
// earth's centre stands 0 or 180 degrees from the sun's, as almanacs give
// new and full moon.
struct NextPhase {
  JulianDate tt;
  bool full = false;
};
NextPhase next_new_or_full_moon(const JulianDate& tt);

// The declination of the ecliptic of date where it crosses the hour circle
// of a right ascension, and the height of a place above it.
double ecliptic_declination(double ra, double obliquity);
double height_above_ecliptic(double ra, double dec, double obliquity);

}  // namespace pelmora::sky
