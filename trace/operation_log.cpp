#include "trace/operation_log.h"

#include <charconv>
#include <cstdio>

namespace pelmora {

namespace {

// The shortest decimal form that reads back to the same single value.
std::string coordinate(Single value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string hex_colour(Colour colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%06x", colour & 0xffffffu);
  return buffer;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string trace_line(const Operation& op) {
  using Kind = Operation::Kind;
  switch (op.kind) {
    case Kind::clear:
      return "cls";
    case Kind::scale:
      return "scale " + std::to_string(op.number);
    case Kind::fore:
      return "fore " + hex_colour(op.colour);
    case Kind::back:
      return "back " + hex_colour(op.colour);
    case Kind::line:
      return "line " + coordinate(op.x1) + " " + coordinate(op.y1) + " " + coordinate(op.x2) + " " + coordinate(op.y2) +
             " " + hex_colour(op.colour);
    case Kind::circle:
      return "circle " + coordinate(op.x1) + " " + coordinate(op.y1) + " " + coordinate(op.x2) + " " +
             hex_colour(op.colour);
    case Kind::print:
      return "print " + coordinate(op.x1) + " " + coordinate(op.y1) + " " + quoted(op.text);
    case Kind::interval:
      return "interval " + std::to_string(op.number);
    case Kind::caption:
      return "caption " + op.name + " " + quoted(op.text);
    case Kind::msgbox:
      return "msgbox " + quoted(op.text) + " " + quoted(op.name) + " " + std::to_string(op.number) + " " +
             std::to_string(op.answer);
    case Kind::yield:
      return "yield";
    case Kind::end:
      return "end";
    case Kind::error:
      return "error " + std::to_string(op.number) + " " + quoted(op.text);
  }
  return {};
}

void LoggingShell::set_caption(Button button, std::string_view caption) {
  Operation op{.kind = Operation::Kind::caption};
  op.name = button == Button::clock_mode ? "clock_mode" : "cmd_exit";
  op.text = caption;
  log_.record(op);
  inner_.set_caption(button, caption);
}

void LoggingShell::set_timer_interval(Integer milliseconds) {
  log_.record({.kind = Operation::Kind::interval, .number = milliseconds.value()});
  inner_.set_timer_interval(milliseconds);
}

Integer LoggingShell::message_box(std::string_view prompt, Integer style, std::string_view title) {
  const Integer answer = inner_.message_box(prompt, style, title);
  Operation op{.kind = Operation::Kind::msgbox, .number = style.value(), .answer = answer.value()};
  op.text = prompt;
  op.name = title;
  log_.record(op);
  return answer;
}

void LoggingShell::end_program() {
  log_.record({.kind = Operation::Kind::end});
  inner_.end_program();
  throw ProgramEnded{};  // the inner shell has already thrown
}

void LoggingShell::yield() {
  log_.record({.kind = Operation::Kind::yield});
  inner_.yield();
}

}  // namespace pelmora
