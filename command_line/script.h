// A script of events for a headless run: ticks, waits, clicks, the close
// request and the answers of message boxes.
#pragma once

#include <cstdint>
#include <vector>

#include "clocks/clocks.h"

namespace pelmora {

struct ScriptEvent {
  enum class Kind { tick, wait, click_clock_mode, click_cmd_exit, click_picture1, close, answer };
  Kind kind = Kind::tick;
  std::int64_t count = 1;         // tick: how many ticks
  std::int64_t milliseconds = 0;  // wait: how long
  int answer = 0;                 // answer: 6, 7 or 2
  bool operator==(const ScriptEvent&) const = default;
};

// Clock time that one timer tick of a script stands for.
inline constexpr std::int64_t kTickMilliseconds = 15;

// The milliseconds that a script's ticks and waits advance the clock.
std::int64_t script_duration(const std::vector<ScriptEvent>& script);

// Whether the clock stays within 9999-12-31 through the whole script.
bool script_fits(const LocalMoment& start, const std::vector<ScriptEvent>& script);

}  // namespace pelmora
