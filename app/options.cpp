#include "options.h"

#include <charconv>
#include <sstream>

namespace pelmora {

namespace {

constexpr std::int64_t kTickMilliseconds = 15;
constexpr std::int64_t kMaxTicks = 100'000'000;
constexpr std::int64_t kMaxWaitMilliseconds = 10'000'000'000;

// A whole number of exactly `digits` digits (any count when 0), or nothing.
std::optional<std::int64_t> whole(std::string_view text, std::size_t digits = 0) {
  if (text.empty() || text.size() > 12 || (digits != 0 && text.size() != digits)) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  std::int64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Seconds with at most three decimals, as milliseconds.
std::optional<std::int64_t> seconds_as_milliseconds(std::string_view text) {
  const std::size_t point = text.find('.');
  const auto seconds = whole(text.substr(0, point));
  if (!seconds) return std::nullopt;
  std::int64_t fraction = 0;
  if (point != std::string_view::npos) {
    const std::string_view decimals = text.substr(point + 1);
    if (decimals.empty() || decimals.size() > 3) return std::nullopt;
    const auto digits = whole(decimals);
    if (!digits) return std::nullopt;
    fraction = *digits;
    for (std::size_t i = decimals.size(); i < 3; ++i) fraction *= 10;
  }
  return *seconds * 1000 + fraction;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

std::optional<LocalMoment> parse_moment(const std::string& text) {
  // YYYY-MM-DD
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = whole(std::string_view(text).substr(0, 4), 4);
  const auto month = whole(std::string_view(text).substr(5, 2), 2);
  const auto day = whole(std::string_view(text).substr(8, 2), 2);
  if (!year || !month || !day || *year < 1000 || *month < 1 || *month > 12 || *day < 1) return std::nullopt;
  LocalMoment moment{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day), 0};
  if (moment.day > days_in_month(moment.year, moment.month)) return std::nullopt;
  if (text.size() == 10) return moment;

  // ( |T)HH:MM[:SS[.f]]
  const std::string_view time = std::string_view(text).substr(11);
  if ((text[10] != ' ' && text[10] != 'T') || time.size() < 5 || time[2] != ':') return std::nullopt;
  const auto hours = whole(time.substr(0, 2), 2);
  const auto minutes = whole(time.substr(3, 2), 2);
  if (!hours || !minutes || *hours > 23 || *minutes > 59) return std::nullopt;
  std::int64_t milliseconds = 0;
  if (time.size() > 5) {
    if (time[5] != ':' || time.size() < 8) return std::nullopt;
    const auto seconds = whole(time.substr(6, 2), 2);
    if (!seconds || *seconds > 59) return std::nullopt;
    milliseconds = *seconds * 1000;
    if (time.size() > 8) {
      const auto fraction = seconds_as_milliseconds("0" + std::string(time.substr(8)));
      if (time[8] != '.' || !fraction) return std::nullopt;
      milliseconds += *fraction;
    }
  }
  moment.milliseconds = (*hours * 3600 + *minutes * 60) * 1000 + milliseconds;
  return moment;
}

std::variant<std::vector<ScriptEvent>, std::string> parse_script(const std::string& words) {
  std::vector<ScriptEvent> events;
  std::istringstream stream(words);
  std::string word;
  using Kind = ScriptEvent::Kind;
  while (stream >> word) {
    ScriptEvent event;
    if (word == "tick") {
      event.kind = Kind::tick;
    } else if (word.starts_with("tick*")) {
      const auto count = whole(std::string_view(word).substr(5));
      if (!count || *count < 1 || *count > kMaxTicks)
        return "bad event " + quoted(word) + ": tick*N takes N from 1 to 100000000";
      event.kind = Kind::tick;
      event.count = *count;
    } else if (word.starts_with("wait:")) {
      const auto milliseconds = seconds_as_milliseconds(std::string_view(word).substr(5));
      if (!milliseconds || *milliseconds > kMaxWaitMilliseconds)
        return "bad event " + quoted(word) + ": wait:S takes seconds from 0 to 10000000 with at most three decimals";
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
      return "unknown event " + quoted(word) +
             " (events: tick, tick*N, wait:S, click:clock_mode, click:cmd_exit, click:picture1, close, "
             "answer:yes, answer:no, answer:cancel)";
    }
    events.push_back(event);
  }
  return events;
}

std::int64_t script_duration(const std::vector<ScriptEvent>& script) {
  std::int64_t total = 0;
  for (const ScriptEvent& event : script) {
    if (event.kind == ScriptEvent::Kind::tick) total += event.count * kTickMilliseconds;
    if (event.kind == ScriptEvent::Kind::wait) total += event.milliseconds;
  }
  return total;
}

std::variant<Options, std::string> parse_options(const std::vector<std::string>& arguments) {
  Options options;
  std::optional<std::string> script_words;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    const bool takes_value = name == "--at" || name == "--script" || name == "--trace" || name == "--snapshot";
    if (takes_value && !value) {
      if (i + 1 >= arguments.size()) return "option " + name + " needs a value";
      value = arguments[++i];
    }
    if (!takes_value && value) return "option " + name + " takes no value";

    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--stats") {
      options.stats = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--at") {
      options.at = parse_moment(*value);
      if (!options.at)
        return "--at " + quoted(*value) +
               " is not a real local date and time: use YYYY-MM-DD, YYYY-MM-DD HH:MM, YYYY-MM-DD HH:MM:SS or "
               "YYYY-MM-DD HH:MM:SS.f, years 1000 to 9999";
    } else if (name == "--script") {
      script_words = *value;
      options.headless = true;
    } else if (name == "--trace") {
      if (value->empty()) return "--trace needs a file name (or - for standard output)";
      options.trace_file = *value;
      options.headless = true;
    } else if (name == "--snapshot") {
      if (value->empty()) return "--snapshot needs a file name";
      options.snapshot_file = *value;
      options.headless = true;
    } else {
      return "unknown option " + quoted(arguments[i]) + " (see --help)";
    }
  }

