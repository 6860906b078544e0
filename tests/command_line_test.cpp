// The command line: good and bad options, moments and scripts, each refused
// in one line.
#include <gtest/gtest.h>

#include "command_line/options.h"
#include "command_line/values.h"
#include "support/test_support.h"

namespace pelmora {
namespace {

Options parsed(const std::vector<std::string>& arguments) {
  auto result = parse_options(arguments);
  if (const auto* message = std::get_if<std::string>(&result)) ADD_FAILURE() << *message;
  return std::get<Options>(std::move(result));
}

std::string problem(const std::vector<std::string>& arguments) {
  auto result = parse_options(arguments);
  return std::holds_alternative<std::string>(result) ? std::get<std::string>(result) : "";
}

TEST(OptionsTest, NoOptionsIsTheWindowOnTheRealClock) {
  const Options options = parsed({});
  EXPECT_FALSE(options.headless());
  EXPECT_FALSE(options.at.has_value());
}

TEST(OptionsTest, MomentsInEveryForm) {
  const std::pair<const char*, LocalMoment> cases[] = {
      {"2026-12-07", {2026, 12, 7, 0}},
      {"2026-12-07 06:00", {2026, 12, 7, 21'600'000}},
      {"2026-12-07T06:00:30", {2026, 12, 7, 21'630'000}},
      {"2026-12-07 06:00:30.5", {2026, 12, 7, 21'630'500}},
      {"2026-12-07 23:59:59.999", {2026, 12, 7, 86'399'999}},
      {"2024-02-29 00:00", {2024, 2, 29, 0}},
      {"1000-01-01", {1000, 1, 1, 0}},
      {"9999-12-31 23:59", {9999, 12, 31, 86'340'000}},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parse_moment(text), expected);
  }
}

TEST(OptionsTest, MomentsThatAreNotRealAreRefused) {
  for (const char* text : {"2026-02-29",
                           "2100-02-29",
                           "2026-12-07 24:00",
                           "2026-12-07 23:60",
                           "2026-12-07 12:00:60",
                           "2026-13-01",
                           "2026-00-10",
                           "2026-12-00",
                           "2026-04-31",
                           "0999-12-31",
                           "10000-01-01",
                           "2026-12-07 06:00:30.1234",
                           "2026-12-07 06:00:30.",
                           "2026-12-07 6:00",
                           "2026-12-07x06:00",
                           "2026/12/07",
                           "",
                           "2026-12-07 06:00 ",
                           "+026-12-07",
                           "2026-12-07 06:00:3"}) {
    EXPECT_FALSE(parse_moment(text).has_value()) << text;
  }
}

TEST(OptionsTest, ScriptWords) {
  using Kind = ScriptEvent::Kind;
  const Options options = parsed({"--script",
                                  "tick tick*3  wait:2.5 click:clock_mode click:cmd_exit click:picture1 "
                                  "close answer:yes answer:no answer:cancel wait:0"});
  EXPECT_TRUE(options.headless());
  const std::vector<ScriptEvent> expected = {{Kind::tick, 1, 0, 0},
                                             {Kind::tick, 3, 0, 0},
                                             {Kind::wait, 1, 2500, 0},
                                             {Kind::click_clock_mode},
                                             {Kind::click_cmd_exit},
                                             {Kind::click_picture1},
                                             {Kind::close},
                                             {Kind::answer, 1, 0, 6},
                                             {Kind::answer, 1, 0, 7},
                                             {Kind::answer, 1, 0, 2},
                                             {Kind::wait, 1, 0, 0}};
  EXPECT_EQ(options.script, expected);
  EXPECT_EQ(script_duration(*options.script), 15 + 45 + 2500);
}

TEST(OptionsTest, SkyAndPlace) {
  EXPECT_FALSE(parsed({}).sky);
  const Options options = parsed({"--sky", "true", "--place", "40.4168,-3.7038", "--positions", "-"});
  EXPECT_EQ(options.sky, SkyMode::true_sky);
  ASSERT_TRUE(options.place);
  EXPECT_DOUBLE_EQ(options.place->latitude, 40.4168);
  EXPECT_TRUE(options.headless());
  EXPECT_EQ(parsed({"--sky=design"}).sky, SkyMode::design);
  if (!sky::system_zone_rows().empty()) {
    EXPECT_EQ(parsed({"--place", "MADRID"}).place->name, "Europe/Madrid");
  }
}

TEST(OptionsTest, BadInputGetsOneLineSayingWhat) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"--at"}, "option --at needs a value"},
      {{"--at", "2026-02-29"}, "--at '2026-02-29' is not a real local date and time"},
      {{"--script", "tick jump"}, "unknown event 'jump'"},
      {{"--script", "tick*0"}, "bad event 'tick*0'"},
      {{"--script", "tick*100000001"}, "bad event 'tick*100000001'"},
      {{"--script", "tick*x"}, "bad event 'tick*x'"},
      {{"--script", "wait:1.2345"}, "bad event 'wait:1.2345'"},
      {{"--script", "wait:-1"}, "bad event 'wait:-1'"},
      {{"--script", "wait:10000000.001"}, "bad event 'wait:10000000.001'"},
      {{"--trace="}, "--trace needs a file name"},
      {{"--help=yes"}, "option --help takes no value"},
      {{"--foo=bar"}, "unknown option '--foo=bar'"},
      {{"extra"}, "unknown option 'extra'"},
      {{"--stats", "--script", "tick"}, "--stats belongs to the window"},
      {{"--snapshot", "x.png", "--stats"}, "--stats belongs to the window"},
      {{"--script", "tick", "--reset-settings"}, "--reset-settings belongs to the window"},
      {{"--colours", "Night"}, "--colours 'Night' is not a colour scheme: use classic, bright, night or print"},
      // The printing palette is for paper: a snapshot, never the window.
      {{"--colours", "print"}, "--colours print is for paper: give it --snapshot FILE.pdf"},
      {{"--colours", "print", "--script", "tick"}, "--colours print is for paper"},
      {{"-platform"}, "option '-platform' needs a value"},
      {{"--at", "2026-01-01", "--at=2026-01-02"}, "option --at may be given only once"},
      {{"-h", "--help"}, "option --help may be given only once"},
      {{"--at", "2026-12-07 23:59:59.9999"}, "--at '2026-12-07 23:59:59.9999' has more than three decimals"},
      {{"--snapshot", "x.png", "--scale", "4.01"}, "--scale '4.01' is not a scale: give a number from 0.5 to 4"},
      {{"--snapshot", "x.png", "--scale", "0.49"}, "--scale '0.49' is not a scale"},
      {{"--snapshot", "x.png", "--scale", "2x"}, "--scale '2x' is not a scale"},
      {{"--snapshot", "x.png", "--scale=nan"}, "--scale 'nan' is not a scale"},
      {{"--snapshot", "x.png", "--scale", "1e0"}, "--scale '1e0' is not a scale"},
      {{"--scale", "2"}, "--scale sets the scale of a snapshot and needs --snapshot"},
      {{"--scale", "2", "--script", "tick"}, "--scale sets the scale of a snapshot and needs --snapshot"},
      {{"--full-screen", "--script", "tick"}, "--full-screen belongs to the window"},
      {{"--sky", "real"}, "--sky 'real' is not a sky: give design or true"},
      {{"--place", "40,181"}, "--place: longitude 181 is beyond 180 degrees"},
      {{"--place", "Atlantis"}, "--place: unknown place 'Atlantis'"},
      {{"--positions="}, "--positions needs a file name"},
  };
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(message);
    const std::string text = problem(arguments);
    EXPECT_TRUE(text.starts_with(message)) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
  }
}

