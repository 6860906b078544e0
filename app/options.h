// The command line: with no options the window on the real clock; options
// choose another starting moment, or a headless replay of a script of
// events with a trace of every platform operation and a picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "clocks.h"

namespace pelmora {

struct ScriptEvent {
  enum class Kind { tick, wait, click_clock_mode, click_cmd_exit, click_picture1, close, answer };
  Kind kind = Kind::tick;
  std::int64_t count = 1;         // tick: how many ticks
  std::int64_t milliseconds = 0;  // wait: how long
  int answer = 0;                 // answer: 6, 7 or 2
  bool operator==(const ScriptEvent&) const = default;
};

struct Options {
  std::optional<LocalMoment> at;
  bool headless = false;
  std::vector<ScriptEvent> script;
  std::optional<std::string> trace_file;     // "-" is standard output
  std::optional<std::string> snapshot_file;  // a .png
  bool stats = false;                        // the window reports its ticks, passes and start-up time at the end
  bool help = false;
  bool version = false;
};

// The options, or one line saying what was wrong.
std::variant<Options, std::string> parse_options(const std::vector<std::string>& arguments);

// A moment written as YYYY-MM-DD[( |T)HH:MM[:SS[.f]]]; nothing when it is
// not a real local date and time of the years 1000 to 9999.
std::optional<LocalMoment> parse_moment(const std::string& text);

// The events of a script, or one line saying what was wrong.
std::variant<std::vector<ScriptEvent>, std::string> parse_script(const std::string& words);

// The milliseconds that a script's ticks and waits advance the clock.
std::int64_t script_duration(const std::vector<ScriptEvent>& script);

// Whether the clock stays within 9999-12-31 through the whole script.
bool script_fits(const LocalMoment& start, const std::vector<ScriptEvent>& script);

std::string usage_text();

}  // namespace pelmora
