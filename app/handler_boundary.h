// The handler boundary: where the platform runs one of the window's event
// handlers and turns however it ended into a result. A run-time error, the
// end of the program, running out of memory or any other exception stops
// here; nothing escapes into the toolkit's event loop.
#pragma once

#include <functional>
#include <optional>

#include "numeric.h"

namespace pelmora {

struct HandlerEnd {
  enum class Kind { done, program_ended, runtime_error };
  Kind kind = Kind::done;
  std::optional<RuntimeError> error;  // what ended it, for runtime_error
};

// Runs `handler` to its end. Out of memory is run-time error 7; any other
// exception is error 51, "Internal error", with what it said.
HandlerEnd run_handler(const std::function<void()>& handler) noexcept;

}  // namespace pelmora
