// Headless replays: golden traces, snapshots of both modes, and whole-program
// behaviour that needs the virtual clock.
#include <gtest/gtest.h>

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

TEST(ReplayTest, RunningOutOfMemoryIsARunTimeErrorToo) {
  const FailedRun run = run_failing([] { throw std::bad_alloc(); }, "tick");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.last_trace_line, "error 7 \"Out of memory\"");
  EXPECT_EQ(run.error_line, "Run-time error '7': Out of memory\n");
}

TEST(ReplayTest, DateMovesOnAtMidnight) {
  LocalMoment m = moment("2024-02-28 23:59:59.990");
  m.advance(15);
  EXPECT_EQ(m.date_text(), "02-29-2024");
  EXPECT_EQ(m.milliseconds, 5);
  m = moment("2026-12-31 23:59");
  m.advance(60'000 + 86'400'000);
  EXPECT_EQ(m.date_text(), "01-02-2027");
  EXPECT_EQ(moment("2026-12-07 23:59:59.999").seconds(), std::nextafter(86400.0f, 0.0f));  // never 86400
}

}  // namespace
}  // namespace pelmora::testing

namespace pelmora::testing {
namespace {

TEST(SystemClockTest, AgreesWithTheCLibrarysLocalTime) {
  for (int reading = 0; reading < 3; ++reading) {
    const time_t before = time(nullptr);
    const LocalMoment moment = local_now();
    std::tm local{};
    localtime_r(&before, &local);
    const std::int64_t expected = (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * std::int64_t{1000};
    // The same second (or the next, if the clock ticked over in between).
    if (moment.milliseconds / 1000 == expected / 1000 || moment.milliseconds / 1000 == expected / 1000 + 1) {
      EXPECT_EQ(moment.year, local.tm_year + 1900);
      EXPECT_EQ(moment.month, local.tm_mon + 1);
      EXPECT_EQ(moment.day, local.tm_mday);
    } else {
      ADD_FAILURE() << moment.milliseconds << " against " << expected;
    }
  }
}

}  // namespace
}  // namespace pelmora::testing
