#include "replay/interruption.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace pelmora {

namespace {

volatile std::sig_atomic_t noted_signal = 0;

void note(int signal) {
  if (noted_signal == 0) noted_signal = signal;
}

void set_action(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a blocking open or write (a FIFO nobody reads) returns,
  // and the run sees the signal.
  action.sa_flags = 0;
  if (sigaction(signal, &action, nullptr) != 0)
    std::fprintf(stderr, "pelmora: cannot handle signal %d (%s); it ends the run at once\n", signal,
                 std::strerror(errno));
}

}  // namespace

void note_interruptions() {
  // Every signal that would end the program by default and that someone
  // may send to stop it.
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM}) set_action(signal, note);
  set_action(SIGPIPE, SIG_IGN);
  // A file past the size limit shows as a failed write too.
  set_action(SIGXFSZ, SIG_IGN);
}

int interruption() { return noted_signal; }

}  // namespace pelmora
