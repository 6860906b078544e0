// The window's commands, each with its key: the mode, full screen, saving,
// copying and printing the picture, help, about and quit. The same actions make the
// chart's context menu; their keys work without it.
#pragma once

#include <QAction>
#include <QDateTime>
#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>

#include "render/printed_page.h"
#include "render/vector_picture.h"

namespace pelmora {

// What the actions do, supplied by the window.
struct ChartCommands {
  std::function<void()> switch_mode;    // as the clock_mode button does
  std::function<bool()> in_clock_mode;  // for the mode's check mark
  std::function<void()> toggle_full_screen;
  std::function<bool()> full_screen;
  std::function<QImage()> picture;         // the picture as it is shown
  std::function<VectorFigures()> figures;  // the same as figures, for the vector formats
  std::function<QDateTime()> moment;       // the date and time the chart shows
  std::function<void()> quit;              // the window's close request
  // Optional: where Save picture starts, and where a picture was saved.
  std::function<QString()> picture_folder;
  std::function<void(const QString&)> picture_saved_in;
  // Optional: the sky and the place a printed page names (else the design,
  // at the computer's time zone's place).
  std::function<bool()> true_sky;
  std::function<sky::Place()> place;
  // Optional: a sentence the About box adds (the clock's moment).
  std::function<QString()> about_note;
  // Runs a command at the window's handler boundary.
  std::function<void(const std::function<void()>&)> guard;
};

// The name Save picture proposes: the chart's moment, to the minute
// ("pelmora-2026-12-07-0600.png").
QString picture_file_name(const QDateTime& moment);

class ChartActions : public QObject {
 public:
  // The actions are added to `window`, so that their keys work anywhere in it.
  ChartActions(QWidget* window, ChartCommands commands);

  // The context menu, with each action's state brought up to date.
  void show_menu(const QPoint& global_position);
  // What a printed page's legend says now: the chart's moment, its sky and
  // place, in the language in use.
  PageLegend page_legend() const;
  // The printer, set up for the page the first time; kept for the run, so
  // that the printer and paper chosen stay chosen.
  QPrinter& printer();
  // The commands, for filling in the optional ones.
  ChartCommands& commands() { return commands_; }
  // More commands for the menu, after the picture's, as a section of their
  // own (before the menu is first shown).
  void add_menu_section(const QList<QAction*>& actions) { sections_.append(actions); }

  QAction* clock_mode = nullptr;
  QAction* full_screen = nullptr;
  QAction* save_picture = nullptr;
  QAction* copy_picture = nullptr;
  QAction* print = nullptr;
  QAction* print_preview = nullptr;
  QAction* help = nullptr;
  QAction* about = nullptr;
  QAction* quit = nullptr;

 private:
  QAction* add(const QString& text, const QKeySequence& key, std::function<void()> run);
  void update_checks();
  void save();
  void show_help();

  QWidget* window_;
  ChartCommands commands_;
  QMenu* menu_ = nullptr;
  QWidget* help_window_ = nullptr;
  QList<QList<QAction*>> sections_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace pelmora
