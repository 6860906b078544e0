// The built program, run for real: exit statuses, output, files and the
// window's end, as a user or a script sees them.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "support/test_support.h"

namespace pelmora {
namespace {

// The built program, run for real.
using ProgramRun = pelmora::testing::CommandRun;
using pelmora::testing::run_command;

ProgramRun run_program(const std::string& arguments) {
  return run_command(std::string(PELMORA_BINARY) + " " + arguments + " 2>&1");
}

// A bash script that runs the program as $P, with standard error joined to
// standard output.
ProgramRun run_script(const std::string& script) {
  return run_command("P=" + std::string(PELMORA_BINARY) + " bash -c '" + script + "' 2>&1");
}

// The program started in the background, its standard error going to a
// file (or, with error_file empty, to a pipe nobody reads); the caller
// waits for it or signals it.
pid_t start_program(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                    const std::string& error_file) {
  std::vector<std::string> words = {PELMORA_BINARY};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv, envp;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::vector<std::string> env = environment;
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int closed_pipe[2] = {-1, -1};
  if (!error_file.empty()) {
    posix_spawn_file_actions_addopen(&actions, 2, error_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  } else if (pipe2(closed_pipe, O_CLOEXEC) == 0) {
    close(closed_pipe[0]);
    posix_spawn_file_actions_adddup2(&actions, closed_pipe[1], 2);
  }
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (closed_pipe[1] >= 0) close(closed_pipe[1]);
  return failed == 0 ? pid : -1;
}

// Whether the process has its own handler for the signal yet.
bool catches(pid_t pid, int signal) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("SigCgt:")) return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
  return false;
}

// Whether the process has written to an output file in `folder` that has
// no name yet.
bool writes_in(pid_t pid, const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
    struct stat info {};
    if (!error && target.starts_with(folder.string() + "/") && target.ends_with(" (deleted)") &&
        stat(fd.path().c_str(), &info) == 0 && info.st_size > 0)
      return true;
  }
  return false;
}

// The exit status, or 128 + the signal that ended it.
int wait_for(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
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
           "--snapshot /nonexistent/dir/s.png", "--at", "--stats --script tick --trace " + path("t.trace"),
           "--colours print --snapshot " + path("s.png"), "--colours print --scale 2 --snapshot " + path("s.pdf")}) {
    SCOPED_TRACE(arguments);
    const ProgramRun run = run_program(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.output.starts_with("pelmora: ")) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    EXPECT_TRUE(std::filesystem::is_empty(directory));
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

// The snapshot's format is its name's extension, in any case.
TEST_F(ProgramTest, VectorSnapshots) {
  for (const auto& [name, start] : {std::pair{"sky.SVG", "<?xml"}, {"sky.pdf", "%PDF-"}}) {
    const ProgramRun run = run_program("--at '2026-12-07 06:00' --script 'tick*2' --snapshot " + path(name));
    EXPECT_EQ(run.status, 0) << run.output;
    std::ifstream file(path(name));
    std::string head(5, ' ');
    file.read(head.data(), 5);
    EXPECT_EQ(head, start);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 2);
}

// --clock-mode: the mode button pressed once after the load, before the
// script's first event.
TEST_F(ProgramTest, ClockModeStartsAsIfTheButtonWerePressed) {
  const ProgramRun run = run_program("--at '2026-12-07 06:00' --clock-mode --script tick --trace -");
  EXPECT_EQ(run.status, 0);
  const std::size_t caption = run.output.find("caption clock_mode \"simulation\"");
  EXPECT_NE(caption, std::string::npos);
  EXPECT_NE(run.output.find("print 32 800 \"update\""), std::string::npos);
  EXPECT_LT(caption, run.output.find("print 32 800 \"update\""));
}

// --scale 2: the same run as the golden picture at 1, drawn at twice the
// size, against its own golden picture.
TEST_F(ProgramTest, SnapshotAtTwiceTheSize) {
  const ProgramRun run =
      run_program("--at '2026-12-07 21:30' --script 'tick*40' --scale 2 --snapshot " + path("2x.png"));
  ASSERT_EQ(run.status, 0) << run.output;
  const QImage drawn(QString::fromStdString(path("2x.png")));
  const QImage golden(QString::fromStdString(std::string(PELMORA_TEST_DATA) + "/simulation-2x.png"));
  EXPECT_EQ(drawn.size(), QSize(2482, 1842));
  EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), golden.convertToFormat(QImage::Format_RGB32));
}

