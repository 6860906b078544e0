// The command line: with no options the window on the real clock; options
// choose another starting moment, or a headless run of a script of events
// with a trace of every platform operation and a picture. The toolkit's own
// options (-platform, -display, -style, ...) are handed on to it untouched.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "clocks/clocks.h"
#include "command_line/script.h"
#include "render/colour_scheme.h"
#include "sky/place.h"

namespace pelmora {

// Which sky the chart shows: its designed mean model, or the true sky of
// the user's place.
enum class SkyMode { design, true_sky };

struct Options {
  std::optional<LocalMoment> at;
  std::optional<SkyMode> sky;                 // none: as the settings say (the design headless)
  std::optional<sky::Place> place;            // none: the computer's time zone's place
  std::optional<std::string> positions_file;  // "-" is standard output
  std::optional<std::vector<ScriptEvent>> script;
  std::optional<std::string> trace_file;     // "-" is standard output
  std::optional<std::string> snapshot_file;  // a .png; "-" is standard output
  double scale = 1;                          // device pixels per picture pixel of the snapshot
  bool stats = false;                        // the window reports its ticks, passes and start-up time at the end
  bool full_screen = false;                  // the window starts full screen
  bool clock_mode = false;                   // start as if the clock_mode button had been pressed after the load
  std::optional<ColourScheme> colours;       // the scheme shown (and snapshotted) in this run
  bool reset_settings = false;               // the window starts from the default settings
  bool help = false;
  bool version = false;
  // The toolkit's options as they were given, in order, values included.
  std::vector<std::string> toolkit_arguments;
  // Of those, the platform and the X display asked for.
  std::optional<std::string> toolkit_platform, toolkit_display;

  // A run with no window: any of the script, the trace, the snapshot or the positions.
  bool headless() const { return script || trace_file || snapshot_file || positions_file; }
};

// The program's exit statuses besides 0 (and 128 + a signal's number).
inline constexpr int kExitFailed = 1;    // a run-time error, or an output that could not be written
inline constexpr int kExitBadInput = 2;  // a bad command line

// The options, or one line saying what was wrong.
std::variant<Options, std::string> parse_options(const std::vector<std::string>& arguments);

std::string usage_text();

}  // namespace pelmora
