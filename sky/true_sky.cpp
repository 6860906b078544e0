#include "sky/true_sky.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "sky/bright_stars.h"

namespace pelmora::sky {

namespace {

constexpr double kDegree = ERFA_DD2R;
constexpr double kMilliarcsecond = ERFA_DAS2R / 1000;
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;
// Light time converges to well under a millisecond in three rounds.
constexpr int kLightTimeRounds = 3;

using Vector = std::array<double, 3>;

Vector minus(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vector plus_scaled(const Vector& a, double s, const Vector& b) {
  return {a[0] + s * b[0], a[1] + s * b[1], a[2] + s * b[2]};
}
Vector from(const double v[3]) { return {v[0], v[1], v[2]}; }
double length(const Vector& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

double degrees(double radians) { return radians / kDegree; }

struct Frame {
  eraASTROM astrom{};  // the observer: place, velocity, the matrix to the intermediate system
  double eo = 0;       // equation of the origins: from the intermediate origin to the equinox
  double obliquity = 0;
};

// The right ascension and declination of date of a direction seen from the
// observer (light time already in the vector): aberration by the observer's
// whole velocity (orbit and the earth's turning), then precession and
// nutation, then from the intermediate origin to the true equinox.
void apparent(const Frame& frame, const Vector& astrometric, BodyPlace& body) {
  double natural[3], direction[3], intermediate[3];
  double distance = 0;
  double p[3] = {astrometric[0], astrometric[1], astrometric[2]};
  eraPn(p, &distance, natural);
  eraAb(natural, const_cast<double*>(frame.astrom.v), frame.astrom.em, frame.astrom.bm1, direction);
  eraRxp(const_cast<double(*)[3]>(frame.astrom.bpn), direction, intermediate);
  double ri = 0, di = 0;
  eraC2s(intermediate, &ri, &di);
  body.ra = degrees(eraAnp(ri - frame.eo));
  body.dec = degrees(di);
  body.distance = distance;
  body.height = height_above_ecliptic(body.ra, body.dec, frame.obliquity);
}

// From the observer to a body whose barycentric place at a time `delay`
// days before the moment the function gives: iterated for light time.
template <typename Place>
Vector retarded(const Frame& frame, Place&& barycentric_at) {
  const Vector observer = from(frame.astrom.eb);
  Vector seen = minus(barycentric_at(0.0), observer);
  for (int round = 0; round < kLightTimeRounds; ++round)
    seen = minus(barycentric_at(length(seen) * kLightDaysPerAu), observer);
  return seen;
}

// Visual magnitudes of the planets from their distances (au) from the sun
// (r) and the observer (d) and the phase angle i (degrees). Mercury, Venus
// and Jupiter: A. Mallama and J. L. Hilton, "Computing apparent planetary
// magnitudes for The Astronomical Almanac", Astronomy and Computing 25
// (2018) 10-24, as the almanac has used them since; they hold over the
// crescent phases where the older laws drift by up to half a magnitude.
// Mars and Saturn: the Explanatory Supplement to the Astronomical Almanac
// (1992), as in J. Meeus, Astronomical Algorithms (2nd ed., 1998), chapter
// 41 (for Mars within 0.1 of the newer law). Saturn's rings add their tilt
// (B) as there; its term in the difference of the sun's and the earth's
// longitudes seen from Saturn in the ring's plane (0.044 a degree, up to
// 0.28) takes the phase angle for that difference: with both within 27
// degrees of the plane the two differ by a few per cent.
double planet_magnitude(int planet, double r, double d, double i, double ring_tilt) {
  const double distances = 5 * std::log10(r * d);
  switch (planet) {
    case 1:
      return -0.613 + distances +
             i * (6.3280e-02 +
                  i * (-1.6336e-03 + i * (3.3644e-05 + i * (-3.4265e-07 + i * (1.6893e-09 + i * -3.0334e-12)))));
    case 2:
      // The second law covers the last 16 degrees before inferior conjunction.
      if (i < 163.7) return -4.384 + distances + i * (-1.044e-03 + i * (3.687e-04 + i * (-2.814e-06 + i * 8.938e-09)));
      return 236.05828 + distances + i * (-2.81914 + i * 8.39034e-03);
    case 4:
      return -1.52 + distances + 0.016 * i;
    case 5:
      // Seen from the earth Jupiter's phase angle stays below 12 degrees.
      return -9.395 + distances + i * (-3.7e-04 + i * 6.16e-04);
    default: {
      const double s = std::sin(std::abs(ring_tilt));
      return -8.88 + distances + 0.044 * i - 2.60 * s + 1.25 * s * s;
    }
  }
}

// Ecliptic longitude and latitude of date (radians) of a place of date.
void ecliptic_of(double ra, double dec, double obliquity, double& lon, double& lat) {
  const double a = ra * kDegree, d = dec * kDegree, e = obliquity * kDegree;
  lon = std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a));
  lat = std::asin(std::sin(d) * std::cos(e) - std::cos(d) * std::sin(e) * std::sin(a));
}

// The tilt of Saturn's rings towards the observer (radians), from its
// ecliptic place of date: Meeus, chapter 45.
double saturn_ring_tilt(double t, const BodyPlace& saturn, double obliquity) {
  const double inclination = (28.075216 - 0.012998 * t + 0.000004 * t * t) * kDegree;
  const double node = (169.508470 + 1.394681 * t + 0.000412 * t * t) * kDegree;
  double lon = 0, lat = 0;
  ecliptic_of(saturn.ra, saturn.dec, obliquity, lon, lat);
  return std::asin(std::sin(inclination) * std::cos(lat) * std::sin(lon - node) -
                   std::cos(inclination) * std::sin(lat));
}

double angle_between(const BodyPlace& a, const BodyPlace& b) {
  return degrees(eraSeps(a.ra * kDegree, a.dec * kDegree, b.ra * kDegree, b.dec * kDegree));
}

constexpr std::array kPlanets = {std::pair{1, "Mercury"}, std::pair{2, "Venus"}, std::pair{4, "Mars"},
                                 std::pair{5, "Jupiter"}, std::pair{6, "Saturn"}};

// The mean rate at which the moon gains on the sun, degrees a day: 360 over
// the mean synodic month of 29.530589 days.
constexpr double kMeanElongationRate = 360 / 29.530589;

// The moon's geocentric ecliptic longitude less the sun's, 0 to 360
// degrees, on the ecliptic of J2000 (the precession since moves both alike).
double moon_minus_sun_longitude(const JulianDate& tt) {
  double moon[2][3], earth_heliocentric[2][3], earth_barycentric[2][3];
  eraMoon98(tt.day, tt.fraction, moon);
  eraEpv00(tt.day, tt.fraction, earth_heliocentric, earth_barycentric);
  const double e = eraObl06(ERFA_DJ00, 0);
  const auto longitude = [e](double x, double y, double z) { return std::atan2(y * std::cos(e) + z * std::sin(e), x); };
  const double moon_lon = longitude(moon[0][0], moon[0][1], moon[0][2]);
  const double sun_lon = longitude(-earth_heliocentric[0][0], -earth_heliocentric[0][1], -earth_heliocentric[0][2]);
  return degrees(eraAnp(moon_lon - sun_lon));
}

}  // namespace

NextPhase next_new_or_full_moon(const JulianDate& tt) {
  const double now = moon_minus_sun_longitude(tt);
  NextPhase next;
  next.full = now < 180;
  const double target = next.full ? 180 : 360;
  // From the mean rate, corrected by the rate's own estimate: the true rate
  // lies within a third of the mean, so each round shrinks the error at
  // least threefold; a thousandth of a degree is under two minutes.
  double days = (target - now) / kMeanElongationRate;
  for (int round = 0; round < 20; ++round) {
    const double error = std::remainder(target - moon_minus_sun_longitude({tt.day, tt.fraction + days}), 360.0);
    days += error / kMeanElongationRate;
    if (std::abs(error) < 1e-3) break;
  }
  next.tt = {tt.day, tt.fraction + days};
  return next;
}

double ecliptic_declination(double ra, double obliquity) {
  return degrees(std::atan(std::tan(obliquity * kDegree) * std::sin(ra * kDegree)));
}

double height_above_ecliptic(double ra, double dec, double obliquity) {
  return dec - ecliptic_declination(ra, obliquity);
}

TrueSky true_sky(const JulianDate& utc, const Observer& observer) { return SkyCalculator().at(utc, observer); }

namespace {

// How long what moves slowly is carried: the earth's and the planets' paths
// bend off their tangents by under 0.2 arcsecond in an hour, the
// precession and nutation move by less.
constexpr double kCarriedDays = 1.0 / 24;

// The observer's frame at a moment from the slow part and the earth's turn.
Frame frame_at(const SkyCalculator::Slow& slow, const JulianDate& tt, double rotation,
               const double earth_heliocentric[2][3], const double earth_barycentric[2][3]) {
  Frame frame;
  eraApco(tt.day, tt.fraction, const_cast<double(*)[3]>(earth_barycentric), const_cast<double*>(earth_heliocentric[0]),
          slow.x, slow.y, slow.s, rotation, slow.observer.longitude * kDegree, slow.observer.latitude * kDegree, 0, 0,
          0, eraSp00(tt.day, tt.fraction), 0, 0, &frame.astrom);
  frame.eo = slow.eo;
  frame.obliquity = slow.obliquity;
  return frame;
}

SkyCalculator::Slow slow_sky(const JulianDate& tt, const JulianDate& ut1, const Observer& observer) {
  SkyCalculator::Slow slow;
  slow.tt = tt;
  slow.observer = observer;
  // Precession and nutation once: the matrix gives the pole (x, y), the
  // origin (s) and the equation of the origins, as eraXys06a, eraEo06a and
  // eraGst06a would each work them out again.
  double nutation_longitude = 0, nutation_obliquity = 0;
  eraNut06a(tt.day, tt.fraction, &nutation_longitude, &nutation_obliquity);
  double gamma = 0, phi = 0, psi = 0, mean_obliquity = 0;
  eraPfw06(tt.day, tt.fraction, &gamma, &phi, &psi, &mean_obliquity);
  double matrix[3][3];
  eraFw2m(gamma, phi, psi + nutation_longitude, mean_obliquity + nutation_obliquity, matrix);
  eraBpn2xy(matrix, &slow.x, &slow.y);
  slow.s = eraS06(tt.day, tt.fraction, slow.x, slow.y);
  slow.eo = eraEors(matrix, slow.s);
  slow.obliquity = degrees(mean_obliquity + nutation_obliquity);
  eraEpv00(tt.day, tt.fraction, slow.earth_heliocentric, slow.earth_barycentric);
  for (std::size_t i = 0; i < kPlanets.size(); ++i) eraPlan94(tt.day, tt.fraction, kPlanets[i].first, slow.planets[i]);

  Frame frame = frame_at(slow, tt, eraEra00(ut1.day, ut1.fraction), slow.earth_heliocentric, slow.earth_barycentric);
  const auto catalogue = bright_stars();
  for (std::size_t i = 0; i < slow.star_ra.size() && i < catalogue.size(); ++i) {
    const BrightStar& star = catalogue[i];
    const double ra = star.ra_hours * 15 * kDegree, dec = star.dec_degrees * kDegree;
    double ri = 0, di = 0;
    eraAtciq(ra, dec, star.pm_ra_cos_dec * kMilliarcsecond / std::cos(dec), star.pm_dec * kMilliarcsecond, 0, 0,
             &frame.astrom, &ri, &di);
    slow.star_ra[i] = degrees(eraAnp(ri - frame.eo));
    slow.star_dec[i] = degrees(di);
  }
  return slow;
}

// A position and velocity carried along its tangent for `days`.
void carried(const double from[2][3], double days, double to[2][3]) {
  for (int k = 0; k < 3; ++k) {
    to[0][k] = from[0][k] + days * from[1][k];
    to[1][k] = from[1][k];
  }
}

}  // namespace

TrueSky SkyCalculator::at(const JulianDate& utc, const Observer& observer) {
  TrueSky sky;
  sky.time = time_scales(utc);
  const JulianDate& tt = sky.time.tt;
  const JulianDate& ut1 = sky.time.ut1;
  if (!slow_ || slow_->observer.latitude != observer.latitude || slow_->observer.longitude != observer.longitude ||
      std::abs((tt.day - slow_->tt.day) + (tt.fraction - slow_->tt.fraction)) > kCarriedDays)
    slow_ = slow_sky(tt, ut1, observer);
  const Slow& slow = *slow_;
  const double since = (tt.day - slow.tt.day) + (tt.fraction - slow.tt.fraction);

  // The earth, its orientation and the observer on it (no polar motion).
  double earth_heliocentric[2][3], earth_barycentric[2][3];
  carried(slow.earth_heliocentric, since, earth_heliocentric);
  carried(slow.earth_barycentric, since, earth_barycentric);
  const double rotation = eraEra00(ut1.day, ut1.fraction);
  const Frame frame = frame_at(slow, tt, rotation, earth_heliocentric, earth_barycentric);
  sky.obliquity = frame.obliquity;
  // The apparent sidereal time: the earth's turn less the equation of the origins.
  sky.local_sidereal_time = degrees(eraAnp(rotation - frame.eo + observer.longitude * kDegree));

  // The sun's barycentric place and motion, from the earth's two.
  const Vector earth_position = from(earth_barycentric[0]), earth_velocity = from(earth_barycentric[1]);
  const Vector sun_position = minus(earth_position, from(earth_heliocentric[0]));
  const Vector sun_velocity = minus(earth_velocity, from(earth_heliocentric[1]));
  auto sun_at = [&](double delay) { return plus_scaled(sun_position, -delay, sun_velocity); };

  sky.sun.kind = BodyKind::sun;
  sky.sun.name = "The sun";
  apparent(frame, retarded(frame, sun_at), sky.sun);

  double moon[2][3];
  eraMoon98(tt.day, tt.fraction, moon);
  const Vector moon_position = plus_scaled(earth_position, 1, from(moon[0]));
  const Vector moon_velocity = plus_scaled(earth_velocity, 1, from(moon[1]));
  sky.moon.kind = BodyKind::moon;
  sky.moon.name = "The moon";
  apparent(frame, retarded(frame, [&](double delay) { return plus_scaled(moon_position, -delay, moon_velocity); }),
           sky.moon);

  const double centuries = (tt.value() - ERFA_DJ00) / ERFA_DJC;
  const double sun_distance = frame.astrom.em;
  for (std::size_t i = 0; i < kPlanets.size(); ++i) {
    const auto [number, name] = kPlanets[i];
    double heliocentric_distance = 0;
    auto planet_at = [&, i](double delay) {
      double pv[2][3];
      carried(slow.planets[i], since - delay, pv);
      heliocentric_distance = length(from(pv[0]));
      return plus_scaled(sun_at(delay), 1, from(pv[0]));
    };
    BodyPlace& planet = sky.planets[i];
    planet.kind = BodyKind::planet;
    planet.name = name;
    apparent(frame, retarded(frame, planet_at), planet);
    const double r = heliocentric_distance, d = planet.distance;
    const double phase_angle =
        degrees(std::acos(std::clamp((r * r + d * d - sun_distance * sun_distance) / (2 * r * d), -1.0, 1.0)));
    const double tilt = number == 6 ? saturn_ring_tilt(centuries, planet, frame.obliquity) : 0;
    planet.magnitude = planet_magnitude(number, r, d, phase_angle, tilt);
  }

  const auto catalogue = bright_stars();
  for (std::size_t i = 0; i < sky.stars.size() && i < catalogue.size(); ++i) {
    BodyPlace& place = sky.stars[i];
    place.kind = BodyKind::star;
    place.label = catalogue[i].label;
    place.place = catalogue[i].place;
    place.ra = slow.star_ra[i];
    place.dec = slow.star_dec[i];
    place.height = height_above_ecliptic(place.ra, place.dec, frame.obliquity);
  }

  // The moon's phase: the angle sun-moon-observer from the elongation and
  // the two distances; waxing while it is east of the sun in longitude.
  MoonPhase& phase = sky.moon_phase;
  phase.elongation = angle_between(sky.moon, sky.sun);
  const double e = phase.elongation * kDegree;
  const double phase_angle =
      std::atan2(sky.sun.distance * std::sin(e), sky.moon.distance - sky.sun.distance * std::cos(e));
  phase.lit_fraction = (1 + std::cos(phase_angle)) / 2;
  double moon_lon = 0, sun_lon = 0, lat = 0;
  ecliptic_of(sky.moon.ra, sky.moon.dec, frame.obliquity, moon_lon, lat);
  ecliptic_of(sky.sun.ra, sky.sun.dec, frame.obliquity, sun_lon, lat);
  phase.waxing = eraAnp(moon_lon - sun_lon) < ERFA_DPI;
  return sky;
}

}  // namespace pelmora::sky
