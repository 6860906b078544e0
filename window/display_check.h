// Whether a window can be opened at all, asked before the toolkit starts,
// since the toolkit aborts when it finds no display.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "command_line/options.h"

namespace pelmora {

// What stands in the way of a window, or nothing when one can be opened
// (or the platform was chosen explicitly, with QT_QPA_PLATFORM or
// -platform). A -display among the options is the X display to look at.
std::optional<std::string> display_problem(const Options& options);
// Says, as the program's one line, that no window can be opened and why.
void say_no_window(const std::string& reason);

// Makes the toolkit's fatal failure to open any display end the program
// with one line and status 1 instead of an abort, and keeps the toolkit's
// messages while it starts, to be shown only when it started.
void start_toolkit_quietly();
// After the toolkit started: shows what it said meanwhile and hands its
// messages back to the usual output (the loss of the display said in the
// program's own words).
void toolkit_started();

}  // namespace pelmora
