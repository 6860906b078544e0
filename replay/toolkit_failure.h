// The toolkit's fatal message, after which it would abort: said once, as
// the program's one line, and the program ends with status 1 instead.
#pragma once

#include <QString>
#include <string>

namespace pelmora {

// Ends the program with "pelmora: <line>" and kExitFailed.
[[noreturn]] void end_on_toolkit_failure(const std::string& line);

// The first line of a toolkit's message, for a message of the program's own.
std::string first_line(const QString& message);

}  // namespace pelmora
