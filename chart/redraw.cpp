#include <cmath>
#include <utility>

#include "app/form1.h"
#include "chart/chart_geometry.h"
#include "chart/figure_drawing.h"
#include "chart/star_field.h"
#include "chart/true_chart_pass.h"

namespace pelmora {

namespace {
// Simulation mode turns the chart an eighth of a degree a step: 30 seconds
// of the sky's turning.
constexpr double kSimulatedSecondsPerStep = 30;
}  // namespace

ChartView Form1::view() const {
  ChartView view(st);
  if (true_sky_) {
    view.true_sky_mode = true;
    // A load cleared the picture: nothing of the true pass is on it until its next pass.
    if (true_load_ == st.load_count) view.true_sky = true_pass_->drawn();
  }
  return view;
}

bool Form1::in_view(Integer angle) const { return angle_in_view(st.chart_angle, angle); }

void Form1::draw_true_sky_pass(bool stepped) {
  if (true_load_ != st.load_count) {
    // A load cleared the picture and starts the simulated time afresh.
    true_pass_->forget();
    true_load_ = st.load_count;
    true_base_date_ = clock_.date_text();
    true_base_seconds_ = double(clock_.seconds_since_midnight());
    true_steps_ = 0;
  }
  const TrueSkyPlaces places =
      is_true(st.simulation_mode)
          ? true_sky_->places_at(true_base_date_, true_base_seconds_ + kSimulatedSecondsPerStep * double(true_steps_))
          : true_sky_->places_at(clock_.date_text(), double(clock_.seconds_since_midnight()));
  if (stepped) ++true_steps_;
  true_pass_->draw(Picture1, st.level, st.fore_colour, places);

  // "local", "lunar" and "solar": the sidereal time and the moon's and the
  // sun's right ascensions, in whole degrees.
  const auto whole_degrees = [](double angle) {
    const int degrees = static_cast<int>(std::floor(angle)) % 360;
    return Integer(degrees <= 0 ? degrees + 360 : degrees);
  };
  st.local_angle = whole_degrees(places.sidereal_time);
  st.lunar_angle = whole_degrees(places.moon.ra);
  st.solar_angle = whole_degrees(places.sun.ra);
  print_at(Picture1, 124, 48, st.local_angle, "    ");
  print_at(Picture1, 134, 48, "local");
  print_at(Picture1, 4, 42, "lunar");
  print_at(Picture1, 14, 42, st.lunar_angle, "    ");
  print_at(Picture1, 124, 50, st.solar_angle, "    ");
  print_at(Picture1, 134, 50, "solar");
}

void Form1::picture1_click() {
  // Only the redraw that a timer step asks for moves the chart on; a click
  // on the picture or a load redraws in place.
  const bool stepped = std::exchange(st.step_redraw, false);

  compute_moon();
  st.step_eighth = to_integer(sng(dbl(st.step_count) - 8 * Int(sng(dbl(st.step_count) / 8))));
  if (true_sky_) {
    draw_true_sky_pass(stepped);
  } else {
    draw_frame();

    if (in_view(st.solar_angle)) draw_sun();
    if (in_view(st.lunar_angle)) draw_moon();
    print_at(Picture1, 4, 42, "lunar");
    print_at(Picture1, 14, 42, st.lunar_angle, "    ");

    draw_equator_curve();
    Module1{Picture1, st.level}.draw_star_field(st.chart_angle, st.step_eighth);
  }
  show_date();
  print_at(Picture1, 8, 44, st.chart_angle, "    ");

  st.shown_chart_angle = st.chart_angle;
  if (stepped) advance_chart_angle();
  end_pass();
}

void Form1::draw_frame() {
  Picture1.set_scale_mode(kPixelUnits);

  // The baseline and the row of ticks; each tick erases its image of the
  // step before, 2 pixels to the left. That erase stroke cuts a gap into the
  // baseline, and the baseline drawn again ahead of the next tick fills it:
  // so it is drawn before every tick, 101 times a pass. (Once after the row
  // would leave the same pixels, but the chart's recorded sequence of
  // operations, which replays and golden traces compare, is this one.)
  const Colour erase_colour = palette_colour(0);
  for (Integer column = kFirstTickColumn; column >= kLastTickColumn; column -= 1) {
    const Integer x = tick_x(column, st.grid_offset, st.step_count);
    draw_baseline(Picture1, st.level);
    const Single tenths = sng(dbl(column) / 10);
    const bool long_tick = sng(double(tenths) - Int(tenths)) == 0;
    draw_scale_tick(Picture1, x, x - kPixelsPerStep, st.level, long_tick ? kLongTick : kShortTick, st.fore_colour,
                    erase_colour);
  }

  draw_centre_marker(Picture1, st.level);

  Picture1.set_scale_mode(kCharacterUnits);
  st.local_angle = st.chart_angle - kCentreOffsetDegrees;
  if (st.local_angle <= 0) st.local_angle += 360;
  print_at(Picture1, 124, 48, st.local_angle, "    ");
  print_at(Picture1, 134, 48, "local");

  // Scale labels, each 12 pixels left of its long tick and showing its
  // angle; s counts the degrees from the left edge down to the label's tick.
  for (Integer s = 80; s >= 0; s -= 10) {
    const Single position = sng(dbl(st.step_count) / 8 + dbl(s - 10) + dbl(st.grid_offset));
    const Integer reference = st.chart_angle - s > 0 ? st.chart_angle : st.chart_angle + 360;
    if (position > 1 && position < 80) {
      const Single tens = sng(dbl(reference - st.grid_offset + 10) / 10);
      Integer angle = to_integer(sng(10 * Int(tens) - dbl(s)));
      if (angle <= 0) angle += 360;
      if (angle > 360) angle -= 360;
      Picture1.set_scale_mode(kPixelUnits);
      print_scale_label(Picture1, label_x(position), st.level, angle);
      Picture1.set_scale_mode(kCharacterUnits);
    }
  }
}

void Form1::advance_chart_angle() {
  // One degree for every eighth step.
  if (sng(dbl(st.step_count) / 8 - Int(dbl(st.step_count) / 8)) == 0.875f) {
    st.chart_angle += 1;
    if (st.chart_angle == 361) st.chart_angle = 1;
  }
}

void Form1::end_pass() {
  const Single now = clock_.seconds_since_midnight();
  if (st.redraw_end_time > 0) st.cycle_time = sng(Int((double(now) - st.redraw_end_time) * 100) / 100);

  // A clock below the end of the last redraw, or another date than the
  // load's, means a new day: start the chart afresh.
  const Single again = clock_.seconds_since_midnight();
  if (sng(double(again) - st.redraw_end_time) < 0 || clock_.date_text() != st.load_date_text) Form_Load();

  st.redraw_end_time = clock_.seconds_since_midnight();
  shell_.yield();
}

}  // namespace pelmora
