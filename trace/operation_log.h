// Every platform operation the program asks for, as a record: what the
// replay trace writes one a line and what the tests inspect.
#pragma once

#include <string>
#include <vector>

#include "app/platform.h"

namespace pelmora {

struct Operation {
  enum class Kind { clear, scale, fore, back, line, circle, print, interval, caption, msgbox, yield, end, error };
  Kind kind = Kind::clear;
  // Pixel coordinates: line x1 y1 x2 y2; circle x y radius; print x y.
  Single x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour colour = 0;
  int number = 0;      // scale mode, interval, message-box style or error number
  int answer = 0;      // message-box answer
  std::string text{};  // printed text, caption, prompt or error message
  std::string name{};  // button name or message-box title

  bool operator==(const Operation&) const = default;
};

// One trace line for an operation, without the line end.
std::string trace_line(const Operation& op);

class OperationLog {
 public:
  virtual ~OperationLog() = default;
  virtual void record(const Operation& op) = 0;
};

// Keeps the operations in memory.
class RecordedOperations : public OperationLog {
 public:
  void record(const Operation& op) override { operations.push_back(op); }
  std::vector<Operation> operations;
};

// A window shell that logs every call and hands it on to another shell.
class LoggingShell : public WindowShell {
 public:
  LoggingShell(WindowShell& inner, OperationLog& log) : inner_(inner), log_(log) {}
  void set_caption(Button button, std::string_view caption) override;
  void set_timer_interval(Integer milliseconds) override;
  Integer message_box(std::string_view prompt, Integer style, std::string_view title) override;
  [[noreturn]] void end_program() override;
  void yield() override;

 private:
  WindowShell& inner_;
  OperationLog& log_;
};

}  // namespace pelmora
