// Form1: the window's routines and its state record. The event handlers and
// private procedures take no arguments (but form_unload) and talk to each
// other through the record; they reach the platform only through the
// picture, the clock and the shell.
#pragma once

#include <memory>
#include <string>

#include "app/chart_view.h"
#include "app/true_sky_source.h"
#include "platform.h"
#include "state.h"

namespace pelmora {

// Drawn by chart/; held by pointer so that the window's header needs none of chart/'s.
class TrueChartPass;

class Form1 {
 public:
  Form1(DrawingSurface& picture, Clock& clock, WindowShell& shell);
  ~Form1();
  // One window's routines on one picture, clock and shell: neither copied nor moved.
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Event handlers.
  void Form_Load();
  void Timer2_Timer();
  void clock_mode_Click();
  void cmd_exit_Click();
  void form_unload(Integer& Cancel);
  void picture1_click();

  // Private procedures of the window, open to the tests.
  void compute_calendar();
  void compute_moon();
  void read_clock();
  void show_time();
  void show_date();
  void draw_sun();
  void draw_moon();
  void draw_equator_curve();

  // The true sky instead of the design: the chart asks `source` for the
  // places at each pass (the clock's moment in clock mode; in simulation
  // mode the load's moment and 30 seconds more for every step). Null: the
  // design, as it always was.
  void set_true_sky(TrueSkySource* source) { true_sky_ = source; }

  FormState& state() { return st; }
  const FormState& state() const { return st; }
  // What the picture shows, for naming and reading it: the state, and in
  // the true sky what its pass drew last.
  ChartView view() const;

 private:
  bool in_view(Integer angle) const;
  void draw_true_sky_pass(bool stepped);
  // The steps of picture1_click.
  void draw_frame();
  void advance_chart_angle();
  void end_pass();
  // The steps of Form_Load.
  void first_load();
  void read_load_date();
  void place_sun_and_chart();

  FormState st;
  DrawingSurface& Picture1;
  Clock& clock_;
  WindowShell& shell_;
  TrueSkySource* true_sky_ = nullptr;
  std::unique_ptr<TrueChartPass> true_pass_;
  unsigned true_load_ = 0;  // the load whose cleared picture the true pass draws on
  std::string true_base_date_;
  double true_base_seconds_ = 0;
  long long true_steps_ = 0;  // simulation steps since that load
};

}  // namespace pelmora
