// Parsed by hand rather than with QCommandLineParser: the toolkit's own
// options have to pass through to it as given (QCommandLineParser would
// call them unknown), a headless run must not start the toolkit at all, and
// every refusal is one line that quotes the argument safely.
#include "command_line/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "command_line/values.h"

namespace pelmora {

namespace {

struct ToolkitOption {
  std::string_view name;
  bool takes_value;
};

// The options QGuiApplication and QApplication take on Linux, documented
// with one dash; the toolkit also reads them with two.
constexpr std::array kToolkitOptions = {
    ToolkitOption{"platform", true},
    ToolkitOption{"platformpluginpath", true},
    ToolkitOption{"platformtheme", true},
    ToolkitOption{"plugin", true},
    ToolkitOption{"qwindowgeometry", true},
    ToolkitOption{"qwindowicon", true},
    ToolkitOption{"qwindowtitle", true},
    ToolkitOption{"session", true},
    ToolkitOption{"display", true},
    ToolkitOption{"geometry", true},
    ToolkitOption{"name", true},
    ToolkitOption{"visual", true},
    ToolkitOption{"style", true},
    ToolkitOption{"stylesheet", true},
    ToolkitOption{"qmljsdebugger", true},
    ToolkitOption{"fontengine", true},
    ToolkitOption{"reverse", false},
    ToolkitOption{"widgetcount", false},
    ToolkitOption{"sync", false},
    ToolkitOption{"nograb", false},
    ToolkitOption{"dograb", false},
};

// The toolkit's option that `argument` names ("-platform", "--style=fusion"),
// if it is one.
const ToolkitOption* toolkit_option(std::string_view argument) {
  if (!argument.starts_with('-')) return nullptr;
  argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
  argument = argument.substr(0, argument.find('='));
  const auto found = std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
                                  [&](const ToolkitOption& option) { return option.name == argument; });
  return found != kToolkitOptions.end() ? &*found : nullptr;
}

// The snapshot's scale, written as a decimal number from 0.5 to 4 (the
// picture's size times it, in pixels, is what the snapshot comes out at).
std::optional<double> parse_scale(std::string_view text) {
  double scale = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size() || !(scale >= 0.5 && scale <= 4)) return std::nullopt;
  return scale;
}

// What an option does with its value (empty for a flag): nothing to say, or
// the one line that refuses it.
using Problem = std::optional<std::string>;
using OptionHandler = Problem (*)(Options& options, const std::string& value);

// Which runs an option belongs to.
enum class Runs { any, window_only };

struct OptionRow {
  std::string_view name;   // "--name"
  std::string_view alias;  // a second spelling ("-h"), or empty
  bool takes_value;
  Runs runs;
  OptionHandler handle;
};

// Every option of the program. Adding one is a row here, its field in
// Options and its lines in usage_text().
constexpr std::array kOptions = {
    OptionRow{"--help", "-h", false, Runs::any,
              [](Options& options, const std::string&) -> Problem {
                options.help = true;
                return {};
              }},
    OptionRow{"--version", "", false, Runs::any,
              [](Options& options, const std::string&) -> Problem {
                options.version = true;
                return {};
              }},
    OptionRow{"--stats", "", false, Runs::window_only,
              [](Options& options, const std::string&) -> Problem {
                options.stats = true;
                return {};
              }},
    OptionRow{"--clock-mode", "", false, Runs::any,
              [](Options& options, const std::string&) -> Problem {
                options.clock_mode = true;
                return {};
              }},
    OptionRow{"--full-screen", "", false, Runs::window_only,
              [](Options& options, const std::string&) -> Problem {
                options.full_screen = true;
                return {};
              }},
    OptionRow{"--reset-settings", "", false, Runs::window_only,
              [](Options& options, const std::string&) -> Problem {
                options.reset_settings = true;
                return {};
              }},
    OptionRow{"--colours", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                options.colours = scheme_named(value);
                if (!options.colours)
                  return "--colours " + quoted_argument(value) +
                         " is not a colour scheme: use classic, bright, night or print";
                return {};
              }},
    OptionRow{"--scale", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                const auto scale = parse_scale(value);
                if (!scale)
                  return "--scale " + quoted_argument(value) +
                         " is not a scale: give a number from 0.5 to 4, such as 2";
                options.scale = *scale;
                return {};
              }},
    OptionRow{"--at", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                auto moment = parse_moment_or_problem(value);
                if (const auto* problem = std::get_if<std::string>(&moment))
                  return "--at " + quoted_argument(value) + " " + *problem +
                         ": use YYYY-MM-DD, YYYY-MM-DD HH:MM, YYYY-MM-DD HH:MM:SS or YYYY-MM-DD HH:MM:SS.f, "
                         "years 1000 to 9999";
                options.at = std::get<LocalMoment>(moment);
                return {};
              }},
    OptionRow{"--sky", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                if (value == "design") {
                  options.sky = SkyMode::design;
                } else if (value == "true") {
                  options.sky = SkyMode::true_sky;
                } else {
                  return "--sky " + quoted_argument(value) + " is not a sky: give design or true";
                }
                return {};
              }},
    OptionRow{"--place", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                auto place =
                    sky::parse_place(value, value.find(',') == std::string::npos ? sky::system_zone_rows()
                                                                                 : std::vector<sky::ZoneRow>{});
                if (auto* problem = std::get_if<std::string>(&place)) return *problem;
                options.place = std::get<sky::Place>(place);
                return {};
              }},
    OptionRow{"--positions", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                if (value.empty()) return "--positions needs a file name (or - for standard output)";
                options.positions_file = value;
                return {};
              }},
    OptionRow{"--script", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                auto parsed = parse_script(value);
                if (auto* message = std::get_if<std::string>(&parsed)) return *message;
                options.script = std::move(std::get<std::vector<ScriptEvent>>(parsed));
                return {};
              }},
    OptionRow{"--trace", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                if (value.empty()) return "--trace needs a file name (or - for standard output)";
                options.trace_file = value;
                return {};
              }},
    OptionRow{"--snapshot", "", true, Runs::any,
              [](Options& options, const std::string& value) -> Problem {
                if (value.empty()) return "--snapshot needs a file name";
                options.snapshot_file = value;
                return {};
              }},
};

