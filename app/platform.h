// The three small interfaces through which the window's routines reach the
// platform: the drawing surface, the clock and date, and the window shell.
// The routines never see the toolkit; the window implements these with it,
// the replay and the tests with their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numeric.h"

namespace pelmora {

// A colour value, 0xRRGGBB.
using Colour = std::uint32_t;

// The standard 16-colour palette by index; an index outside 0..15 is an
// invalid argument.
Colour palette_colour(Integer index);

// The picture area, in pixels, and its character cells.
inline constexpr int kPictureWidth = 1241;
inline constexpr int kPictureHeight = 921;
inline constexpr int kCellWidth = 8;
inline constexpr int kCellHeight = 16;

inline constexpr Integer kPixelUnits = 3;
inline constexpr Integer kCharacterUnits = 4;

// The picture area's operations.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
  virtual void clear() = 0;
  // A line in the foreground colour.
  virtual void line(Single x1, Single y1, Single x2, Single y2) = 0;
  virtual void line(Single x1, Single y1, Single x2, Single y2, Colour colour) = 0;
  virtual void circle(Single x, Single y, Single radius, Colour colour) = 0;
  // Prints the text (one or more items, already in their printed form) at
  // the current position.
  virtual void print(std::string_view text) = 0;
  virtual void set_current_x(Single x) = 0;
  virtual void set_current_y(Single y) = 0;
  virtual void set_fore_colour(Colour colour) = 0;
  virtual void set_back_colour(Colour colour) = 0;
  virtual void set_scale_mode(Integer mode) = 0;
};

// The computer's clock and date as the routines read them.
class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since local midnight, with fraction; never 86400.
  virtual Single seconds_since_midnight() = 0;
  // The local date as "MM-DD-YYYY".
  virtual std::string date_text() = 0;
};

enum class Button { clock_mode, cmd_exit };

inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
inline constexpr int kAnswerCancel = 2;

// Thrown by WindowShell::end_program: it unwinds every routine on the way
// to the handler boundary, so that nothing runs after the end.
struct ProgramEnded {};

// What the routines ask of the window itself.
class WindowShell {
 public:
  virtual ~WindowShell() = default;
  virtual void set_caption(Button button, std::string_view caption) = 0;
  virtual void set_timer_interval(Integer milliseconds) = 0;
  // A modal message box; returns the number of the button pressed.
  virtual Integer message_box(std::string_view prompt, Integer style, std::string_view title) = 0;
  // Ends the program at once; never returns (throws ProgramEnded).
  [[noreturn]] virtual void end_program() = 0;
  // Lets pending window events run.
  virtual void yield() = 0;
};

inline std::string printed_item(const char* text) { return text; }
inline std::string printed_item(const std::string& text) { return text; }
inline std::string printed_item(Integer value) { return printed(value); }
inline std::string printed_item(Single value) { return printed(value); }

// Sets the current position in character units and prints the items, one
// right after the other, in one print operation.
template <typename... Items>
void print_at(DrawingSurface& surface, Single column, Single row, const Items&... items) {
  surface.set_current_x(column);
  surface.set_current_y(row);
  std::string text;
  ((text += printed_item(items)), ...);
  surface.print(text);
}

}  // namespace pelmora
