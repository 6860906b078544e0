// Whether a window can be opened at all, asked before the toolkit starts,
// since the toolkit aborts when it finds no display.
#pragma once

#include <optional>
#include <string>

namespace pelmora {

// What stands in the way of a window, or nothing when one can be opened
// (or the platform was chosen explicitly).
std::optional<std::string> display_problem();

}  // namespace pelmora
