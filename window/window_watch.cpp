#include "window/window_watch.h"

#include <QByteArray>
#include <cstdint>

namespace pelmora {

namespace {

// The X protocol's DestroyNotify event, as the toolkit's X connection
// delivers it (the layout of xcb_destroy_notify_event_t).
constexpr std::uint8_t kDestroyNotify = 17;
struct DestroyNotify {
  std::uint8_t response_type;
  std::uint8_t pad;
  std::uint16_t sequence;
  std::uint32_t event;
  std::uint32_t window;
};

}  // namespace

WindowWatch::WindowWatch(std::function<unsigned long()> window_id, std::function<void()> on_destroyed)
    : window_id_(std::move(window_id)), on_destroyed_(std::move(on_destroyed)) {}

bool WindowWatch::nativeEventFilter(const QByteArray& event_type, void* message, qintptr*) {
  if (noticed_ || event_type != "xcb_generic_event_t" || message == nullptr) return false;
  const auto* event = static_cast<const DestroyNotify*>(message);
  if ((event->response_type & 0x7f) != kDestroyNotify) return false;
  const unsigned long watched = window_id_();
  if (watched == 0 || event->window != watched) return false;
  noticed_ = true;
  on_destroyed_();
  return false;
}

}  // namespace pelmora
