#include "replay/true_sky_places.h"

#include <cmath>
#include <string>

namespace pelmora {

sky::TrueSky RoomSky::sky_at(const LocalMoment& local) {
  const LocalMoment utc = universal_time(local);
  return calculator_.at(sky::utc_julian_date(utc.year, utc.month, utc.day, double(utc.milliseconds) / 1000),
                        {place_.latitude, place_.longitude});
}

double RoomSky::days_to_next_phase(const sky::TimeScales& time) {
  const double now = time.tt.value();
  if (!next_phase_ || now < next_phase_sought_from_ || now >= next_phase_->tt.value()) {
    next_phase_ = sky::next_new_or_full_moon(time.tt);
    next_phase_sought_from_ = now;
  }
  return (next_phase_->tt.day - time.tt.day) + (next_phase_->tt.fraction - time.tt.fraction);
}

TrueSkyPlaces RoomSky::places_at(const std::string& date_text, double seconds) {
  // "MM-DD-YYYY", as the clock gives it.
  LocalMoment local{std::stoi(date_text.substr(6, 4)), std::stoi(date_text.substr(0, 2)),
                    std::stoi(date_text.substr(3, 2)), 0};
  local.advance(std::llround(seconds * 1000));
  last_moment_ = local;
  const sky::TrueSky sky = sky_at(local);
  TrueSkyPlaces places;
  places.sidereal_time = sky.local_sidereal_time;
  places.obliquity = sky.obliquity;
  places.sun = {sky.sun.ra, sky.sun.height};
  places.moon = {sky.moon.ra, sky.moon.height};
  for (std::size_t i = 0; i < places.planets.size(); ++i) {
    places.planets[i] = {sky.planets[i].ra, sky.planets[i].height};
    places.planet_magnitudes[i] = sky.planets[i].magnitude;
  }
  for (std::size_t i = 0; i < places.stars.size(); ++i) places.stars[i] = {sky.stars[i].ra, sky.stars[i].height};
  const sky::MoonPhase& phase = sky.moon_phase;
  places.moon_phase = {phase.waxing ? phase.elongation : 360 - phase.elongation, phase.lit_fraction,
                       days_to_next_phase(sky.time), next_phase_->full};
  return places;
}

}  // namespace pelmora
