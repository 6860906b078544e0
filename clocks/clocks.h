// Clocks for the routines: the computer's local clock, a clock that starts
// at a chosen moment and runs on in real time, and a virtual clock that
// moves only when told to (replay and tests).
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "app/platform.h"

namespace pelmora {

// A local date and the whole milliseconds since its midnight.
struct LocalMoment {
  int year = 2000, month = 1, day = 1;
  std::int64_t milliseconds = 0;  // 0 to 86,399,999

  // Moves on by a number of milliseconds, the date following the
  // Gregorian calendar.
  void advance(std::int64_t milliseconds);
  std::string date_text() const;  // "MM-DD-YYYY"; past 9999-12-31 a run-time error
  Single seconds() const;
  bool operator==(const LocalMoment&) const = default;
};

bool is_leap_year(int year);
int days_in_month(int year, int month);

// A clock reading as a Single, never 86400: a reading that would round to
// it is the largest Single below it.
Single clock_reading(double seconds);

// The computer's local wall-clock time.
LocalMoment local_now();

// The universal time (UTC) of a local moment, in the computer's time zone
// with its summer time and historical rules (TZ respected), as a date and
// milliseconds since its midnight. A moment that the clocks skipped when
// they were put forward is read as the clock before the change would, and
// so lands after the gap (02:30 becomes 03:30 summer time); one that came
// twice when they were put back is taken the first time.
LocalMoment universal_time(const LocalMoment& local);

class SystemClock : public Clock {
 public:
  Single seconds_since_midnight() override { return local_now().seconds(); }
  std::string date_text() override { return local_now().date_text(); }
};

// Starts at a given moment and runs on with real time.
class StartedClock : public Clock {
 public:
  explicit StartedClock(const LocalMoment& start) : start_(start), origin_(std::chrono::steady_clock::now()) {}
  Single seconds_since_midnight() override { return now().seconds(); }
  std::string date_text() override { return now().date_text(); }
  LocalMoment now() const;
  const LocalMoment& start() const { return start_; }

 private:
  LocalMoment start_;
  std::chrono::steady_clock::time_point origin_;
};

// Moves only through advance().
class VirtualClock : public Clock {
 public:
  explicit VirtualClock(const LocalMoment& start) : moment_(start) {}
  Single seconds_since_midnight() override { return moment_.seconds(); }
  std::string date_text() override { return moment_.date_text(); }
  void advance(std::int64_t milliseconds) { moment_.advance(milliseconds); }
  void set(const LocalMoment& moment) { moment_ = moment; }
  const LocalMoment& moment() const { return moment_; }

 private:
  LocalMoment moment_;
};

}  // namespace pelmora
