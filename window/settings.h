// What the window remembers between runs, kept without asking in the
// user's config folder ($XDG_CONFIG_HOME/pelmora/pelmora.conf, by default
// ~/.config/pelmora/pelmora.conf), written as soon as a setting changes.
//
// Written through QSettings' own save: under a lock file it reads the file
// again and applies only the keys this run changed, so two windows writing
// at once lose neither's settings, and keys this version does not know (a
// newer version's) stay as they are; the file is replaced whole, through
// QSaveFile, never half written.
//
// A value that cannot be read is left out (its default used, the file
// left alone until that setting changes); a file that cannot be read or
// written never stops the program. Either is said once a run, one line on
// standard error.
#pragma once

#include <QRect>
#include <QSettings>
#include <QString>
#include <cstdio>
#include <memory>
#include <optional>

#include "render/colour_scheme.h"
#include "sky/place.h"

namespace pelmora {

// How the window starts when no option says otherwise.
enum class StartMode { as_designed, clock_mode, as_last_time };

// The window's place: its frame's top left and the size inside the frame,
// in its normal state, and whether it was maximised or full screen.
struct WindowPlace {
  QRect normal;
  bool maximised = false;
  bool full_screen = false;
  bool operator==(const WindowPlace&) const = default;
};

class Settings {
 public:
  // The settings in `file`; `reset` clears them first (--reset-settings).
  // Problems are said on `errors`.
  Settings(const QString& file, bool reset, std::FILE* errors = stderr);
  ~Settings();
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // The file in the user's config folder.
  static QString default_file();

  std::optional<WindowPlace> window_place() const { return window_place_; }
  StartMode start_mode() const { return start_mode_; }
  bool last_in_clock_mode() const { return last_in_clock_mode_; }
  ColourScheme colours() const { return colours_; }
  QString picture_folder() const { return picture_folder_; }
  // The true sky or (false) the chart as designed.
  bool true_sky() const { return true_sky_; }
  // The place of the true sky as --place takes it ("Europe/Madrid" or
  // "40.4168,-3.7038"); none: the time zone's.
  std::optional<sky::Place> place() const { return place_; }

  // Each writes the file at once when the value changed.
  void set_window_place(const WindowPlace& place);
  void set_start_mode(StartMode mode);
  void set_last_in_clock_mode(bool clock_mode);
  void set_colours(ColourScheme scheme);
  void set_picture_folder(const QString& folder);
  void set_true_sky(bool true_sky);
  void set_place(const sky::Place& place);

  // Whether a problem was said (at most one line a run).
  bool problem_said() const { return said_; }

 private:
  void read();
  void write(const QString& key, const QVariant& value);
  void say(const QString& line);
  QString reason_not_saved() const;

  QString file_;
  std::FILE* errors_;
  std::unique_ptr<QSettings> store_;
  bool said_ = false;

  std::optional<WindowPlace> window_place_;
  StartMode start_mode_ = StartMode::as_designed;
  bool last_in_clock_mode_ = false;
  ColourScheme colours_ = ColourScheme::classic;
  QString picture_folder_;
  bool true_sky_ = false;
  std::optional<sky::Place> place_;
};

// The names of the start modes in the file: "designed", "clock", "last".
QString start_mode_name(StartMode mode);
std::optional<StartMode> start_mode_named(const QString& name);

}  // namespace pelmora
