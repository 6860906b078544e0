#include "clocks.h"

#include <cmath>
#include <cstdio>
#include <ctime>

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
  char text[16];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d", month % 100, day % 100, year % 10000);
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
  std::tm local{};
  localtime_r(&now.tv_sec, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          (local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59)) * std::int64_t{1000} +
              now.tv_nsec / 1'000'000};
}

LocalMoment StartedClock::now() const {
  LocalMoment moment = start_;
  const auto elapsed = std::chrono::steady_clock::now() - origin_;
  moment.advance(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  return moment;
}

}  // namespace pelmora
