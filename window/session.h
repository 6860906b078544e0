// What the window's run looks like from outside: an end on SIGTERM, SIGINT
// or SIGHUP like any other end of the program, and the figures of --stats.
#pragma once

#include <functional>

namespace pelmora {

// Calls `on_signal` from the event loop when SIGTERM, SIGINT or SIGHUP
// arrives.
void end_on_signals(std::function<void()> on_signal);

// Seconds since the machine booted, the clock the kernel dates processes by.
double seconds_since_boot();

// When this process started, in seconds since boot, from the kernel's
// record of it (a read of /proc, so only when it is asked for).
double process_start_since_boot();

}  // namespace pelmora
