// The chart's read-outs: the cells each covers and what it says, in the one
// wording that the tips, the help page and the README give (a test holds
// the documents to it).
#pragma once

#include <array>
#include <string_view>

#include "app/translatable.h"

namespace pelmora {

struct Readout {
  std::string_view name;                               // as the chart prints it, or what it is
  std::string_view where;                              // on the chart, in words
  std::string_view meaning;                            // one sentence
  int first_row, last_row, first_column, last_column;  // the text cells it covers
  enum class Mode { both, clock, simulation } shown_in = Mode::both;
};

inline constexpr std::array kReadouts = {
    Readout{
        "title", "top left",
        GUIDE_TR("Guide",
                 "The chart's title: the band of sky along the sun's yearly path, seen from the northern hemisphere."),
        1, 1, 2, 36},
    Readout{"minutes log in error", "top left",
            GUIDE_TR("Guide",
                     "Worked out when the chart starts: how far the time of day lies into its 32-minute span of the "
                     "turn, halved, in minutes (0 to .5)."),
            3, 3, 2, 27},
    Readout{"hrs, min, sec", "top right, clock mode", GUIDE_TR("Guide", "The computer's clock."), 4, 8, 134, 145,
            Readout::Mode::clock},
    Readout{"hrs, min", "top right, simulation mode",
            GUIDE_TR("Guide", "A simulated time: four minutes for every degree the chart has turned."), 4, 6, 134, 145,
            Readout::Mode::simulation},
    Readout{"simulation", "top right, simulation mode",
            GUIDE_TR("Guide", "The chart turns as fast as it can be redrawn, a degree every eight steps."), 8, 8, 134,
            145, Readout::Mode::simulation},
    Readout{"lunar", "left", GUIDE_TR("Guide", "The moon's angle on the scale, in degrees (0 to 360)."), 42, 42, 4, 22},
    Readout{"the number below it", "left",
            GUIDE_TR("Guide", "The chart angle: the scale's angle at the left edge, in degrees (1 to 360)."), 44, 44, 8,
            16},
    Readout{"cycle", "bottom left, simulation mode",
            GUIDE_TR("Guide", "The seconds the last redraw took, to hundredths."), 50, 50, 4, 30,
            Readout::Mode::simulation},
    Readout{"update", "bottom left, clock mode",
            GUIDE_TR("Guide", "Whole seconds until the chart's next step, one every 30 seconds."), 50, 50, 4, 30,
            Readout::Mode::clock},
    Readout{GUIDE_TR("Guide", "day, month, year"), "bottom", GUIDE_TR("Guide", "The date of the computer's clock."), 50,
            50, 68, 88},
    Readout{"local", "bottom right",
            GUIDE_TR("Guide", "The scale's angle at the centre marker, in degrees (the chart angle less 40)."), 48, 48,
            124, 139},
    Readout{"solar", "bottom right",
            GUIDE_TR("Guide", "The sun's angle on the scale, in degrees, from the day of the year."), 50, 50, 124, 139},
};

}  // namespace pelmora
