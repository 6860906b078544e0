// The chart's pass in the true sky: the same figures as the design, drawn
// by the same functions, at the places the true sky gives. The bodies do
// not move by whole steps of 2 pixels, so each figure is erased where it
// was drawn last, not 2 pixels to its left.
#pragma once

#include <array>
#include <optional>

#include "app/numeric.h"
#include "app/platform.h"
#include "app/true_sky_source.h"

namespace pelmora {

class TrueChartPass {
 public:
  // One pass: the baseline and the scale, the centre marker, the equator of
  // date, the stars and markers, the planets, the moon and the sun, each
  // only while in view. Pixel units are set and left as character units.
  void draw(DrawingSurface& picture, Integer level, Colour tick_colour, const TrueSkyPlaces& places);
  // The picture was cleared: nothing of ours is on it.
  void forget();
  // What the last pass drew, and where; nothing before the first pass.
  const TrueSkyDrawn* drawn() const { return last_sidereal_time_ ? &drawn_ : nullptr; }

 private:
  std::optional<double> last_sidereal_time_;
  TrueSkyDrawn drawn_;
  std::array<TrueSkyDrawn::Pixel, 360> equator_;
};

}  // namespace pelmora