TEST(OptionsTest, SnapshotScaleFullScreenColoursAndSettings) {
  EXPECT_EQ(parsed({"--snapshot", "x.png"}).scale, 1);
  EXPECT_EQ(parsed({"--snapshot", "x.png", "--scale", "2"}).scale, 2);
  EXPECT_EQ(parsed({"--scale=0.5", "--snapshot", "x.png"}).scale, 0.5);
  EXPECT_EQ(parsed({"--snapshot", "x.png", "--scale", "1.25"}).scale, 1.25);
  EXPECT_EQ(parsed({"--snapshot", "x.png", "--scale", "4"}).scale, 4);
  EXPECT_TRUE(parsed({"--full-screen"}).full_screen);
  EXPECT_FALSE(parsed({}).full_screen);
  EXPECT_EQ(parsed({"--colours=night", "--snapshot", "x.png"}).colours, ColourScheme::night);
  EXPECT_FALSE(parsed({}).colours);
  EXPECT_TRUE(parsed({"--reset-settings", "--clock-mode"}).reset_settings);
}

TEST(OptionsTest, QuotedArgumentsStayOneReadableLine) {
  EXPECT_EQ(quoted_argument("tick\njump\x1b[31m\\"), "'tick\\njump\\x1b[31m\\\\'");
  EXPECT_EQ(quoted_argument("Zürich\xff\xc2\x9b"), "'Zürich\\xff\\xc2\\x9b'");
  EXPECT_EQ(quoted_argument(std::string(100'000, 'x')), "'" + std::string(60, 'x') + "'...");
  EXPECT_EQ(quoted_argument(std::string(60, 'x')), "'" + std::string(60, 'x') + "'");
}

TEST(OptionsTest, ToolkitOptionsAreHandedOnAsGiven) {
  const Options options = parsed({"-platform", "offscreen", "--script", "tick", "-reverse", "--style=fusion",
                                  "-qwindowgeometry", "640x480+10+10", "--display", ":5"});
  EXPECT_EQ(options.toolkit_arguments,
            (std::vector<std::string>{"-platform", "offscreen", "-reverse", "--style=fusion", "-qwindowgeometry",
                                      "640x480+10+10", "--display", ":5"}));
  EXPECT_EQ(options.script->size(), 1u);
}

TEST(OptionsTest, ScriptMayNotRunPastTheLastDay) {
  const auto at = parse_moment("9999-12-31 23:59").value();
  EXPECT_TRUE(script_fits(at, {{ScriptEvent::Kind::wait, 1, 59'999, 0}}));
  EXPECT_FALSE(script_fits(at, {{ScriptEvent::Kind::wait, 1, 60'000, 0}}));
  EXPECT_FALSE(script_fits(parse_moment("2026-01-01").value(),
                           std::vector<ScriptEvent>(40000, {ScriptEvent::Kind::wait, 1, 10'000'000'000, 0})));
}

}  // namespace
}  // namespace pelmora
