// The headless run of the command line: a replay with its trace and
// snapshot files, with no window and no display.
#pragma once

#include "command_line/options.h"

namespace pelmora {

// Returns the exit status: 0 done, kExitFailed (a run-time error or an
// output that could not be written), kExitBadInput, or 128 + the number of
// a signal that stopped the run.
// `program` is the program's name, for the toolkit.
int run_headless(const Options& options, char* program);

}  // namespace pelmora