// Files: a failed write is reported, never success, and leaves the old
// file as it was and no temporary beside it.
TEST_F(ProgramTest, FailedWritesLeaveTheOldFilesAndSayWhy) {
  std::ofstream(path("sky.png")) << "old picture";
  std::ofstream(path("t.trace")) << "old trace";
  const std::pair<std::string, const char*> cases[] = {
      // A file size limit of 4 KiB stands for a full disk.
      {"bash -c 'ulimit -f 4; exec " + std::string(PELMORA_BINARY) + " --snapshot " + path("sky.png") + "'",
       "cannot write the snapshot to '"},
      {"bash -c 'ulimit -f 4; exec " + std::string(PELMORA_BINARY) + " --script tick*50 --trace " + path("t.trace") +
           "'",
       "cannot write the trace to '"},
  };
  for (const auto& [command, message] : cases) {
    SCOPED_TRACE(command);
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    char line[512] = {};
    const bool said = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_TRUE(said && std::string(line).starts_with(std::string("pelmora: ") + message)) << line;
    EXPECT_NE(std::string(line).find("File too large"), std::string::npos) << line;
  }
  std::ifstream picture(path("sky.png")), trace(path("t.trace"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(picture), {}), "old picture");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(trace), {}), "old trace");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 2);

  // A device that is full fails at the first write, not after the script.
  const ProgramRun full = run_program("--script tick*100000000 --trace /dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.output, "pelmora: cannot write the trace to '/dev/full': No space left on device\n");

  // A reader that goes away ends the run quietly, not by SIGPIPE.
  const std::string closed_pipe = "bash -c '" + std::string(PELMORA_BINARY) +
                                  " --script tick*100000000 --trace - | head -c 10 >/dev/null; echo ${PIPESTATUS[0]}'";
  std::FILE* pipe = popen((closed_pipe + " 2>&1").c_str(), "r");
  char said[256] = {};
  std::fgets(said, sizeof said, pipe);
  pclose(pipe);
  EXPECT_STREQ(said, "1\n");
}

TEST_F(ProgramTest, BadOutputsAreRefusedBeforeTheRunAndTouchNothing) {
  std::ofstream(path("t.trace")) << "old trace";
  ASSERT_EQ(mkfifo(path("fifo.png").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/null", path("null.png"));
  std::filesystem::create_directory(path("folder.svg"));
  for (const std::string& arguments :
       {"--trace " + path("t.trace") + " --snapshot " + path("nodir/x.png"),
        "--trace " + path("t.png") + " --snapshot " + path("t.png"), "--snapshot " + path("null.png"),
        "--snapshot " + path("fifo.png"), "--script tick*100000000 --snapshot " + path("folder.svg"),
        "--snapshot " + path("sky.jpg"), "--snapshot " + path("sky"), std::string("--trace - --snapshot -"),
        std::string("--trace - --positions -"), "--place 91,0 --positions " + path("p.tsv")}) {
    SCOPED_TRACE(arguments);
    const ProgramRun run = run_program(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
  }
  std::ifstream trace(path("t.trace"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(trace), {}), "old trace");
  EXPECT_TRUE(std::filesystem::is_symlink(path("null.png")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 4);
}

// The rows of a positions table, each split at its tabs.
std::vector<std::vector<std::string>> table_rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::istringstream fields(line);
    for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
    if (line.ends_with('\t')) cells.emplace_back();
    rows.push_back(cells);
  }
  return rows;
}

TEST_F(ProgramTest, PositionsOfTheTrueSkyAndOfTheDesign) {
  const char* old_zone = std::getenv("TZ");
  const std::string kept = old_zone ? old_zone : "";
  setenv("TZ", "Europe/Madrid", 1);
  const ProgramRun run = run_program("--sky true --place 40.4168,-3.7038 --at '2026-12-07 06:00' --positions -");
  old_zone ? setenv("TZ", kept.c_str(), 1) : unsetenv("TZ");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto rows = table_rows(run.output);
  ASSERT_EQ(rows.size(), 1u + 1 + 2 + 5 + 31 + 6);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"body", "kind", "ra_deg", "dec_deg", "height_deg", "x", "y"}));
  // 05:00 UTC: the sidereal time and the moon as the ephemeris has them
  // (PyEphem: 147.2848 and 231.9547).
  EXPECT_EQ(rows[1][0], "local sidereal time");
  const double sidereal_time = std::stod(rows[1][2]);
  EXPECT_NEAR(sidereal_time, 147.2848, 0.001);
  EXPECT_EQ(rows[3][0], "The moon");
  EXPECT_NEAR(std::stod(rows[3][2]), 231.9547, 0.05);
  int in_view = 0;
  for (std::size_t i = 2; i < rows.size(); ++i) {
    const auto& row = rows[i];
    ASSERT_EQ(row.size(), 7u) << row[0];
    if (row[5].empty() || row[1] == "marker") continue;
    ++in_view;
    const double ra = std::stod(row[2]), height = std::stod(row[4]);
    EXPECT_EQ(std::stoi(row[5]), std::lround(640 + 16 * std::remainder(sidereal_time - ra, 360.0))) << row[0];
    EXPECT_EQ(std::stoi(row[6]), std::lround(432 - 4.6 * height)) << row[0];
  }
  EXPECT_GE(in_view, 5);  // Regulus, Mars, Jupiter and more near the meridian

  // The design: its own angles, no planets.
  const auto design = table_rows(run_program("--at '2026-12-07 06:00' --positions -").output);
  ASSERT_EQ(design.size(), 1u + 1 + 2 + 31 + 6);
  // The chart angle is 206 at 06:00: Regulus at ((206 - 152) * 8 + 4) * 2.
  EXPECT_EQ(design[21],
            (std::vector<std::string>{"Regulus (alpha Leonis)", "star", "152.0000", "", "1.0000", "872", "427"}));
}

