#include "replay/interruption.h"

#include <csignal>
#include <initializer_list>

namespace pelmora {

namespace {

volatile std::sig_atomic_t noted_signal = 0;

void note(int signal) {
  if (noted_signal == 0) noted_signal = signal;
}

}  // namespace

void note_interruptions() {
  struct sigaction action {};
  action.sa_handler = note;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a blocking open or write (a FIFO nobody reads) returns,
  // and the run sees the signal.
  action.sa_flags = 0;
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  // A file past the size limit shows as a failed write too.
  std::signal(SIGXFSZ, SIG_IGN);
}

int interruption() { return noted_signal; }

}  // namespace pelmora
