// The true sky for the chart: the room's places at the clock's local
// moment, turned into universal time in the computer's time zone.
#pragma once

#include <optional>

#include "app/true_sky_source.h"
#include "clocks/clocks.h"
#include "sky/place.h"
#include "sky/true_sky.h"

namespace pelmora {

class RoomSky : public TrueSkySource {
 public:
  explicit RoomSky(const sky::Place& place) : place_(place) {}
  TrueSkyPlaces places_at(const std::string& date_text, double seconds) override;

  // The room's sky at a local moment.
  sky::TrueSky sky_at(const LocalMoment& local);
  // The local moment of the last places asked for, if any.
  const std::optional<LocalMoment>& last_moment() const { return last_moment_; }

 private:
  // The days to the next new or full moon at a moment of the sky.
  double days_to_next_phase(const sky::TimeScales& time);

  sky::Place place_;
  sky::SkyCalculator calculator_;
  std::optional<LocalMoment> last_moment_;
  // The next new or full moon found last, and the moment it was sought
  // from: it stays the next one for every moment between the two.
  std::optional<sky::NextPhase> next_phase_;
  double next_phase_sought_from_ = 0;
};

}  // namespace pelmora
