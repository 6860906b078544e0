// Test doubles for the platform seam and a rig that wires them to Form1.
#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "clocks/clocks.h"
#include "render/picture.h"
#include "render/raster_canvas.h"
#include "trace/operation_log.h"

namespace pelmora {
// Shows an operation as its trace line in test failures.
inline void PrintTo(const Operation& op, std::ostream* out) { *out << trace_line(op); }
// Shows a moment as its date and time of day.
inline void PrintTo(const LocalMoment& moment, std::ostream* out) {
  *out << moment.date_text() << " +" << moment.milliseconds << " ms";
}
}  // namespace pelmora

namespace pelmora::testing {

// A shell command's exit status (-1 when it did not exit) and all it wrote
// to standard output.
struct CommandRun {
  int status = -1;
  std::string output;
};
CommandRun run_command(const std::string& command);

// A clock that reads whatever the test set.
class SettableClock : public Clock {
 public:
  Single seconds = 0;
  std::string date = "12-07-2026";
  // Added to `seconds` after every reading, to let time pass inside a call.
  Single step_per_reading = 0;

  Single seconds_since_midnight() override {
    const Single reading = seconds;
    seconds += step_per_reading;
    return reading;
  }
  std::string date_text() override { return date; }
};

// A window shell that records what it is asked and answers message boxes
// from a queue (No when the queue is empty). A test can have something run
// inside the next yield, as pending window events would.
class TestShell : public WindowShell {
 public:
  std::vector<std::string> captions;
  std::vector<int> intervals;
  std::deque<int> answers;
  int message_boxes = 0;
  int yields = 0;
  std::deque<std::function<void()>> during_yield;

  void set_caption(Button button, std::string_view caption) override {
    captions.push_back((button == Button::clock_mode ? "clock_mode:" : "cmd_exit:") + std::string(caption));
  }
  void set_timer_interval(Integer milliseconds) override { intervals.push_back(milliseconds.value()); }
  Integer message_box(std::string_view, Integer, std::string_view) override {
    ++message_boxes;
    if (answers.empty()) return kAnswerNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  [[noreturn]] void end_program() override { throw ProgramEnded{}; }
  void yield() override {
    ++yields;
    if (during_yield.empty()) return;
    auto event = std::move(during_yield.front());
    during_yield.pop_front();
    event();
  }
};

// Form1 on a recording picture (and, when asked, a pixel canvas).
struct Rig {
  explicit Rig(bool with_pixels = false)
      : canvas(), picture(with_pixels ? &canvas : nullptr, &log), logging(shell, log), form(picture, clock, logging) {}

  // The operations recorded since the last call, and forgets them.
  std::vector<Operation> take() {
    auto operations = std::move(log.operations);
    log.operations.clear();
    return operations;
  }

  FormState& st() { return form.state(); }

  // After a load at `seconds`, with the log empty.
  Rig& loaded(Single seconds = 36000) {
    clock.seconds = seconds;
    form.Form_Load();
    take();
    return *this;
  }

  SettableClock clock;
  TestShell shell;
  RecordedOperations log;
  RasterCanvas canvas;
  Picture picture;
  LoggingShell logging;
  Form1 form;
};

// The operations of one kind.
std::vector<Operation> only(const std::vector<Operation>& operations, Operation::Kind kind);
// The print operations whose text contains `text`.
std::vector<Operation> prints_of(const std::vector<Operation>& operations, const std::string& text);
// The trace lines of the operations.
std::vector<std::string> trace_lines(const std::vector<Operation>& operations);
// A print at a character cell, as the trace shows it.
Operation print_op(int column, int row, const std::string& text);

}  // namespace pelmora::testing
