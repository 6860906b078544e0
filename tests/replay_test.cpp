// Headless replays: golden traces, snapshots of both modes, and whole-program
// behaviour that needs the virtual clock.
#include <gtest/gtest.h>

#include <type_traits>

#include <QImage>
#include <fstream>
#include <functional>
#include <sstream>

#include "command_line/values.h"
#include "render/font_text_renderer.h"
#include "replay/replay.h"
#include "support/test_support.h"

namespace pelmora::testing {
namespace {

// The form refers to the replay's own clock and shells.
static_assert(!std::is_copy_constructible_v<Replay> && !std::is_move_constructible_v<Replay>);

LocalMoment moment(const std::string& text) { return parse_moment(text).value(); }

std::vector<ScriptEvent> script(const std::string& words) {
  return std::get<std::vector<ScriptEvent>>(parse_script(words));
}

std::vector<std::string> read_lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The trace of a replay, as lines.
std::vector<std::string> replay_trace(const std::string& at, const std::string& words) {
  RecordedOperations log;
  Picture picture(nullptr, &log);
  Replay replay(picture, moment(at), &log);
  EXPECT_EQ(replay.run(script(words), stderr), 0);
  return trace_lines(log.operations);
}

void expect_same_lines(const std::vector<std::string>& actual, const std::string& golden) {
  const auto expected = read_lines(std::string(PELMORA_TEST_DATA) + "/" + golden);
  ASSERT_FALSE(expected.empty()) << golden;
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
    ASSERT_EQ(actual[i], expected[i]) << golden << " line " << i + 1;
  EXPECT_EQ(actual.size(), expected.size()) << golden;
}

TEST(GoldenTraceTest, LoadAlone) { expect_same_lines(replay_trace("2026-12-07 06:00", ""), "load.trace"); }

TEST(GoldenTraceTest, SimulationTickAndClickOnThePicture) {
  expect_same_lines(replay_trace("2026-12-07 06:00", "tick click:picture1"), "simulation.trace");
}

TEST(GoldenTraceTest, ClockModeAcrossMidnightAndTheExitBox) {
  expect_same_lines(replay_trace("2026-12-07 23:59:59.9",
                                 "click:clock_mode tick*2 wait:30 tick answer:no click:cmd_exit answer:yes close tick"),
                    "clock_midnight.trace");
}

TEST(GoldenTraceTest, SameScriptSameTrace) {
  const auto first = replay_trace("2026-03-20 12:34:56.789", "tick*3 click:clock_mode wait:45 tick*2");
  EXPECT_EQ(first, replay_trace("2026-03-20 12:34:56.789", "tick*3 click:clock_mode wait:45 tick*2"));
  EXPECT_GT(first.size(), 2000u);
}

// The picture after a replay, against a stored one.
void expect_snapshot(const std::string& at, const std::string& words, const std::string& golden) {
  FontTextRenderer renderer;
  RasterCanvas canvas(&renderer);
  Picture picture(&canvas, nullptr);
  Replay replay(picture, moment(at), nullptr);
  ASSERT_EQ(replay.run(script(words), stderr), 0);
  const QImage expected(QString::fromStdString(std::string(PELMORA_TEST_DATA) + "/" + golden));
  ASSERT_EQ(expected.size(), QSize(kPictureWidth, kPictureHeight)) << golden;
  int different = 0;
  for (int y = 0; y < kPictureHeight; ++y)
    for (int x = 0; x < kPictureWidth; ++x) different += canvas.pixel(x, y) != (expected.pixel(x, y) & 0xffffffu);
  EXPECT_EQ(different, 0) << golden;
}

TEST(SnapshotTest, SimulationMode) { expect_snapshot("2026-12-07 21:30", "tick*40", "simulation.png"); }

TEST(SnapshotTest, ClockMode) { expect_snapshot("2026-12-07 21:30", "click:clock_mode wait:90 tick*4", "clock.png"); }

TEST(ReplayTest, ClockModeTicksCoverTheirTime) {
  Picture picture(nullptr, nullptr);
  Replay replay(picture, moment("2026-12-07 10:00"), nullptr);
  ASSERT_EQ(replay.run(script("click:clock_mode tick*5760"), stderr), 0);
  EXPECT_EQ(replay.clock().moment().milliseconds, 36'000'000 + 86'400);
  EXPECT_EQ(replay.form().state().update_number.value(), 3);  // updates at 30 s and 60 s
}

TEST(ReplayTest, StallIsCaughtUpOneStepPerTick) {
  Picture picture(nullptr, nullptr);
  Replay replay(picture, moment("2026-12-07 10:00"), nullptr);
  ASSERT_EQ(replay.run(script("click:clock_mode wait:3600"), stderr), 0);
  for (int tick = 1; tick <= 200; ++tick) {
    ASSERT_EQ(replay.play(script("tick"), stderr), 0);
    EXPECT_EQ(replay.form().state().update_number.value(), 1 + std::min(tick, 120)) << tick;
  }
}

TEST(ReplayTest, ProgramEndStopsTheScript) {
  RecordedOperations log;
  Picture picture(nullptr, &log);
  Replay replay(picture, moment("2026-12-07 10:00"), &log);
  EXPECT_EQ(replay.run(script("answer:yes click:cmd_exit tick tick"), stderr), 0);
  EXPECT_EQ(trace_line(log.operations.back()), "end");
  EXPECT_EQ(replay.clock().moment().milliseconds, 36'000'000);
}

TEST(ReplayTest, PendingAnswerIsReplacedAndUsedUp) {
  RecordedOperations log;
  Picture picture(nullptr, &log);
  Replay replay(picture, moment("2026-12-07 10:00"), &log);
  EXPECT_EQ(replay.run(script("answer:yes answer:cancel close click:cmd_exit"), stderr), 0);
  const auto boxes = trace_lines(only(log.operations, Operation::Kind::msgbox));
  EXPECT_EQ(boxes, (std::vector<std::string>{"msgbox \"Are you sure?\" \"Exit Dialog\" 35 2",
                                             "msgbox \"Are you sure?\" \"Exit Dialog\" 35 7"}));
}

// A picture whose circles fail with whatever `fail` throws.
class FailingPicture : public Picture {
 public:
  FailingPicture(OperationLog& log, std::function<void()> fail) : Picture(nullptr, &log), fail_(std::move(fail)) {}
  void circle(Single, Single, Single, Colour) override { fail_(); }

 private:
  std::function<void()> fail_;
};

// Runs the script on a failing picture; returns the exit status, the last
// trace line and the first line written to the error stream.
struct FailedRun {
  int status;
  std::string last_trace_line;
  std::string error_line;
  std::int64_t milliseconds;
};

FailedRun run_failing(std::function<void()> fail, const std::string& words) {
  RecordedOperations log;
  FailingPicture picture(log, std::move(fail));
  Replay replay(picture, moment("2026-12-07 10:00"), &log);
  std::FILE* errors = std::tmpfile();
  const int status = replay.run(script(words), errors);
  std::rewind(errors);
  char line[128] = {};
  const bool wrote = std::fgets(line, sizeof line, errors) != nullptr;
  std::fclose(errors);
  return {status, trace_line(log.operations.back()), wrote ? line : "", replay.clock().moment().milliseconds};
}

TEST(ReplayTest, RunTimeErrorIsReportedAndEndsTheRun) {
  const FailedRun run = run_failing([] { throw RuntimeError(5, "Invalid procedure call or argument"); }, "tick tick");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.last_trace_line, "error 5 \"Invalid procedure call or argument\"");
  EXPECT_EQ(run.error_line, "Run-time error '5': Invalid procedure call or argument\n");
  EXPECT_EQ(run.milliseconds, 36'000'000);  // the load failed: no tick ran
}

// Whatever a handler throws ends the run like a run-time error, reported in
// one line: nothing escapes.
TEST(ReplayTest, AnyOtherFailureIsARunTimeErrorToo) {
  const struct {
    const char* name;
    std::function<void()> fail;
    const char* trace_line;
  } cases[] = {
      {"out of memory", [] { throw std::bad_alloc(); }, "error 7 \"Out of memory\""},
      {"a library's error", [] { throw std::runtime_error("disk on fire"); },
       "error 51 \"Internal error: disk on fire\""},
      {"anything else", [] { throw 42; }, "error 51 \"Internal error\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FailedRun run = run_failing(c.fail, "tick");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.last_trace_line, c.trace_line);
    EXPECT_TRUE(run.error_line.starts_with("Run-time error '")) << run.error_line;
  }
}

}  // namespace
}  // namespace pelmora::testing
