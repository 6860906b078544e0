// The window's commands over time: go to a moment (Ctrl+G), back to now
// (Home), pause (P) and one step while paused (period).
#pragma once

#include <QAction>
#include <QObject>

#include "clocks/chosen_clock.h"
#include "window/form1_window.h"

namespace pelmora {

class TimeControls : public QObject {
 public:
  // Adds its actions to the window and its menu section.
  TimeControls(Form1Window& window, ChosenClock& clock);

  // The clock jumps to a moment, or back to the computer's, and the chart
  // loads afresh there.
  void go_to(const LocalMoment& moment);
  void go_to_now();
  void toggle_pause();

  // A sentence for the tips and the About box while the clock is not the
  // computer's; empty while it is.
  QString clock_note() const;

  QAction* go_to_moment = nullptr;
  QAction* now = nullptr;
  QAction* pause = nullptr;
  QAction* step = nullptr;

 private:
  QAction* add(const QString& text, const QKeySequence& key, std::function<void()> run);
  void clock_changed();

  Form1Window& window_;
  ChosenClock& clock_;
};

}  // namespace pelmora
