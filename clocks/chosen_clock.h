// The window's clock: the computer's, or one the user set to another
// moment, which runs on in real time from there, as --at starts it.
#pragma once

#include <optional>

#include "clocks/clocks.h"

namespace pelmora {

class ChosenClock : public Clock {
 public:
  // On the computer's clock, or from `start` on.
  explicit ChosenClock(const std::optional<LocalMoment>& start = std::nullopt) {
    if (start) go_to(*start);
  }
  void go_to(const LocalMoment& moment) { started_.emplace(moment); }
  void go_to_now() { started_.reset(); }
  bool is_computer_clock() const { return !started_; }
  // The moment it shows now, and the one it was set to (nothing on the
  // computer's clock).
  LocalMoment now() const { return started_ ? started_->now() : local_now(); }
  std::optional<LocalMoment> set_to() const { return started_ ? std::optional(started_->start()) : std::nullopt; }

  Single seconds_since_midnight() override {
    return started_ ? started_->seconds_since_midnight() : computer_.seconds_since_midnight();
  }
  std::string date_text() override { return started_ ? started_->date_text() : computer_.date_text(); }

 private:
  SystemClock computer_;
  std::optional<StartedClock> started_;
};

}  // namespace pelmora
