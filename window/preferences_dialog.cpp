#include "window/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QVBoxLayout>

#include "window/autostart.h"

namespace pelmora {

PreferencesDialog::PreferencesDialog(QWidget* parent, Settings& settings, PreferenceHooks hooks) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("Preferences", "Pelmora preferences"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);

  auto* start = new QComboBox(this);
  start->addItem(QCoreApplication::translate("Preferences", "In simulation mode, as designed"),
                 static_cast<int>(StartMode::as_designed));
  start->addItem(QCoreApplication::translate("Preferences", "In clock mode"), static_cast<int>(StartMode::clock_mode));
  start->addItem(QCoreApplication::translate("Preferences", "In the mode it had when it ended"),
                 static_cast<int>(StartMode::as_last_time));
  start->setCurrentIndex(start->findData(static_cast<int>(settings.start_mode())));
  form->addRow(QCoreApplication::translate("Preferences", "&Start"), start);
  connect(start, &QComboBox::currentIndexChanged, this,
          [start, &settings] { settings.set_start_mode(static_cast<StartMode>(start->currentData().toInt())); });

  auto* colours = new QComboBox(this);
  colours->addItem(QCoreApplication::translate("Preferences", "Classic (as designed)"),
                   static_cast<int>(ColourScheme::classic));
  colours->addItem(QCoreApplication::translate("Preferences", "Bright (dark colours lightened)"),
                   static_cast<int>(ColourScheme::bright));
  colours->addItem(QCoreApplication::translate("Preferences", "Night (all red, for the dark)"),
                   static_cast<int>(ColourScheme::night));
  colours->setCurrentIndex(colours->findData(static_cast<int>(hooks.colours())));
  form->addRow(QCoreApplication::translate("Preferences", "&Colours"), colours);
  connect(colours, &QComboBox::currentIndexChanged, this,
          [colours, hooks] { hooks.choose_colours(static_cast<ColourScheme>(colours->currentData().toInt())); });

  auto* login = new QCheckBox(QCoreApplication::translate("Preferences", "Start at &login, in clock mode"), this);
  login->setChecked(starts_at_login());
  login->setToolTip(autostart_file());
  form->addRow(QString(), login);
  connect(login, &QCheckBox::toggled, this, [this, login](bool on) {
    if (const auto problem = set_start_at_login(on)) {
      QMessageBox::warning(
          this, windowTitle(),
          QCoreApplication::translate("Preferences", "Start at login could not be changed: %1").arg(*problem));
      const QSignalBlocker quiet(login);
      login->setChecked(starts_at_login());
    }
  });
  // The sky and the place join here when the chart has them.

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QAction* add_preferences_action(QWidget& window, Settings& settings, PreferenceHooks hooks) {
  auto* action = new QAction(QCoreApplication::translate("Preferences", "P&references..."), &window);
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, &window, [&window, &settings, hooks] {
    PreferencesDialog dialog(&window, settings, hooks);
    dialog.exec();
  });
  window.addAction(action);
  return action;
}

}  // namespace pelmora
