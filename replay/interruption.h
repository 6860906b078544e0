// SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2 and SIGALRM during a
// headless run: noted, so that the run stops after the handler in hand and
// cleans up after itself.
#pragma once

namespace pelmora {

// From here on those signals are noted instead of ending the process.
// SIGPIPE and SIGXFSZ are ignored: a closed pipe or a file past the size
// limit shows as a failed write.
void note_interruptions();

// The signal that asked the run to stop, or 0.
int interruption();

}  // namespace pelmora
