#include "window/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "command_line/values.h"
#include "replay/toolkit_failure.h"

namespace pelmora {

namespace {

std::string no_window_line(const std::string& reason) {
  return "cannot open the window: " + reason +
         ". For the chart as a picture without a display, use --snapshot FILE.png (see --help).";
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool socket_answers(const std::string& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return true;  // cannot tell: leave it to the toolkit
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) {
    close(fd);
    return true;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const bool answers = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return answers;
}

// Whether a local X server answers on the display's socket; remote and
// unusual display names are left to the toolkit.
bool x_server_answers(const std::string& display) {
  if (display.empty() || display[0] != ':') return true;
  const std::string number = display.substr(1, display.find('.') - 1);
  return socket_answers("/tmp/.X11-unix/X" + number);
}

// Whether a Wayland compositor answers: the name is a socket in the
// runtime directory, or a path of its own.
bool wayland_answers(const std::string& name) {
  if (name.starts_with('/')) return socket_answers(name);
  const std::string runtime = environment("XDG_RUNTIME_DIR");
  return !runtime.empty() && socket_answers(runtime + "/" + name);
}

// The toolkit's messages while it starts: kept, shown once it has started.
QtMessageHandler usual_handler = nullptr;
std::vector<QString>* held_messages = nullptr;

void while_starting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // The toolkit found no display it could open; it would abort now.
  if (type == QtFatalMsg)
    end_on_toolkit_failure(no_window_line("the toolkit could open no display (its platform plugin failed)"));
  if (held_messages != nullptr) held_messages->push_back(qFormatLogMessage(type, context, message));
}

// Once started: the toolkit's messages as usual, but for the one it gives
// when the display goes away, which ends the program: said as the
// program's own line.
void once_started(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("The X11 connection broke"))) {
    std::fprintf(stderr, "pelmora: the display went away (%s)\n", first_line(message).c_str());
    return;
  }
  if (usual_handler != nullptr) return usual_handler(type, context, message);
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void say_no_window(const std::string& reason) { std::fprintf(stderr, "pelmora: %s\n", no_window_line(reason).c_str()); }

std::optional<std::string> display_problem(const Options& options) {
  if (!environment("QT_QPA_PLATFORM").empty() || options.toolkit_platform) return std::nullopt;
  const std::string wayland = environment("WAYLAND_DISPLAY");
  std::string x = options.toolkit_display.value_or("");
  if (x.empty()) x = environment("DISPLAY");
  if (wayland.empty() && x.empty()) return "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
  if (!wayland.empty() && wayland_answers(wayland)) return std::nullopt;
  if (!x.empty() && x_server_answers(x)) return std::nullopt;
  return "no display server answers on " + quoted_argument(x.empty() ? wayland : x);
}

void start_toolkit_quietly() {
  static std::vector<QString> messages;
  held_messages = &messages;
  usual_handler = qInstallMessageHandler(while_starting);
}

void toolkit_started() {
  qInstallMessageHandler(once_started);
  if (held_messages == nullptr) return;
  for (const QString& message : *held_messages) std::fprintf(stderr, "%s\n", qPrintable(message));
  held_messages->clear();
  held_messages = nullptr;
}

}  // namespace pelmora
