// The chart read in words, for a screen reader: the mode, the time and date
// shown, where the sun and the moon stand, the angle at the centre and, in
// clock mode, the countdown to the next step.
#pragma once

#include <string>

#include "app/chart_view.h"

namespace pelmora {

std::string chart_in_words(const ChartView& st);

}  // namespace pelmora