  if (script_words) {
    auto parsed = parse_script(*script_words);
    if (auto* message = std::get_if<std::string>(&parsed)) return *message;
    options.script = std::move(std::get<std::vector<ScriptEvent>>(parsed));
  }
  return options;
}

bool script_fits(const LocalMoment& start, const std::vector<ScriptEvent>& script) {
  const std::int64_t duration = script_duration(script);
  if (duration / 86'400'000 > 3'700'000) return false;
  LocalMoment end = start;
  end.advance(duration);
  return end.year <= 9999;
}

std::string usage_text() {
  return "Usage: pelmora [options]\n"
         "A sky clock: the band of sky along the sun's path, turning with the time of day.\n"
         "With no options it opens its window on the computer's clock.\n"
         "\n"
         "  --at WHEN          start the clock at WHEN instead of now: YYYY-MM-DD, YYYY-MM-DD HH:MM,\n"
         "                     YYYY-MM-DD HH:MM:SS or YYYY-MM-DD HH:MM:SS.f (local time; T may stand for\n"
         "                     the blank). In the window the clock runs on in real time from WHEN.\n"
         "  --script WORDS     run headless on a virtual clock through the events WORDS, in order:\n"
         "                       tick, tick*N       15 ms of clock time, then a timer tick (N times)\n"
         "                       wait:S             S seconds of clock time with no event\n"
         "                       click:clock_mode, click:cmd_exit, click:picture1\n"
         "                       close              the window's close request\n"
         "                       answer:yes, answer:no, answer:cancel   for the next message box\n"
         "  --trace FILE       headless; write every drawing and window operation to FILE (- for\n"
         "                     standard output), one a line\n"
         "  --snapshot FILE    headless; after the script write the picture area to FILE as PNG\n"
         "  --stats            in the window: at the end, print the timer ticks and redraw passes\n"
         "                     per second and how soon the first chart was shown\n"
         "  --help, --version\n"
         "\n"
         "Exit status: 0 done, 1 run-time error, 2 bad command line.\n";
}

}  // namespace pelmora
