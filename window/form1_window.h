// The window Form1 in the toolkit: the picture area, the two buttons and the
// timer, laid out as designed at whatever size the window has, and the
// platform's side of the routines.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/form1.h"
#include "render/picture.h"
#include "replay/true_sky_places.h"
#include "sky/place.h"
#include "window/chart_actions.h"
#include "window/picture_widget.h"
#include "window/window_layout.h"

namespace pelmora {

class Form1Window : public QWidget, private WindowShell {
 public:
  explicit Form1Window(Clock& clock);
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // The load event: runs Form_Load.
  void load();
  // A press of the clock_mode button, as the user would make it.
  void press_clock_mode();
  // Runs the application's loop until the program ends; returns the exit
  // status.
  int run();
  bool ended() const { return ended_; }
  // Ends the program from outside (a signal), as Yes in the exit box does.
  void end_now() { finish(0); }
  // Ends the program because it cannot go on (its window is gone): one line
  // on standard error and status 1.
  void end_failed(const char* reason);

  // What the run did: timer ticks handled, redraw passes, and when the
  // first chart was on the screen (seconds since boot; 0 before).
  long ticks_handled() const { return ticks_handled_; }
  long redraw_passes() const { return redraw_passes_; }
  double first_chart_shown() const { return first_chart_shown_; }
  int exit_status() const { return exit_status_; }
  // Full screen and back (F11; Escape leaves full screen).
  void toggle_full_screen();
  // The layout at the window's present size.
  const WindowLayout& layout() const { return layout_; }

  // The timer as it stands: whether it runs, and its current wait.
  bool timer_running() const { return timer2_.isActive(); }
  int timer_wait_ms() const { return timer2_.interval(); }

  QPushButton* clock_mode_button() const { return clock_mode_; }
  QPushButton* cmd_exit_button() const { return cmd_exit_; }
  PictureWidget* picture() const { return picture1_; }
  Form1& form() { return form_; }

  // The date and time the chart shows, to the minute: what Save picture
  // names the picture after.
  QDateTime shown_moment() const;

  // The window's size at start: the design's size where it fits the
  // screen with the frame, else smaller, at the same proportions.
  void size_for_screen();

  // Pause: the timer stops and the chart stands still; resuming in clock
  // mode loads the chart afresh at the clock's time, which ran on.
  void set_paused(bool paused);
  bool paused() const { return paused_; }
  // One timer tick while paused.
  void step();
  // Loads the chart afresh, as after a jump of the clock.
  void reload();
  // The sky the chart shows: the true sky at a place, or (none) the chart
  // as designed. Takes effect at the next load; reload() shows it at once.
  void set_true_sky(const std::optional<sky::Place>& place);
  bool true_sky() const { return room_.has_value(); }
  // Shows the chart in a colour scheme, at once.
  void show_colours_as(ColourScheme scheme);
  // While the clock is not the computer's: a sentence saying so, added to
  // the time read-outs' tips and the screen reader's description.
  void set_clock_note(const QString& note);
  // The sky the chart shows, in a sentence: added to the "local"
  // read-out's tip and the screen reader's description.
  void set_sky_note(std::function<QString()> note) { sky_note_ = std::move(note); }
  ChartActions* actions() const { return actions_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void set_caption(Button button, std::string_view caption) override;
  void set_timer_interval(Integer milliseconds) override;
  Integer message_box(std::string_view prompt, Integer style, std::string_view title) override;
  [[noreturn]] void end_program() override;
  void yield() override;

  // Runs one event handler: a run-time error or the end of the program
  // stops here, at the handler boundary, never inside the toolkit.
  void dispatch(const std::function<void()>& handler);
  // Work of the window's own around the handlers (showing what changed,
  // the screen reader's words, the menu's commands): stopped at the same
  // boundary, so that nothing escapes into the event loop.
  void guarded(const std::function<void()>& work);
  // The program's end: `stop` ends every handler, `finish` also ends the
  // application's loop (with the status of the first end).
  void stop(int status);
  void finish(int status);
  // A run-time error: one line on standard error and a box, then the end.
  void report_and_finish(const RuntimeError& error);
  void timer_tick();
  // Lays the picture and the buttons out for the window's size and screen.
  void lay_out();
  // Each button's font, so that its caption fits at the layout's scale.
  void fit_captions();
  // Once the window manager has framed the window: brings a window that
  // does not fit its screen, frame included, back onto it.
  void fit_frame_on_screen();
  // The chart in words for a screen reader, when they have changed.
  void update_reading();
  // The buttons' tips, which name what each does now.
  void update_mode_tip();

  // A child, deleted with the window's widget after the members below: it
  // owns the pixels, which the surface draws on until the form is gone.
  PictureWidget* picture1_;
  Picture surface_;
  // The true sky's places, when the chart shows it: outlives the form,
  // which asks it.
  std::optional<RoomSky> room_;
  Form1 form_;
  Clock& clock_;
  QPushButton* clock_mode_;
  QPushButton* cmd_exit_;
  QTimer timer2_;
  ChartActions* actions_;
  QTimer reading_timer_;
  std::string reading_;
  WindowLayout layout_;
  bool frame_fitted_ = false;
  bool screen_watched_ = false;
  bool ended_ = false;
  bool in_tick_ = false;
  int interval_ms_ = 0;  // as the routines set it
  bool running_ = false;
  bool quit_asked_ = false;
  bool paused_ = false;
  QString clock_note_;
  std::function<QString()> sky_note_;
  long ticks_handled_ = 0;
  long redraw_passes_ = 0;
  double first_chart_shown_ = 0;
  int exit_status_ = 0;
};

}  // namespace pelmora