TEST_F(ProgramTest, TrueSkyFiguresAreErasedWhereTheyWereDrawnAndStandWhereThePositionsSay) {
  // Two hours of simulated sky: the bodies move by fractions of pixels and
  // the moon and planets move among the stars.
  const ProgramRun run = run_program(
      "--sky true --place 40.4168,-3.7038 --at '2026-12-07 05:00' --script tick*240 "
      "--trace " +
      path("true.trace") + " --positions " + path("true.tsv"));
  ASSERT_EQ(run.status, 0) << run.output;
  // Every circle on the picture at the end: drawn and not erased since.
  std::map<std::tuple<std::string, std::string, std::string>, int> standing;
  std::ifstream trace(path("true.trace"));
  for (std::string line; std::getline(trace, line);) {
    if (line == "cls") standing.clear();
    std::istringstream words(line);
    std::string kind, x, y, radius, colour;
    if (!(words >> kind >> x >> y >> radius >> colour) || kind != "circle") continue;
    if (colour == "000000") {
      standing.erase({x, y, radius});
    } else {
      standing[{x, y, radius}] = 1;
    }
  }
  std::ifstream table_file(path("true.tsv"));
  const auto rows = table_rows(std::string(std::istreambuf_iterator<char>(table_file), {}));
  std::set<std::pair<std::string, std::string>> placed;
  for (const auto& row : rows)
    if (row.size() == 7 && !row[5].empty()) placed.insert({row[5], row[6]});
  int figures = 0;
  for (const auto& [circle, drawn] : standing) {
    const auto& [x, y, radius] = circle;
    if (radius == "1") continue;  // a dot of the equator
    ++figures;
    EXPECT_TRUE(placed.count({x, y})) << "a ring at " << x << ", " << y << " of radius " << radius;
  }
  EXPECT_GE(figures, 8);
}

TEST_F(ProgramTest, SnapshotToStandardOutputIsThePicture) {
  const ProgramRun run = run_program("--snapshot - --trace " + path("t.trace"));
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.output.starts_with("\x89PNG\r\n")) << run.output.substr(0, 40);
}

