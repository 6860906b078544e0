// The command line: good and bad options, moments and scripts, and the
// program's exit status and output for each.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "command_line/options.h"
#include "command_line/values.h"

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
    const auto moment = parse_moment(text);
    ASSERT_TRUE(moment.has_value()) << text;
    EXPECT_EQ(*moment, expected) << text;
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
      {{"extra"}, "unknown option 'extra'"},
  };
  for (const auto& [arguments, message] : cases) {
    const std::string text = problem(arguments);
    EXPECT_TRUE(text.starts_with(message)) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
  }
}

TEST(OptionsTest, ScriptMayNotRunPastTheLastDay) {
  const auto at = parse_moment("9999-12-31 23:59").value();
  EXPECT_TRUE(script_fits(at, {{ScriptEvent::Kind::wait, 1, 59'999, 0}}));
  EXPECT_FALSE(script_fits(at, {{ScriptEvent::Kind::wait, 1, 60'000, 0}}));
  EXPECT_FALSE(script_fits(parse_moment("2026-01-01").value(),
                           std::vector<ScriptEvent>(40000, {ScriptEvent::Kind::wait, 1, 10'000'000'000, 0})));
}

// The built program, run for real.
struct ProgramRun {
  int status;
  std::string output;
};

ProgramRun run_program(const std::string& arguments) {
  const std::string command = std::string(PELMORA_BINARY) + " " + arguments + " 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : directory(std::filesystem::temp_directory_path() / ("pelmora-test-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(directory);
  }
  ~ProgramTest() override { std::filesystem::remove_all(directory); }
  std::string path(const std::string& name) const { return (directory / name).string(); }
  std::filesystem::path directory;
};

TEST_F(ProgramTest, BadInputExitsWithTwoAndWritesNothing) {
  for (const std::string& arguments : std::vector<std::string>{
           "--bogus", "--at 2026-02-29 --trace " + path("t.trace"), "--script 'tick nope' --trace " + path("t.trace"),
           "--at '9999-12-31 23:59' --script wait:60 --trace " + path("t.trace"), "--trace /nonexistent/dir/t.trace",
           "--snapshot /nonexistent/dir/s.png", "--at"}) {
    const ProgramRun run = run_program(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_TRUE(run.output.starts_with("pelmora: ")) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    EXPECT_TRUE(std::filesystem::is_empty(directory)) << arguments;
  }
}

TEST_F(ProgramTest, TraceAndSnapshotOfAHeadlessRun) {
  const ProgramRun run = run_program("--at '2026-12-07 06:00' --script 'tick*2' --trace " + path("sky.trace") +
                                     " --snapshot " + path("sky.png"));
  EXPECT_EQ(run.status, 0) << run.output;
  std::ifstream trace(path("sky.trace"));
  std::string first;
  std::getline(trace, first);
  EXPECT_EQ(first, "fore ff00ff");
  EXPECT_GT(std::filesystem::file_size(path("sky.png")), 1000u);
  // Only the two files: no temporary left beside them.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 2);
}

TEST_F(ProgramTest, HelpAndVersion) {
  const ProgramRun help = run_program("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--snapshot FILE"), std::string::npos);
  const ProgramRun version = run_program("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "pelmora " PELMORA_VERSION "\n");
}

TEST_F(ProgramTest, WindowWithoutADisplaySaysSoInOneLine) {
  const std::string program = PELMORA_BINARY;
  for (const std::string& display : {std::string(), std::string("DISPLAY=:97 ")}) {
    const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " + display + program + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    ASSERT_TRUE(read);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_TRUE(std::string(line).starts_with("pelmora: cannot open the window: ")) << line;
    EXPECT_NE(std::string(line).find("--snapshot"), std::string::npos);
  }
}

TEST_F(ProgramTest, WindowEndsCleanlyOnSigtermAndReportsItsStats) {
  // The window on the offscreen platform, ended by a signal after a moment.
  const std::string command = "env QT_QPA_PLATFORM=offscreen " + std::string(PELMORA_BINARY) + " --stats 2>" +
                              path("stats") + " & pid=$!; sleep 2; kill -TERM $pid; wait $pid";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::ifstream stats(path("stats"));
  std::string line, last;
  while (std::getline(stats, line))
    if (line.starts_with("pelmora: ")) last = line;
  EXPECT_NE(last.find(" timer ticks and "), std::string::npos) << last;
  EXPECT_NE(last.find("first chart shown"), std::string::npos) << last;
}

}  // namespace
}  // namespace pelmora
