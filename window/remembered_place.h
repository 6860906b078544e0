// The window's place between runs: put back where it fits the screens
// there are now, and noted as the user moves, resizes, maximises it or
// makes it full screen.
#pragma once

#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "window/settings.h"

namespace pelmora {

// A remembered place on the screens' available areas: its size where that
// fits one of them with the frame, and its position where the whole
// window lies on one; nothing where even the size does not fit.
struct PlaceOnScreens {
  QSize size;
  std::optional<QPoint> position;
};
std::optional<PlaceOnScreens> place_on_screens(const QRect& remembered, const QList<QRect>& screens,
                                               const QMargins& frame);

// Watches the window and keeps its place in the settings, a moment after
// the last change and when it closes. `full_screen_by_option`: the window
// started full screen because the command line said so, which is not
// kept until the user changes it.
class PlaceKeeper : public QObject {
 public:
  PlaceKeeper(QWidget& window, Settings& settings, bool full_screen_by_option);
  // Notes the place now.
  void keep();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  Settings& settings_;
  QTimer soon_;
  bool full_screen_by_option_;
  std::optional<QRect> normal_;
};

// Puts the window at its remembered place, before it is shown; false
// where it has none that fits.
bool restore_place(QWidget& window, const WindowPlace& place);

}  // namespace pelmora