const OptionRow* option_row(std::string_view name) {
  const auto found = std::find_if(kOptions.begin(), kOptions.end(), [&](const OptionRow& row) {
    return row.name == name || (!row.alias.empty() && row.alias == name);
  });
  return found != kOptions.end() ? &*found : nullptr;
}

// A toolkit option at arguments[i] (and its value, which i then passes),
// kept for the toolkit; the platform and display noted.
Problem take_toolkit_option(const ToolkitOption& toolkit, const std::vector<std::string>& arguments, std::size_t& i,
                            Options& options) {
  const std::string& argument = arguments[i];
  options.toolkit_arguments.push_back(argument);
  std::string value;
  if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
    value = argument.substr(equals + 1);
  } else if (toolkit.takes_value) {
    if (i + 1 >= arguments.size()) return "option " + quoted_argument(argument) + " needs a value";
    value = arguments[++i];
    options.toolkit_arguments.push_back(value);
  }
  if (toolkit.name == "platform") options.toolkit_platform = value;
  if (toolkit.name == "display") options.toolkit_display = value;
  return {};
}

// What was given together that cannot be.
Problem combination_problem(const Options& options, const std::vector<const OptionRow*>& seen) {
  const bool scale_given = std::find(seen.begin(), seen.end(), option_row("--scale")) != seen.end();
  for (const OptionRow* row : seen)
    if (row->runs == Runs::window_only && options.headless())
      return std::string(row->name) + " belongs to the window: it cannot be used with --script, --trace or --snapshot";
  if (options.colours == ColourScheme::print && !options.snapshot_file)
    return "--colours print is for paper: give it --snapshot FILE.pdf for the printed page, or FILE.svg (the window "
           "prints with Ctrl+P)";
  if (scale_given && !options.snapshot_file)
    return "--scale sets the scale of a snapshot and needs --snapshot (the window takes its scale from the screen)";
  return {};
}

}  // namespace

std::variant<Options, std::string> parse_options(const std::vector<std::string>& arguments) {
  Options options;
  std::vector<const OptionRow*> seen;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (const ToolkitOption* toolkit = toolkit_option(argument)) {
      if (auto problem = take_toolkit_option(*toolkit, arguments, i, options)) return *problem;
      continue;
    }

    std::string name = argument;
    std::optional<std::string> value;
    if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    const OptionRow* row = option_row(name);
    if (!row) return "unknown option " + quoted_argument(argument) + " (see --help)";
    if (row->takes_value && !value) {
      if (i + 1 >= arguments.size()) return "option " + name + " needs a value";
      value = arguments[++i];
    }
    if (!row->takes_value && value) return "option " + name + " takes no value";
    if (std::find(seen.begin(), seen.end(), row) != seen.end())
      return "option " + std::string(row->name) + " may be given only once";
    seen.push_back(row);
    if (auto problem = row->handle(options, value.value_or(""))) return *problem;
  }
  if (auto problem = combination_problem(options, seen)) return *problem;
  return options;
}