// Signals: a headless run stops, leaves the old files and exits as the
// shell expects, without a word; whatever ends it, no temporary and no
// runtime folder is left.
TEST_F(ProgramTest, SignalsEndAHeadlessRunCleanly) {
  std::ofstream(path("t.trace")) << "old trace";
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM, SIGKILL}) {
    SCOPED_TRACE(signal);
    const pid_t pid =
        start_program({"--script", "tick*100000000", "--trace", path("t.trace"), "--snapshot", path("sky.png")},
                      {"XDG_RUNTIME_DIR=", "TMPDIR=" + directory.string()}, path("said"));
    ASSERT_GT(pid, 0);
    // Running: its signal handlers are in place and its trace is being
    // written (so the toolkit has started).
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return catches(pid, signal == SIGKILL ? SIGTERM : signal) && writes_in(pid, directory); }, 20'000));
    kill(pid, signal);
    EXPECT_EQ(wait_for(pid), 128 + signal);
    EXPECT_EQ(std::filesystem::file_size(path("said")), 0u);
    std::filesystem::remove(path("said"));
    std::ifstream trace(path("t.trace"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(trace), {}), "old trace");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 1);
  }
}

// Outputs are known by what they are, not by their names: standard
// output's own file is appended to, one file under two names is refused, a
// closed standard output is not taken by a file, pipes by name are
// streamed and a reader that leaves ends the run quietly.
TEST_F(ProgramTest, OutputsAreKnownByWhatTheyAreNotTheirNames) {
  const std::string d = directory.string() + "/";
  const std::string run = "$P --at 2026-12-07 --script tick ";
  const ProgramRun appended = run_script("cd " + d + " && echo earlier > log && echo before > err && " + run +
                                         "--trace /dev/stdout >> log && " + run + "--trace /dev/stderr 2>> err");
  EXPECT_EQ(appended.status, 0) << appended.output;
  for (const char* name : {"log", "err"}) {
    std::ifstream in(path(name));
    std::string first, second;
    std::getline(in, first);
    std::getline(in, second);
    EXPECT_TRUE(first == "earlier" || first == "before") << first;
    EXPECT_EQ(second, "fore ff00ff");
  }
  for (const std::string& clash : {run + "--trace - --snapshot a.png > a.png", run + "--trace a --snapshot - > a",
                                   "echo x > a && ln a hl.png && " + run + "--trace a --snapshot hl.png"}) {
    SCOPED_TRACE(clash);
    const ProgramRun refused = run_script("cd " + d + " && " + clash);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.output.find("would be the same file"), std::string::npos) << refused.output;
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
  }
  const ProgramRun closed = run_script("cd " + d + " && " + run + "--trace t1 --snapshot - >&-");
  EXPECT_EQ(closed.status, 1);
  EXPECT_EQ(closed.output, "pelmora: cannot write the snapshot to '-': standard output is closed\n");
  EXPECT_TRUE(std::filesystem::is_empty(directory));

  const ProgramRun piped = run_script("cd " + d + " && " + run + "--trace >(cat > piped) && wait $! && head -1 piped");
  EXPECT_EQ(piped.output, "fore ff00ff\n");
  const ProgramRun head = run_script(
      "$P --script tick*100000000 --trace /dev/stdout | head -c 10 >/dev/null; "
      "echo ${PIPESTATUS[0]}");
  EXPECT_EQ(head.output, "1\n");
  const ProgramRun fifo = run_script("cd " + d +
                                     " && mkfifo f && { head -c 10 f > /dev/null & } && "
                                     "$P --script tick*100000000 --trace f; echo $?");
  EXPECT_EQ(fifo.output, "1\n");
}

// Messages: a headless run says nothing but its own lines, also where the
// session has no runtime folder or a locale that does not exist, and
// leaves nothing behind of the toolkit.
TEST_F(ProgramTest, HeadlessRunSaysNothingAndLeavesNothingOfItsOwn) {
  const std::string command = "env -u XDG_RUNTIME_DIR LC_ALL=bogus TMPDIR=" + directory.string() + " " +
                              std::string(PELMORA_BINARY) + " --snapshot " + path("sky.png") + " 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  char said[512] = {};
  const bool anything = std::fgets(said, sizeof said, pipe) != nullptr;
  EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0);
  EXPECT_FALSE(anything) << said;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 1);
}

