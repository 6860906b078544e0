#include "clocks/clocks.h"

#include <cmath>
#include <ctime>
#include <optional>

namespace pelmora {

namespace {
constexpr std::int64_t kDayMilliseconds = 86'400'000;
}

bool is_leap_year(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int days_in_month(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

void LocalMoment::advance(std::int64_t amount) {
  milliseconds += amount;
  while (milliseconds >= kDayMilliseconds) {
    milliseconds -= kDayMilliseconds;
    if (++day > days_in_month(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
}

std::string LocalMoment::date_text() const {
  // The date text has four digits for the year: past the last day it can
  // show, the clock fails rather than read "01-01-0000".
  if (year > 9999) throw RuntimeError(6, "Overflow: the calendar ends on 31 December 9999");
  // Read many times a second: digits by hand rather than a formatted print.
  std::string text = "MM-DD-YYYY";
  const auto put = [&](std::size_t at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) text[at + static_cast<std::size_t>(i)] = char('0' + value % 10);
  };
  put(0, month, 2);
  put(3, day, 2);
  put(6, year, 4);
  return text;
}

Single LocalMoment::seconds() const { return clock_reading(static_cast<double>(milliseconds) / 1000.0); }

Single clock_reading(double seconds) {
  const auto reading = static_cast<Single>(seconds);
  return reading >= 86400.0f ? std::nextafter(86400.0f, 0.0f) : reading;
}

LocalMoment local_now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  // The clock is read several times a tick: convert to local time once a
  // minute (offsets and dates change on whole minutes) and add the seconds.
  static time_t minute_start = 0;
  static LocalMoment minute_moment;
  if (minute_start == 0 || now.tv_sec < minute_start || now.tv_sec >= minute_start + 60) {
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    const int second = std::min(local.tm_sec, 59);
    minute_start = now.tv_sec - second;
    minute_moment = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     (local.tm_hour * 3600 + local.tm_min * 60) * std::int64_t{1000}};
  }
  LocalMoment moment = minute_moment;
  moment.milliseconds += (now.tv_sec - minute_start) * 1000 + now.tv_nsec / 1'000'000;
  return moment;
}

namespace {

// The zone's offset from UTC, in seconds, at a moment.
long offset_at(time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  return local.tm_gmtoff;
}

}  // namespace

LocalMoment universal_time(const LocalMoment& local) {
  std::tm fields{};
  fields.tm_year = local.year - 1900;
  fields.tm_mon = local.month - 1;
  fields.tm_mday = local.day;
  const time_t wall = timegm(&fields);  // the wall clock's reading as if it were UTC
  // Every offset in force within a day of the moment; of those, the ones
  // under which the wall clock shows it.
  const std::int64_t wall_seconds = wall + local.milliseconds / 1000;
  const long before = offset_at(wall_seconds - 86400), now = offset_at(wall_seconds),
             after = offset_at(wall_seconds + 86400);
  std::optional<long> chosen;
  for (const long offset : {before, now, after})
    if (offset_at(wall_seconds - offset) == offset && (!chosen || offset > *chosen)) chosen = offset;
  LocalMoment utc{local.year, local.month, local.day, 0};
  const std::int64_t shift = -std::int64_t{chosen.value_or(before)} * 1000;
  // The date first steps back a day, so that advance() only moves forward.
  utc.milliseconds = local.milliseconds + shift + kDayMilliseconds;
  if (--utc.day == 0) {
    if (--utc.month == 0) {
      utc.month = 12;
      --utc.year;
    }
    utc.day = days_in_month(utc.year, utc.month);
  }
  utc.advance(0);
  return utc;
}

LocalMoment StartedClock::now() const {
  LocalMoment moment = start_;
  const auto elapsed = std::chrono::steady_clock::now() - origin_;
  moment.advance(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  return moment;
}

}  // namespace pelmora
