// The headless run of the command line: a replay with its trace and
// snapshot files, with no window and no display.
#pragma once

#include "command_line/options.h"

namespace pelmora {

// Returns the exit status: 0 done, 1 run-time error, 2 bad input.
// `program` is the program's name, for the toolkit.
int run_headless(const Options& options, char* program);

}  // namespace pelmora
