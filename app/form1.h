// Form1: the window's routines and its state record. The event handlers and
// private procedures take no arguments (but form_unload) and talk to each
// other through the record; they reach the platform only through the
// picture, the clock and the shell.
#pragma once

#include "chart/star_field.h"
#include "platform.h"
#include "state.h"

namespace pelmora {

class Form1 {
 public:
  Form1(DrawingSurface& picture, Clock& clock, WindowShell& shell);
  // Its star-field renderer refers to its own state: neither copied nor moved.
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

  FormState& state() { return st; }
  const FormState& state() const { return st; }

 private:
  bool in_view(Integer angle) const;
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
  Module1 module1_;
};

}  // namespace pelmora
