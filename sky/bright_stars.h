// The chart's 31 stars as they are in the sky: their catalogue places of
// J2000.0 and proper motions, keyed by their group and place in the chart's
// catalogue.
#pragma once

#include <span>

namespace pelmora::sky {

struct BrightStar {
  int label;             // the chart catalogue's group
  int place;             // 1, 2, ... within the group
  double ra_hours;       // ICRS, epoch J2000.0
  double dec_degrees;    //
  double pm_ra_cos_dec;  // milliarcseconds a year, on the sky (mu alpha cos delta)
  double pm_dec;         // milliarcseconds a year
};

std::span<const BrightStar> bright_stars();

}  // namespace pelmora::sky
