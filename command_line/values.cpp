#include "command_line/values.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace pelmora {

namespace {

constexpr std::int64_t kMaxTicks = 100'000'000;
constexpr std::int64_t kMaxWaitMilliseconds = 10'000'000'000;
constexpr std::size_t kQuotedCharacters = 60;

// A whole number of exactly `digits` digits (any count up to 12 when 0).
std::optional<std::int64_t> whole(std::string_view text, std::size_t digits = 0) {
  if (text.empty() || text.size() > 12 || (digits != 0 && text.size() != digits)) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  std::int64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Seconds written with at most three decimals, as milliseconds.
std::optional<std::int64_t> seconds_as_milliseconds(std::string_view text) {
  const std::size_t point = text.find('.');
  const auto seconds = whole(text.substr(0, point));
  if (!seconds) return std::nullopt;
  std::int64_t fraction = 0;
  if (point != std::string_view::npos) {
    const std::string_view decimals = text.substr(point + 1);
    const auto digits = whole(decimals);
    if (!digits || decimals.size() > 3) return std::nullopt;
    fraction = *digits;
    for (std::size_t i = decimals.size(); i < 3; ++i) fraction *= 10;
  }
  return *seconds * 1000 + fraction;
}

// The length of the UTF-8 sequence that starts `text`, 0 when it is not one.
std::size_t utf8_length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(0);
  std::size_t length = first >= 0xf0 && first <= 0xf4 ? 4 : first >= 0xe0 ? 3 : first >= 0xc2 ? 2 : 0;
  if (first >= 0xf5 || length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xc0) != 0x80) return 0;
  // C1 control characters are escaped like the C0 ones.
  if (length == 2 && first == 0xc2 && byte(1) < 0xa0) return 0;
  return length;
}

}  // namespace

std::string quoted_argument(std::string_view text) {
  std::string quoted = "'";
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    if (characters == kQuotedCharacters) {
      quoted += "'...";
      return quoted;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      quoted += static_cast<char>(c);
      ++i;
    } else if (c == '\\') {
      quoted += "\\\\";
      ++i;
    } else if (c == '\n') {
      quoted += "\\n";
      ++i;
    } else if (c == '\t') {
      quoted += "\\t";
      ++i;
    } else if (const std::size_t length = c >= 0x80 ? utf8_length(text.substr(i)) : 0; length != 0) {
      quoted += text.substr(i, length);
      i += length;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      quoted += escaped;
      ++i;
    }
  }
  return quoted + "'";
}

std::variant<LocalMoment, std::string> parse_moment_or_problem(std::string_view text) {
  const std::string not_real = "is not a real local date and time";
  // YYYY-MM-DD
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return not_real;
  const auto year = whole(text.substr(0, 4), 4);
  const auto month = whole(text.substr(5, 2), 2);
  const auto day = whole(text.substr(8, 2), 2);
  if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1) return not_real;
  if (*year < 1000) return std::string("lies before the year 1000");
  LocalMoment moment{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day), 0};
  if (moment.day > days_in_month(moment.year, moment.month)) return not_real;
  if (text.size() == 10) return moment;

  // ( |T)HH:MM[:SS[.f]]
  const std::string_view time = text.substr(11);
  if ((text[10] != ' ' && text[10] != 'T') || time.size() < 5 || time[2] != ':') return not_real;
  const auto hours = whole(time.substr(0, 2), 2);
  const auto minutes = whole(time.substr(3, 2), 2);
  if (!hours || !minutes || *hours > 23 || *minutes > 59) return not_real;
  std::int64_t milliseconds = 0;
  if (time.size() > 5) {
    if (time[5] != ':' || time.size() < 8) return not_real;
    const auto seconds = whole(time.substr(6, 2), 2);
    if (!seconds || *seconds > 59) return not_real;
    milliseconds = *seconds * 1000;
    if (time.size() > 8) {
      if (time[8] != '.') return not_real;
      const std::string_view decimals = time.substr(9);
      if (decimals.size() > 3 && whole(decimals)) return std::string("has more than three decimals of a second");
      const auto fraction = seconds_as_milliseconds("0" + std::string(time.substr(8)));
      if (!fraction) return not_real;
      milliseconds += *fraction;
    }
  }
  moment.milliseconds = (*hours * 3600 + *minutes * 60) * 1000 + milliseconds;
  return moment;
}

std::optional<LocalMoment> parse_moment(std::string_view text) {
  auto parsed = parse_moment_or_problem(text);
  if (auto* moment = std::get_if<LocalMoment>(&parsed)) return *moment;
  return std::nullopt;
}

std::variant<std::vector<ScriptEvent>, std::string> parse_script(std::string_view words) {
  std::vector<ScriptEvent> events;
  using Kind = ScriptEvent::Kind;
  std::size_t at = 0;
  while (true) {
    at = words.find_first_not_of(" \t\n\r\f\v", at);
    if (at == std::string_view::npos) break;
    const std::size_t end = std::min(words.find_first_of(" \t\n\r\f\v", at), words.size());
    const std::string_view word = words.substr(at, end - at);
    at = end;
    ScriptEvent event;
    if (word == "tick") {
      event.kind = Kind::tick;
    } else if (word.starts_with("tick*")) {
      const auto count = whole(word.substr(5));
      if (!count || *count < 1 || *count > kMaxTicks)
        return "bad event " + quoted_argument(word) + ": tick*N takes N from 1 to 100000000";
      event.kind = Kind::tick;
      event.count = *count;
    } else if (word.starts_with("wait:")) {
      const auto milliseconds = seconds_as_milliseconds(word.substr(5));
      if (!milliseconds || *milliseconds > kMaxWaitMilliseconds)
        return "bad event " + quoted_argument(word) +
               ": wait:S takes seconds from 0 to 10000000 with at most three decimals";
      event.kind = Kind::wait;
      event.milliseconds = *milliseconds;
    } else if (word == "click:clock_mode") {
      event.kind = Kind::click_clock_mode;
    } else if (word == "click:cmd_exit") {
      event.kind = Kind::click_cmd_exit;
    } else if (word == "click:picture1") {
      event.kind = Kind::click_picture1;
    } else if (word == "close") {
      event.kind = Kind::close;
    } else if (word == "answer:yes" || word == "answer:no" || word == "answer:cancel") {
      event.kind = Kind::answer;
      event.answer = word == "answer:yes" ? kAnswerYes : word == "answer:no" ? kAnswerNo : kAnswerCancel;
    } else {
      return "unknown event " + quoted_argument(word) +
             " (events: tick, tick*N, wait:S, click:clock_mode, click:cmd_exit, click:picture1, close, "
             "answer:yes, answer:no, answer:cancel)";
    }
    events.push_back(event);
  }
  return events;
}

}  // namespace pelmora
