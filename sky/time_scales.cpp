#include "sky/time_scales.h"

#include <erfa.h>

#include <cmath>
#include <stdexcept>

namespace pelmora::sky {

namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kTtMinusTai = 32.184;  // seconds, by definition
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kJ2000 = 2451545.0;

JulianDate plus_seconds(const JulianDate& date, double seconds) {
  return {date.day, date.fraction + seconds / kSecondsPerDay};
}

}  // namespace

JulianDate utc_julian_date(int year, int month, int day, double seconds) {
  double day_start = 0, mjd = 0;
  if (eraCal2jd(year, month, day, &day_start, &mjd) != 0) throw std::invalid_argument("no such calendar date");
  return {day_start + mjd, seconds / kSecondsPerDay};
}

double delta_t_seconds(double y) {
  if (y < 500) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
  }
  if (y < 1600) {
    const double u = (y - 1000) / 100;
    return 1574.2 - 556.01 * u + 71.23472 * u * u + 0.319781 * std::pow(u, 3) - 0.8503463 * std::pow(u, 4) -
           0.005050998 * std::pow(u, 5) + 0.0083572073 * std::pow(u, 6);
  }
  if (y < 1700) {
    const double t = y - 1600;
    return 120 - 0.9808 * t - 0.01532 * t * t + std::pow(t, 3) / 7129;
  }
  if (y < 1800) {
    const double t = y - 1700;
    return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * std::pow(t, 3) - std::pow(t, 4) / 1174000;
  }
  if (y < 1860) {
    const double t = y - 1800;
    return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) - 0.00037436 * std::pow(t, 4) +
           0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
  }
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) - 0.0004473624 * std::pow(t, 4) +
           std::pow(t, 5) / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) - 0.000197 * std::pow(t, 4);
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) + 0.000651814 * std::pow(t, 4) +
           0.00002373599 * std::pow(t, 5);
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  if (y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
  return -20 + 32 * u * u;
}

TimeScales time_scales(const JulianDate& utc) {
  TimeScales scales;
  scales.utc = utc;
  scales.ut1 = utc;

  int year = 0, month = 0, day = 0;
  double fraction = 0;
  double tai_minus_utc = 0;
  const bool on_calendar = eraJd2cal(utc.day, utc.fraction, &year, &month, &day, &fraction) == 0;
  // 0: the table holds; 1: before 1960 (no UTC yet) or years past the
  // table's last entry, where leap seconds to come are unknown.
  if (on_calendar && eraDat(year, month, day, fraction, &tai_minus_utc) == 0) {
    scales.basis = TimeBasis::leap_seconds;
    scales.tt_minus_utc = tai_minus_utc + kTtMinusTai;
  } else {
    scales.basis = TimeBasis::delta_t;
    scales.tt_minus_utc = delta_t_seconds(2000 + (utc.value() - kJ2000) / kDaysPerJulianYear);
  }
  scales.tt = plus_seconds(utc, scales.tt_minus_utc);
  return scales;
}

}  // namespace pelmora::sky
