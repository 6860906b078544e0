#include "app/form1.h"
#include "calendar/solar_year.h"

namespace pelmora {

namespace {

// The true sidereal and synodic months, in days (back to the same star, back
// to the same phase): periods rounded to 27.3 and 29.54 days would carry the
// moon a few degrees a year away from the real one.
constexpr double kSiderealMonth = 27.321661;
constexpr double kSynodicMonth = 29.530589;

}  // namespace

void Form1::compute_moon() {
  st.lunar_date_text = clock_.date_text();
  st.lunar_year = to_integer(leading_number(right_text(st.lunar_date_text, 4)));
  compute_calendar();
  st.epoch_years = st.lunar_year - kMoonEpochYear;

  const Single t = clock_.seconds_since_midnight();
  st.day_number = sng(double(t) / 86400 + dbl(st.days_before_month + st.day));
  // Degrees of the sun's travel since the epoch: 360 per 365.253 days.
  st.solar_travel =
      sng(((double(st.day_number) + kSolsticeBeforeNewYearDays + kLeapCycleMeanDays + kMoonEpochAfterSolsticeDays) /
               kSunTravelYearDays +
           dbl(st.epoch_years)) *
          360);

  // The months since the epoch, in the sun's degrees; the moon's angle and
  // its phase are the part of the current month gone, from where it stood.
  st.sidereal_months = sng(double(st.solar_travel) / (kSiderealMonth / kSunTravelYearDays * 360));
  st.lunar_angle_exact = sng((double(st.sidereal_months) - Int(st.sidereal_months) + kMoonAtEpochTurns) * 360);
  if (st.lunar_angle_exact > 360) st.lunar_angle_exact = sng(double(st.lunar_angle_exact) - 360);
  st.lunar_angle = to_integer(Int(st.lunar_angle_exact));

  st.synodic_months = sng(double(st.solar_travel) / (kSynodicMonth / kSunTravelYearDays * 360));
  st.lunar_phase = to_integer((double(st.synodic_months) - Int(st.synodic_months) + kMoonAtEpochTurns) * 360);
  if (st.lunar_phase > 360) st.lunar_phase -= 360;
}

}  // namespace pelmora
