#include "command_line/script.h"

namespace pelmora {

std::int64_t script_duration(const std::vector<ScriptEvent>& script) {
  std::int64_t total = 0;
  for (const ScriptEvent& event : script) {
    if (event.kind == ScriptEvent::Kind::tick) total += event.count * kTickMilliseconds;
    if (event.kind == ScriptEvent::Kind::wait) total += event.milliseconds;
  }
  return total;
}

bool script_fits(const LocalMoment& start, const std::vector<ScriptEvent>& script) {
  const std::int64_t duration = script_duration(script);
  if (duration / 86'400'000 > 3'700'000) return false;
  LocalMoment end = start;
  end.advance(duration);
  return end.year <= 9999;
}

}  // namespace pelmora
