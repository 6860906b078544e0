#include "replay/toolkit_failure.h"

#include <unistd.h>

#include <cstdio>

#include "command_line/options.h"

namespace pelmora {

void end_on_toolkit_failure(const std::string& line) {
  std::fprintf(stderr, "pelmora: %s\n", line.c_str());
  std::fflush(stderr);
  // Not exit(): the toolkit is half way through a call and its objects
  // must not be destroyed under it.
  _exit(kExitFailed);
}

std::string first_line(const QString& message) { return message.section('\n', 0, 0).toStdString(); }

}  // namespace pelmora
