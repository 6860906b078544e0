// When the window's timer next needs to wake in clock mode.
//
// A clock-mode tick prints the time of day and the countdown, and redraws
// the chart when an update falls due. Those texts change only when the
// clock reaches a whole second or the countdown does (the due time minus
// whole seconds); between two such moments every tick prints what is
// already there. After a tick that changed nothing the window therefore
// sleeps until just after the next of those moments instead of waking every
// interval: each change is shown as soon as it would have been, for a tenth
// of the wake-ups.
#pragma once

#include "app/chart_view.h"

namespace pelmora {

// How long after a change (in clock seconds) the window wakes to show it.
// A reading is the local time in whole milliseconds rounded to a Single (at
// most 3.9 ms off all day), so a wake this late reads the new second.
inline constexpr double kWakeLead = 0.006;

// The wait in milliseconds before the next tick, given the state after a
// tick, a clock reading taken after it, the timer's interval and whether
// the tick changed any pixel. The interval itself in simulation mode, after
// a tick that changed something (what follows a change, such as the
// countdown of a new schedule, is shown at the usual pace) and while an
// update is due; otherwise the time until just after the next change the
// tick's own readings have not reached, never less than the interval nor
// more than a second.
int next_tick_wait_ms(const ChartView& st, Single reading, int interval_ms, bool picture_changed);

}  // namespace pelmora
