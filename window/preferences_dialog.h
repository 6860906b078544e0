// Preferences (Ctrl+,): how the window starts, its colours, and whether it
// starts at login. Each change applies at once.
#pragma once

#include <QAction>
#include <QDialog>
#include <functional>

#include "render/colour_scheme.h"
#include "window/settings.h"

namespace pelmora {

struct PreferenceHooks {
  std::function<ColourScheme()> colours;
  std::function<void(ColourScheme)> choose_colours;
};

class PreferencesDialog : public QDialog {
 public:
  PreferencesDialog(QWidget* parent, Settings& settings, PreferenceHooks hooks);
};

// The Preferences action (Ctrl+,), added to the window, which opens the
// dialog.
QAction* add_preferences_action(QWidget& window, Settings& settings, PreferenceHooks hooks);

}  // namespace pelmora
