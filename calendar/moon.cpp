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
  const std::string lunar_date_text = clock_.date_text();
  const Integer lunar_year = to_integer(leading_number(right_text(lunar_date_text, 4)));
  compute_calendar();
  st.epoch_years = lunar_year - kMoonEpochYear;

  const Single t = clock_.seconds_since_midnight();
  const Single day_number = sng(double(t) / 86400 + dbl(st.days_before_month + st.day));
  // Degrees of the sun's travel since the epoch: 360 per 365.253 days.
  st.solar_travel =
      sng(((double(day_number) + kSolsticeBeforeNewYearDays + kLeapCycleMeanDays + kMoonEpochAfterSolsticeDays) /
               kSunTravelYearDays +
           dbl(st.epoch_years)) *
          360);

  // The months since the epoch, in the sun's degrees; the moon's angle and
  // its phase are the part of the current month gone, from where it stood.
  const Single sidereal_months = sng(double(st.solar_travel) / (kSiderealMonth / kSunTravelYearDays * 360));
  Single lunar_angle_exact = sng((double(sidereal_months) - Int(sidereal_months) + kMoonAtEpochTurns) * 360);
  if (lunar_angle_exact > 360) lunar_angle_exact = sng(double(lunar_angle_exact) - 360);
  st.lunar_angle = to_integer(Int(lunar_angle_exact));

  const Single synodic_months = sng(double(st.solar_travel) / (kSynodicMonth / kSunTravelYearDays * 360));
  st.lunar_phase = to_integer((double(synodic_months) - Int(synodic_months) + kMoonAtEpochTurns) * 360);
  if (st.lunar_phase > 360) st.lunar_phase -= 360;
}

}  // namespace pelmora
