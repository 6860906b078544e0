// The values the command line takes: moments, script words and durations,
// and how an argument is quoted back in a message.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "clocks/clocks.h"
#include "command_line/script.h"

namespace pelmora {

// A moment written as YYYY-MM-DD[( |T)HH:MM[:SS[.f]]] of the years 1000 to
// 9999, or one line saying what is wrong with it.
std::variant<LocalMoment, std::string> parse_moment_or_problem(std::string_view text);
// The same, without the reason.
std::optional<LocalMoment> parse_moment(std::string_view text);

// The events of a script, or one line saying what was wrong.
std::variant<std::vector<ScriptEvent>, std::string> parse_script(std::string_view words);

// An argument as a message quotes it: in single quotes, control characters
// and bytes that are not text escaped (\n, \t, \x1b), cut to 60 characters
// with "..." so that a message stays one readable line.
std::string quoted_argument(std::string_view text);

}  // namespace pelmora
