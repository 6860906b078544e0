#include "window/session.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace pelmora {

namespace {

int signal_pipe[2] = {-1, -1};

void on_signal(int) {
  // The interrupted code may be reading errno.
  const int saved_errno = errno;
  const char byte = 1;
  // A full socket already holds a byte that wakes the event loop.
  [[maybe_unused]] const auto written = write(signal_pipe[1], &byte, 1);
  errno = saved_errno;
}

void say_signals_not_handled(const char* call) {
  std::fprintf(stderr, "pelmora: %s failed (%s): SIGTERM, SIGINT and SIGHUP end the window without asking\n", call,
               std::strerror(errno));
}

}  // namespace

void end_on_signals(std::function<void()> handler) {
  // The signal handler only writes a byte; the event loop reads it and
  // ends the program the ordinary way. Neither end blocks, and no program
  // the window starts inherits them.
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signal_pipe) != 0)
    return say_signals_not_handled("socketpair");
  auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler = std::move(handler)] {
    char bytes[16];
    while (read(signal_pipe[0], bytes, sizeof bytes) > 0) {
    }
    handler();
  });
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP})
    if (sigaction(signal, &action, nullptr) != 0) return say_signals_not_handled("sigaction");
}

double seconds_since_boot() {
  timespec now{};
  // Cannot fail for a clock Linux has had since 2.6.39; 0 would only
  // spoil the --stats figures.
  if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return 0;
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double process_start_since_boot() {
  std::ifstream in("/proc/self/stat");
  std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // Field 22, counted after the command name in parentheses.
  const std::size_t name_end = stat.rfind(')');
  if (name_end == std::string::npos) return 0;
  std::istringstream fields(stat.substr(name_end + 1));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
  }
  char* end = nullptr;
  const double ticks = std::strtod(field.c_str(), &end);
  return end != field.c_str() ? ticks / static_cast<double>(sysconf(_SC_CLK_TCK)) : 0;
}

}  // namespace pelmora
