// Notices when the window's X window is destroyed from outside the program
// (another client closed it): the toolkit carries on without a window, so
// the program has to end itself.
#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

namespace pelmora {

class WindowWatch : public QAbstractNativeEventFilter {
 public:
  // `window_id` returns the X window to watch (0 while there is none);
  // `on_destroyed` is called once when it is destroyed.
  WindowWatch(std::function<unsigned long()> window_id, std::function<void()> on_destroyed);
  bool nativeEventFilter(const QByteArray& event_type, void* message, qintptr* result) override;

 private:
  std::function<unsigned long()> window_id_;
  std::function<void()> on_destroyed_;
  bool noticed_ = false;
};

}  // namespace pelmora