TEST_F(ProgramTest, HelpAndVersion) {
  const ProgramRun help = run_program("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--snapshot FILE"), std::string::npos);
  EXPECT_NE(help.output.find("-h, --help"), std::string::npos);
  // For an 80-column terminal.
  std::istringstream lines(help.output);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
  const ProgramRun version = run_program("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "pelmora " PELMORA_VERSION "\n");
  // Help that cannot be written is a failure.
  const ProgramRun full = run_script("$P --help > /dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.output, "pelmora: cannot write the help to standard output: No space left on device\n");
  EXPECT_EQ(run_script("$P --version >&-").status, 1);
}

// No display, none that answers (X or Wayland), or one the toolkit cannot
// open: one line and status 1, never the toolkit's abort.
TEST_F(ProgramTest, WindowWithoutADisplaySaysSoInOneLine) {
  const std::string unset = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ";
  for (const std::string& setting :
       {std::string(""), std::string("DISPLAY=:97 "), std::string("XDG_RUNTIME_DIR=/tmp WAYLAND_DISPLAY=wayland-9 "),
        std::string("DISPLAY=:97 WAYLAND_DISPLAY=wayland-9 "),
        std::string("DISPLAY=:97 QT_QPA_PLATFORM=nosuchplatform ")}) {
    SCOPED_TRACE(setting);
    const std::string command = unset + setting + PELMORA_BINARY + " 2>&1";
    const auto [status, output] = run_command(command);
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(output.starts_with("pelmora: cannot open the window: ")) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_NE(output.find("--snapshot"), std::string::npos);
  }
  // The display's name quoted like every other argument.
  const ProgramRun named =
      run_script("env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY $P -display $'\"'\"':97\\e[31mRED\\nsecond'\"'\"'");
  EXPECT_EQ(named.status, 1);
  EXPECT_NE(named.output.find("answers on ':97\\x1b[31mRED\\nsecond'"), std::string::npos) << named.output;
  EXPECT_EQ(std::count(named.output.begin(), named.output.end(), '\n'), 1) << named.output;
}

TEST_F(ProgramTest, ToolkitOptionsAreTakenHeadlessAndInTheWindow) {
  EXPECT_EQ(run_program("-platform offscreen --script tick").status, 0);
  const ProgramRun unknown_platform = run_program("-platform nosuchplatform");
  EXPECT_EQ(unknown_platform.status, 1);
  EXPECT_TRUE(unknown_platform.output.starts_with("pelmora: cannot open the window: ")) << unknown_platform.output;
}

TEST_F(ProgramTest, WindowEndsCleanlyOnSignalsAndReportsItsStats) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    const pid_t pid =
        start_program({"--stats"}, {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + path("config")}, path("stats"));
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return catches(pid, signal); }, 20'000));
    kill(pid, signal);
    EXPECT_EQ(wait_for(pid), 0);
    std::ifstream stats(path("stats"));
    std::string line, last, all;
    while (std::getline(stats, line)) {
      all += line + "\n";
      if (line.starts_with("pelmora: ")) last = line;
    }
    EXPECT_NE(last.find(" timer ticks and "), std::string::npos) << all;
    EXPECT_NE(last.find("first chart shown"), std::string::npos) << last;
  }
  // SIGPIPE is no end; a --stats line that cannot be written is a failure.
  const pid_t pid = start_program({"--stats"}, {"QT_QPA_PLATFORM=offscreen"}, "");
  ASSERT_GT(pid, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return catches(pid, SIGTERM); }, 20'000));
  kill(pid, SIGPIPE);
  kill(pid, SIGTERM);
  EXPECT_EQ(wait_for(pid), 1);
}

// Settings that cannot be read or written never stop the window: it runs,
// and says so in at most one line.
TEST_F(ProgramTest, WindowRunsWhateverTheConfigFolderHolds) {
  std::filesystem::create_directories(directory / "garbage" / "pelmora");
  {
    std::ofstream garbage(directory / "garbage" / "pelmora" / "pelmora.conf", std::ios::binary);
    for (int i = 0; i < 4096; ++i) garbage.put(static_cast<char>((i * 7919) ^ (i >> 3)));
  }
  std::ofstream(directory / "a-file") << "not a folder";
  for (const std::string& config : {path("garbage"), path("a-file")}) {
    SCOPED_TRACE(config);
    const pid_t pid =
        start_program({"--clock-mode"}, {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + config}, path("said"));
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return catches(pid, SIGTERM); }, 20'000));
    kill(pid, SIGTERM);
    EXPECT_EQ(wait_for(pid), 0);
    std::ifstream said(path("said"));
    int ours = 0;
    for (std::string line; std::getline(said, line);) ours += line.starts_with("pelmora:") ? 1 : 0;
    EXPECT_LE(ours, 1);
  }
}

}  // namespace
}  // namespace pelmora
