// The timer in both modes, the mode button and the exit path.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_support.h"

namespace pelmora::testing {
namespace {

// A rig in clock mode, loaded at `seconds`, with the log empty.
Rig& in_clock_mode(Rig& rig, Single seconds) {
  rig.clock.seconds = seconds;
  rig.form.Form_Load();
  rig.form.clock_mode_Click();
  rig.take();
  return rig;
}

std::string countdown(const std::vector<Operation>& operations) {
  std::string text;
  for (const Operation& op : only(operations, Operation::Kind::print))
    if (op.x1 == 18 * kCellWidth && op.y1 == 50 * kCellHeight) text = op.text;
  return text;
}

int clears(const std::vector<Operation>& operations) {
  return static_cast<int>(only(operations, Operation::Kind::clear).size());
}

TEST(ClockCycleTest, ModeButtonSwitchesModeCaptionAndReloads) {
  Rig rig;
  rig.form.Form_Load();
  rig.take();
  rig.form.clock_mode_Click();
  EXPECT_FALSE(is_true(rig.st().simulation_mode));
  EXPECT_EQ(clears(rig.take()), 1);
  rig.form.clock_mode_Click();
  EXPECT_TRUE(is_true(rig.st().simulation_mode));
  EXPECT_EQ(rig.shell.captions, (std::vector<std::string>{"clock_mode:simulation", "clock_mode:clock mode"}));
}

TEST(ClockCycleTest, SimulationTickPrintsCycleThenRedrawsThenSteps) {
  Rig rig;
  rig.form.Form_Load();
  rig.st().cycle_time = 0.02f;
  rig.take();
  rig.form.Timer2_Timer();
  const auto operations = rig.take();
  EXPECT_EQ(operations.at(0), print_op(4, 50, " cycle"));
  EXPECT_EQ(operations.at(1), print_op(19, 50, " .02     "));
  EXPECT_EQ(operations.back().kind, Operation::Kind::yield);
  EXPECT_EQ(rig.st().step_eighth.value(), 0);  // the redraw drew step 0 ...
  EXPECT_EQ(rig.st().step_count.value(), 1);   // ... and the step came after it
}

TEST(ClockCycleTest, ClockTickStepsBeforeTheRedrawWhenAnUpdateIsDue) {
  Rig rig;
  in_clock_mode(rig, 1000);
  rig.clock.seconds = 1030;
  rig.form.Timer2_Timer();
  EXPECT_EQ(rig.st().step_count.value(), 1);
  EXPECT_EQ(rig.st().step_eighth.value(), 1);  // the redraw drew the new step
  EXPECT_EQ(rig.st().update_number.value(), 2);
  EXPECT_EQ(rig.st().next_update, 1060.0f);
  const auto operations = rig.take();
  EXPECT_EQ(prints_of(operations, "update").size(), 1u);
  EXPECT_EQ(countdown(operations), " 30     ");
}

TEST(ClockCycleTest, CountdownShowsWholeSecondsLeft) {
  Rig rig;
  in_clock_mode(rig, 1000);
  rig.clock.seconds = 1029.6f;  // 0.4 s before the update
  rig.form.Timer2_Timer();
  EXPECT_EQ(countdown(rig.take()), " 0     ");
  EXPECT_EQ(rig.st().step_count.value(), 0);
  rig.clock.seconds = 1030.1f;  // right after it
  rig.form.Timer2_Timer();
  EXPECT_EQ(countdown(rig.take()), " 29     ");
}

TEST(ClockCycleTest, FirstTickAfterALoadDoesNotReload) {
  Rig rig;
  in_clock_mode(rig, 5000);
  rig.clock.seconds = 5000.015f;
  rig.form.Timer2_Timer();
  EXPECT_EQ(clears(rig.take()), 0);
  EXPECT_EQ(rig.st().prev_tick_time, 0.0f);
  EXPECT_EQ(rig.st().tick_time, 5000.015f);
}

TEST(ClockCycleTest, MidnightTickReloadsAndShowsAboutADayOnce) {
  Rig rig;
  in_clock_mode(rig, 86380);
  rig.clock.seconds = 86399.9f;
  rig.form.Timer2_Timer();  // the next update falls due at 86410
  rig.take();
  rig.clock.seconds = 0.01f;
  rig.form.Timer2_Timer();
  auto operations = rig.take();
  EXPECT_EQ(clears(operations), 1);
  // 30 - (0.01 - 86410 + 30), from the schedule before the load.
  EXPECT_EQ(countdown(operations), " 86409     ");
  rig.clock.seconds = 0.025f;
  rig.form.Timer2_Timer();
  EXPECT_EQ(countdown(rig.take()), " 29     ");
}

TEST(ClockCycleTest, StalledUpdatesCatchUpOneStepPerTickWithoutDrift) {
  Rig rig;
  in_clock_mode(rig, 1000);
  rig.clock.seconds = 1095;  // three updates late: 1030, 1060, 1090
  for (int tick = 1; tick <= 4; ++tick) {
    rig.form.Timer2_Timer();
    rig.clock.seconds += 0.015f;
    EXPECT_EQ(rig.st().step_count.value(), std::min(tick, 3)) << tick;
  }
  EXPECT_EQ(rig.st().next_update, 1120.0f);

  // A thousand late ticks: the due times stay on the schedule.
  for (int update = 0; update < 1000; ++update) {
    rig.clock.seconds = rig.st().next_update + 0.7f;
    rig.form.Timer2_Timer();
  }
  EXPECT_EQ(rig.st().update_number.value(), 1004);
  EXPECT_EQ(rig.st().next_update, 1000.0f + 30 * 1004);
}

TEST(ClockCycleTest, ModeSwitchInsideATickDoesNotStepTheFreshChart) {
  // Mended: the interrupted tick used to add a step to the fresh chart, so
  // the first clock update erased step 1 and left step 0 on the picture.
  Rig rig;
  rig.form.Form_Load();
  rig.shell.during_yield.push_back([&] { rig.form.clock_mode_Click(); });
  rig.form.Timer2_Timer();
  EXPECT_FALSE(is_true(rig.st().simulation_mode));
  EXPECT_EQ(rig.st().step_count.value(), 0);
  rig.clock.seconds = rig.st().next_update;
  rig.form.Timer2_Timer();
  EXPECT_EQ(rig.st().step_eighth.value(), 1);  // erases exactly step 0
}

TEST(ClockCycleTest, SwitchToSimulationInsideAClockTickPrintsNoStaleCountdown) {
  Rig rig;
  in_clock_mode(rig, 1000);
  rig.clock.seconds = 1030;
  rig.shell.during_yield.push_back([&] { rig.form.clock_mode_Click(); });
  rig.form.Timer2_Timer();
  const auto operations = rig.take();
  EXPECT_TRUE(is_true(rig.st().simulation_mode));
  EXPECT_EQ(countdown(operations), "");
}

TEST(ClockCycleTest, NewDateReloadsAClockTickEvenWhenTheTimeGoesOn) {
  // Mended: a load in the last moments of a day never saw an update due,
  // and a suspend across days kept the old date.
  Rig rig;
  in_clock_mode(rig, 86399.99f);
  rig.clock.date = "12-08-2026";
  rig.clock.seconds = 86399.99f;
  rig.form.Timer2_Timer();
  EXPECT_EQ(clears(rig.take()), 1);
  EXPECT_EQ(rig.st().load_date_text, "12-08-2026");
}

TEST(ExitTest, YesEndsTheProgram) {
  Rig rig;
  rig.form.Form_Load();
  rig.take();
  rig.shell.answers = {kAnswerYes};
  EXPECT_THROW(rig.form.cmd_exit_Click(), ProgramEnded);
  EXPECT_EQ(trace_lines(rig.take()),
            (std::vector<std::string>{"msgbox \"Are you sure?\" \"Exit Dialog\" 35 6", "end"}));
}

TEST(ExitTest, NoAndCancelKeepEverythingAndRefuseTheClose) {
  for (const int answer : {kAnswerNo, kAnswerCancel}) {
    Rig rig;
    rig.form.Form_Load();
    rig.shell.answers = {answer};
    Integer cancel = 0;
    rig.form.form_unload(cancel);
    EXPECT_EQ(cancel, kTrue);
    rig.shell.answers = {answer};
    rig.take();
    rig.form.cmd_exit_Click();
    EXPECT_EQ(rig.take().size(), 1u);  // the box and nothing else
  }
}

TEST(ExitTest, YesInsideATickEndsItThere) {
  Rig rig;
  rig.form.Form_Load();
  rig.shell.answers = {kAnswerYes};
  rig.shell.during_yield.push_back([&] { rig.form.cmd_exit_Click(); });
  EXPECT_THROW(rig.form.Timer2_Timer(), ProgramEnded);
  EXPECT_EQ(rig.st().step_count.value(), 0);
  EXPECT_EQ(rig.take().back().kind, Operation::Kind::end);
}

}  // namespace
}  // namespace pelmora::testing
