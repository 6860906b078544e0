#include "window/remembered_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace pelmora {

namespace {

// The frame the window manager is likely to add, before it has framed the
// window (as the window's first size assumes).
constexpr QMargins kLikelyFrame(8, 40, 8, 8);
// Changes come in bursts while a window is dragged: noted once it rests.
constexpr int kRestMs = 500;

}  // namespace

std::optional<PlaceOnScreens> place_on_screens(const QRect& remembered, const QList<QRect>& screens,
                                               const QMargins& frame) {
  const QSize whole = remembered.size().grownBy(frame);
  bool fits = false;
  for (const QRect& screen : screens)
    fits = fits || (whole.width() <= screen.width() && whole.height() <= screen.height());
  if (!fits) return std::nullopt;
  PlaceOnScreens place{remembered.size(), std::nullopt};
  // The position is the frame's top left.
  const QRect framed(remembered.topLeft(), whole);
  for (const QRect& screen : screens)
    if (screen.contains(framed)) place.position = remembered.topLeft();
  return place;
}

bool restore_place(QWidget& window, const WindowPlace& place) {
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
  const auto fitted = place_on_screens(place.normal, screens, kLikelyFrame);
  if (!fitted) return false;
  window.resize(fitted->size);
  if (fitted->position) window.move(*fitted->position);
  if (place.full_screen) {
    window.setWindowState(window.windowState() | Qt::WindowFullScreen);
  } else if (place.maximised) {
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
  }
  return true;
}

PlaceKeeper::PlaceKeeper(QWidget& window, Settings& settings, bool full_screen_by_option)
    : QObject(&window), window_(window), settings_(settings), full_screen_by_option_(full_screen_by_option) {
  if (const auto place = settings.window_place()) normal_ = place->normal;
  soon_.setSingleShot(true);
  soon_.setInterval(kRestMs);
  connect(&soon_, &QTimer::timeout, this, [this] { keep(); });
  window.installEventFilter(this);
}

bool PlaceKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowStateChange:
        if (window_.isVisible()) soon_.start();
        break;
      case QEvent::Close:
        keep();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void PlaceKeeper::keep() {
  soon_.stop();
  if (!window_.isVisible()) return;
  const bool full_screen = window_.isFullScreen();
  if (!full_screen) full_screen_by_option_ = false;  // the user left it
  if (!full_screen && !window_.isMaximized()) normal_ = QRect(window_.pos(), window_.size());
  if (!normal_) return;  // maximised or full screen from the start: no normal place yet
  settings_.set_window_place({*normal_, window_.isMaximized(), full_screen && !full_screen_by_option_});
}

}  // namespace pelmora
