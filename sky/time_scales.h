// From universal to terrestrial time: the leap-second table where it holds,
// a published polynomial for Delta T outside it.
#pragma once

namespace pelmora::sky {

// A moment as a Julian date in two parts whose sum is the date: the split
// keeps the fraction of the day exact enough for the sidereal time.
struct JulianDate {
  double day = 0;
  double fraction = 0;
  double value() const { return day + fraction; }
};

// The Julian date of a UTC calendar date and seconds since its midnight
// (0 to 86,400); nothing is checked but the calendar date's range.
JulianDate utc_julian_date(int year, int month, int day, double seconds);

enum class TimeBasis {
  leap_seconds,  // TT = UTC + (TAI - UTC) + 32.184 s, from ERFA's table
  delta_t,       // TT = UT1 + Delta T from the polynomial: before 1960, or
                 // after the table's reach (ERFA calls such a year dubious)
};

struct TimeScales {
  JulianDate utc;
  JulianDate ut1;  // taken as UTC: leap seconds keep them within 0.9 s
  JulianDate tt;
  double tt_minus_utc = 0;  // seconds
  TimeBasis basis = TimeBasis::leap_seconds;
};

TimeScales time_scales(const JulianDate& utc);

// Delta T = TT - UT1 in seconds at a decimal year, from the polynomials of
// F. Espenak and J. Meeus, "Five Millennium Canon of Solar Eclipses:
// -1999 to +3000" (NASA TP-2006-214141), section 2.6.
double delta_t_seconds(double year);

}  // namespace pelmora::sky