std::string usage_text() {
  return "Usage: pelmora [options]\n"
         "A sky clock: the band of sky along the sun's path, turning with the time of\n"
         "day. With no options it opens its window on the computer's clock.\n"
         "\n"
         "  --at WHEN         start the clock at WHEN instead of now: YYYY-MM-DD,\n"
         "                    YYYY-MM-DD HH:MM, YYYY-MM-DD HH:MM:SS or\n"
         "                    YYYY-MM-DD HH:MM:SS.f (local time; T may stand for the\n"
         "                    blank). In the window the clock runs on from WHEN.\n"
         "  --script WORDS    run headless on a virtual clock through the events WORDS,\n"
         "                    in order:\n"
         "                      tick, tick*N   15 ms of clock time, then a timer tick\n"
         "                                     (N times)\n"
         "                      wait:S         S seconds of clock time with no event\n"
         "                      click:clock_mode, click:cmd_exit, click:picture1\n"
         "                      close          the window's close request\n"
         "                      answer:yes, answer:no, answer:cancel\n"
         "                                     the answer of the next message box\n"
         "  --trace FILE      headless; write every drawing and window operation to\n"
         "                    FILE (- for standard output), one a line\n"
         "  --snapshot FILE   headless; after the script write the picture area to\n"
         "                    FILE as PNG, SVG or PDF, as its name ends in .png, .svg\n"
         "                    or .pdf (- for standard output, as PNG)\n"
         "  --scale S         the snapshot at S pixels for each pixel of the picture\n"
         "                    area, from 0.5 to 4 (--scale 2 gives 2482 by 1842):\n"
         "                    lines, circles and text drawn at that size\n"
         "  --sky design|true the chart as designed (the default), or the true sky for\n"
         "                    your place: sun, moon, five planets and the stars where\n"
         "                    they stand, the centre marker at the local sidereal time;\n"
         "                    the window's Sky menu chooses and keeps it\n"
         "  --place PLACE     where you stand, for the true sky: LAT,LON in decimal\n"
         "                    degrees (north and east positive, e.g. 40.4168,-3.7038)\n"
         "                    or a time zone or its city (Europe/Madrid, Madrid);\n"
         "                    default: the computer's time zone's city\n"
         "  --positions FILE  headless; after the run write where each body stands, a\n"
         "                    tab-separated table (- for standard output): body, kind,\n"
         "                    ra_deg, dec_deg, height_deg, x, y\n"
         "  --clock-mode      start in clock mode, as if the clock mode button had been\n"
         "                    pressed once (headless: as if the script began with\n"
         "                    click:clock_mode)\n"
         "  --full-screen     open the window full screen (F11 switches, Escape leaves)\n"
         "  --colours SCHEME  the chart (and a snapshot) in classic (as designed),\n"
         "                    bright (dark colours lightened) or night (all in red)\n"
         "                    colours, for this run only; print (on white, for\n"
         "                    paper) with a snapshot only: FILE.pdf is then the\n"
         "                    printed page (A4 landscape, the chart and a legend)\n"
         "  --reset-settings  start the window from the default settings\n"
         "  --stats           in the window: at the end, print the timer ticks and\n"
         "                    redraw passes per second and how soon the first chart\n"
         "                    was shown\n"
         "  -h, --help        print this help and end\n"
         "  --version         print the version and end\n"
         "\n"
         "In the window: rest the pointer on the chart to name what is there; a right\n"
         "click, Shift+F10 or the Menu key opens the menu; F1 help, F11 full screen,\n"
         "Ctrl+S save and Ctrl+C copy the picture, Ctrl+P print, Ctrl+G go to a moment,\n"
         "Home back to now, P pause (period: one step while paused), Ctrl+, preferences,\n"
         "Ctrl+Q quit.\n"
         "\n"
         "The window keeps its place, start mode, colours and picture folder in\n"
         "$XDG_CONFIG_HOME/pelmora/pelmora.conf (~/.config/pelmora/pelmora.conf).\n"
         "Options override them for one run; a headless run neither reads nor writes\n"
         "them.\n"
         "\n"
         "Each option may be given once. The toolkit's own options (-platform NAME,\n"
         "-display DISPLAY, -style STYLE, -reverse, -qwindowgeometry GEOMETRY and the\n"
         "rest) keep their meaning.\n"
         "\n"
         "Exit status: 0 done, 1 run-time error or a file that could not be written,\n"
         "2 bad command line; 128 + the signal when SIGINT, SIGTERM, SIGHUP, SIGQUIT,\n"
         "SIGUSR1, SIGUSR2 or SIGALRM stopped a headless run.\n";
}

}  // namespace pelmora
