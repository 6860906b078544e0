// What the window's run looks like from outside: an end on SIGTERM or
// SIGINT like any other end of the program, and the figures of --stats.
#pragma once

#include <functional>

namespace pelmora {

// Calls `on_signal` from the event loop when SIGTERM or SIGINT arrives.
void end_on_signals(std::function<void()> on_signal);

// Seconds since this process started, from the kernel's record of it.
double seconds_since_process_start();

}  // namespace pelmora
