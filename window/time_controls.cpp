#include "window/time_controls.h"

#include <QCoreApplication>

#include <cstdio>

#include "window/moment_dialog.h"

namespace pelmora {

TimeControls::TimeControls(Form1Window& window, ChosenClock& clock) : QObject(&window), window_(window), clock_(clock) {
  go_to_moment = add(QCoreApplication::translate("TimeControls", "&Go to a moment..."),
                     QKeySequence(Qt::CTRL | Qt::Key_G), [this] {
                       const MomentChoice choice = ask_moment(&window_, clock_.now());
                       if (const auto* moment = std::get_if<LocalMoment>(&choice)) go_to(*moment);
                       if (std::holds_alternative<BackToNow>(choice)) go_to_now();
                     });
  now = add(QCoreApplication::translate("TimeControls", "&Now"), QKeySequence(Qt::Key_Home), [this] { go_to_now(); });
  pause =
      add(QCoreApplication::translate("TimeControls", "&Pause"), QKeySequence(Qt::Key_P), [this] { toggle_pause(); });
  pause->setCheckable(true);
  step = add(QCoreApplication::translate("TimeControls", "One &step"), QKeySequence(Qt::Key_Period),
             [this] { window_.step(); });
  step->setEnabled(false);
  window_.actions()->add_menu_section({go_to_moment, now, pause, step});
  window_.actions()->commands().about_note = [this] { return clock_note(); };
  clock_changed();
}

QAction* TimeControls::add(const QString& text, const QKeySequence& key, std::function<void()> run) {
  auto* action = new QAction(text, this);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  window_.addAction(action);
  return action;
}

void TimeControls::go_to(const LocalMoment& moment) {
  clock_.go_to(moment);
  clock_changed();
  window_.reload();
}

void TimeControls::go_to_now() {
  if (clock_.is_computer_clock()) return;
  clock_.go_to_now();
  clock_changed();
  window_.reload();
}

void TimeControls::toggle_pause() {
  window_.set_paused(!window_.paused());
  pause->setChecked(window_.paused());
  step->setEnabled(window_.paused());
}

QString TimeControls::clock_note() const {
  const auto set_to = clock_.set_to();
  if (!set_to) return {};
  return QCoreApplication::translate("TimeControls",
                                     "The clock is not the computer's: it was set to %1 and runs on from there (Home "
                                     "goes back to now).")
      .arg(moment_text(*set_to));
}

void TimeControls::clock_changed() {
  now->setEnabled(!clock_.is_computer_clock());
  window_.set_clock_note(clock_note());
}

}  // namespace pelmora
