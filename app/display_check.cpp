#include "display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace pelmora {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Whether a local X server answers on the display's socket; remote and
// unusual display names are left to the toolkit.
bool local_x_server_answers(const std::string& display) {
  if (display.empty() || display[0] != ':') return true;
  const std::string number = display.substr(1, display.find('.') - 1);
  const std::string path = "/tmp/.X11-unix/X" + number;
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return true;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  const bool answers = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return answers;
}

}  // namespace

std::optional<std::string> display_problem() {
  if (!environment("QT_QPA_PLATFORM").empty()) return std::nullopt;
  if (!environment("WAYLAND_DISPLAY").empty()) return std::nullopt;
  const std::string display = environment("DISPLAY");
  if (display.empty()) return "there is no display (DISPLAY is not set)";
  if (!local_x_server_answers(display)) return "no display server answers on " + display;
  return std::nullopt;
}

}  // namespace pelmora
