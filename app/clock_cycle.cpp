#include "form1.h"

namespace pelmora {

namespace {

void advance_step(Integer& step_count) {
  step_count += 1;
  if (step_count == 80) step_count = 0;
}

}  // namespace

void Form1::Timer2_Timer() {
  // A load that runs inside this tick's redraw (a mode switch handled in its
  // yield, or a new day) starts the chart afresh: the tick ends there, so it
  // neither steps the fresh chart nor prints over its read-outs.
  const unsigned loads_before = st.load_count;

  if (is_true(st.simulation_mode)) {
    print_at(Picture1, 4, 50, " cycle");
    print_at(Picture1, 19, 50, st.cycle_time, "    ");
    st.step_redraw = true;
    picture1_click();
    if (st.load_count != loads_before) return;
    advance_step(st.step_count);
    return;
  }

  show_time();
  print_at(Picture1, 4, 50, "update");
  if (!(clock_.seconds_since_midnight() < st.next_update)) {
    st.update_number += 1;
    // Always from the schedule's start, so late ticks do not drift.
    st.next_update = sng(double(st.update_interval) * dbl(st.update_number) + st.schedule_start);
    advance_step(st.step_count);
    st.step_redraw = true;
    picture1_click();
    if (st.load_count != loads_before) return;
  }
  st.since_update = sng(double(clock_.seconds_since_midnight()) - st.next_update + st.update_interval);
  st.prev_tick_time = st.tick_time;
  st.tick_time = clock_.seconds_since_midnight();
  const Single now = clock_.seconds_since_midnight();
  if (sng(double(now) - st.prev_tick_time) < 0 || clock_.date_text() != st.load_date_text) Form_Load();
  print_at(Picture1, 18, 50, sng(Int(double(st.update_interval) - st.since_update)), "    ");
}

void Form1::clock_mode_Click() {
  st.button_state = bit_not(st.button_state);
  if (is_true(st.button_state)) {
    st.simulation_mode = kTrue;
    shell_.set_caption(Button::clock_mode, "clock mode");
  } else {
    st.simulation_mode = kFalse;
    shell_.set_caption(Button::clock_mode, "simulation");
  }
  Form_Load();
}

void Form1::cmd_exit_Click() {
  Integer Cancel = 0;
  form_unload(Cancel);
}

void Form1::form_unload(Integer& Cancel) {
  const Integer answer = shell_.message_box("Are you sure?", 35, "Exit Dialog");
  if (answer == kAnswerYes) {
    Cancel = 0;
    shell_.end_program();  // does not return
  } else {
    Cancel = kTrue;  // No, Cancel or a closed box: the window stays open
  }
}

}  // namespace pelmora
