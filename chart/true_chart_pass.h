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

 private:
  using Point = std::optional<std::array<int, 2>>;
  std::optional<double> last_sidereal_time_;
  Point sun_, moon_;
  std::array<Point, 5> planets_;
  std::array<Point, 31> stars_;
  std::array<std::optional<int>, 6> markers_;
  std::array<Point, 360> equator_;
};

}  // namespace pelmora
