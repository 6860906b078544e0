#include "replay/true_sky_places.h"

#include <cmath>
#include <string>

namespace pelmora {

sky::TrueSky RoomSky::sky_at(const LocalMoment& local) const {
  const LocalMoment utc = universal_time(local);
  return sky::true_sky(sky::utc_julian_date(utc.year, utc.month, utc.day, double(utc.milliseconds) / 1000),
                       {place_.latitude, place_.longitude});
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
  for (std::size_t i = 0; i < places.planets.size(); ++i)
    places.planets[i] = {sky.planets[i].ra, sky.planets[i].height};
  for (std::size_t i = 0; i < places.stars.size(); ++i) places.stars[i] = {sky.stars[i].ra, sky.stars[i].height};
  return places;
}

}  // namespace pelmora
