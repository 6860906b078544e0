// The colour schemes in the window: the Colours submenu, the chart shown
// in the scheme at once, and in the night scheme the toolkit's menus,
// dialogs, tips and help in red on black as well.
#pragma once

#include <QActionGroup>
#include <QMenu>
#include <QObject>
#include <functional>

#include "render/colour_scheme.h"
#include "window/form1_window.h"

namespace pelmora {

class ColourControls : public QObject {
 public:
  // `chosen` hears of a scheme the user chose (to keep it).
  ColourControls(Form1Window& window, ColourScheme scheme, std::function<void(ColourScheme)> chosen);

  // Shows the window in a scheme, as the user's choice or not.
  void show_in(ColourScheme scheme);
  void choose(ColourScheme scheme);
  ColourScheme scheme() const { return scheme_; }
  // The Colours submenu, for the window's menu.
  QMenu* menu() const { return menu_; }

 protected:
  // A help window shown: its picture in the scheme.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form1Window& window_;
  std::function<void(ColourScheme)> chosen_;
  QMenu* menu_;
  QActionGroup* group_;
  ColourScheme scheme_ = ColourScheme::classic;
};

// The toolkit's colours for a scheme: its own for classic and bright, red
// on black for night. Applies to every window of the program.
void show_toolkit_in(ColourScheme scheme);

}  // namespace pelmora
