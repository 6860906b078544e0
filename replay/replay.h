// The headless run's engine: the routines on a virtual clock, driven by a
// script of events, with every platform operation logged.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "app/form1.h"
#include "clocks/clocks.h"
#include "command_line/script.h"
#include "trace/operation_log.h"

namespace pelmora {

// The window shell of a headless run: message boxes take the scripted
// answer (No when none is pending), and nothing else has anything to show.
class ScriptShell : public WindowShell {
 public:
  void set_caption(Button, std::string_view) override {}
  void set_timer_interval(Integer) override {}
  Integer message_box(std::string_view, Integer, std::string_view) override;
  [[noreturn]] void end_program() override { throw ProgramEnded{}; }
  void yield() override {}
  void set_answer(int answer) { pending_answer_ = answer; }

 private:
  int pending_answer_ = 0;
};

// Runs the load and then the script's events, each as one handler call.
// Returns the exit status: 0 when the script ran out or the program ended,
// 1 after a run-time error (reported on `errors` and in the log).
class Replay {
 public:
  Replay(DrawingSurface& picture, const LocalMoment& start, OperationLog* log);
  // The form and the shells refer to each other and to the clock here.
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;

  int run(const std::vector<ScriptEvent>& script, std::FILE* errors);
  // Asked after every handler: true ends the run there, its status as it is.
  void stop_when(std::function<bool()> condition) { stop_condition_ = std::move(condition); }
  // More events after a run, while the program has not ended.
  int play(const std::vector<ScriptEvent>& script, std::FILE* errors);

  Form1& form() { return form_; }
  VirtualClock& clock() { return clock_; }

 private:
  // One handler call; false when the run is over.
  bool dispatch(const std::function<void()>& handler, std::FILE* errors);
  bool deliver(const ScriptEvent& event, std::FILE* errors);

  VirtualClock clock_;
  ScriptShell script_shell_;
  std::optional<LoggingShell> logging_shell_;
  OperationLog* log_;
  Form1 form_;
  std::function<bool()> stop_condition_;
  int status_ = 0;
  bool over_ = false;
};

}  // namespace pelmora
