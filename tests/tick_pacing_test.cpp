// The window's clock-mode ticks sleep through stretches in which a tick
// would change nothing; the picture must still change exactly as it does
// with a tick every interval.
#include "window/tick_pacing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <vector>

#include "app/form1.h"
#include "clocks/clocks.h"
#include "render/font_text_renderer.h"
#include "support/test_support.h"

namespace pelmora {
namespace {

constexpr int kInterval = 15;

// Form1 in clock mode on real pixels, driven by a virtual clock.
struct ClockModeWindow {
  explicit ClockModeWindow(const LocalMoment& start)
      : canvas(&renderer), picture(&canvas, nullptr), clock(start), form(picture, clock, shell) {
    form.Form_Load();
    form.clock_mode_Click();
  }
  // Runs one tick; true when it changed any pixel.
  bool tick() {
    form.Timer2_Timer();
    return !canvas.take_changed_areas().empty();
  }
  // The pixels, and the colours they stand for.
  std::size_t picture_hash() const {
    const auto bytes = [](const void* data, std::size_t size) {
      return std::hash<std::string_view>{}(std::string_view(static_cast<const char*>(data), size));
    };
    const auto& colours = canvas.colours().opaque_colours();
    return bytes(canvas.indices(), static_cast<std::size_t>(canvas.width()) * canvas.height()) * 31 +
           bytes(colours.data(), sizeof(colours));
  }

  FontTextRenderer renderer;
  RasterCanvas canvas;
  Picture picture;
  testing::TestShell shell;
  VirtualClock clock;
  Form1 form;
};

int ms_to_midnight(const LocalMoment& start) { return static_cast<int>(86'400'000 - start.milliseconds); }

// The picture at every millisecond of a run, as a hash.
using PictureTimeline = std::vector<std::size_t>;

void record_until(PictureTimeline& timeline, std::size_t ms, std::size_t hash) {
  while (timeline.size() <= ms) timeline.push_back(hash);
}

// Ticks every millisecond, so each change is on the picture from the
// moment the clock reaches it; but a new day is loaded at the same moment
// as in the paced run (`first_tick_of_day`, in ms of the run), so that both
// start the new day's schedule together.
PictureTimeline changes_as_they_happen(const LocalMoment& start, int duration_ms, int first_tick_of_day) {
  auto window = std::make_unique<ClockModeWindow>(start);
  const int midnight = ms_to_midnight(start);
  PictureTimeline timeline{window->picture_hash()};
  for (int ms = 1; ms <= duration_ms; ++ms) {
    window->clock.advance(1);
    const bool waiting_for_the_day = ms >= midnight && ms < first_tick_of_day;
    const std::size_t hash = !waiting_for_the_day && window->tick() ? window->picture_hash() : timeline.back();
    record_until(timeline, static_cast<std::size_t>(ms), hash);
  }
  return timeline;
}

// Ticks as the window does: the first after the interval, then after the
// wait the pacing asks for.
struct PacedRun {
  PictureTimeline timeline;
  int ticks = 0;
  int first_tick_of_day = 0;  // the first tick at or after midnight, if the run passes it
};

PacedRun changes_as_paced(const LocalMoment& start, int duration_ms) {
  auto window = std::make_unique<ClockModeWindow>(start);
  const int midnight = ms_to_midnight(start);
  PacedRun run{{window->picture_hash()}};
  int now = 0;
  int wait = kInterval;
  while (now + wait <= duration_ms) {
    record_until(run.timeline, static_cast<std::size_t>(now + wait - 1), run.timeline.back());
    now += wait;
    window->clock.advance(wait);
    ++run.ticks;
    if (now >= midnight && run.first_tick_of_day == 0) run.first_tick_of_day = now;
    const bool changed = window->tick();
    record_until(run.timeline, static_cast<std::size_t>(now), changed ? window->picture_hash() : run.timeline.back());
    wait = next_tick_wait_ms(window->form.state(), window->clock.seconds_since_midnight(), kInterval, changed);
    EXPECT_GE(wait, kInterval);
    EXPECT_LE(wait, 1000);
  }
  record_until(run.timeline, static_cast<std::size_t>(duration_ms), run.timeline.back());
  return run;
}

class PacedClockMode : public ::testing::TestWithParam<LocalMoment> {};

// Whatever the paced window shows at a moment, a window ticking every
// millisecond showed within the last interval; the paced one wakes a
// fraction as often.
TEST_P(PacedClockMode, ShowsEveryChangeWithinOneIntervalOnAFewTicksASecond) {
  constexpr int kDuration = 100'300;  // ends between changes
  const PacedRun run = changes_as_paced(GetParam(), kDuration);
  const PictureTimeline reference = changes_as_they_happen(GetParam(), kDuration, run.first_tick_of_day);
  const PictureTimeline& paced = run.timeline;
  ASSERT_EQ(paced.size(), reference.size());

  int late = 0;
  for (std::size_t ms = 0; ms < paced.size(); ++ms) {
    bool shown_recently = false;
    for (std::size_t back = 0; back <= kInterval && back <= ms && !shown_recently; ++back)
      shown_recently = reference[ms - back] == paced[ms];
    if (!shown_recently && ++late <= 5) ADD_FAILURE() << "the paced picture at " << ms << " ms is stale or wrong";
  }
  EXPECT_EQ(late, 0);
  EXPECT_EQ(paced.back(), reference.back());
  EXPECT_LE(run.ticks, 5 * kDuration / 1000);
}

INSTANTIATE_TEST_SUITE_P(Runs, PacedClockMode,
                         ::testing::Values(LocalMoment{2026, 12, 31, (23 * 3600 + 59 * 60) * 1000},
                                           LocalMoment{2026, 12, 7, (14 * 3600 + 21 * 60 + 7) * 1000 + 437}),
                         [](const auto& info) { return info.index == 0 ? "OverNewYear" : "InTheAfternoon"; });

TEST(TickPacing, TicksAtTheIntervalWheneverATickMayChangeSomething) {
  FormState st;
  st.simulation_mode = kFalse;
  st.clock_now = 1000.25f;
  st.next_update = 1020.125f;
  // A quiet clock-mode tick sleeps until just after the next whole second.
  EXPECT_NEAR(next_tick_wait_ms(st, 1000.25f, kInterval, false), 756, 1);
  // ... or the next whole second of the countdown, when that comes first.
  st.clock_now = 1000.0625f;
  EXPECT_NEAR(next_tick_wait_ms(st, 1000.0625f, kInterval, false), 68, 1);
  // A change the tick's first reading had not reached is still ahead.
  st.clock_now = 1000.995f;
  EXPECT_EQ(next_tick_wait_ms(st, 1001.0f, kInterval, false), kInterval);

  st.clock_now = 1000.25f;
  EXPECT_EQ(next_tick_wait_ms(st, 1000.25f, kInterval, true), kInterval);
  st.next_update = 1000.25f;  // due: the update is being caught up
  EXPECT_EQ(next_tick_wait_ms(st, 1000.25f, kInterval, false), kInterval);
  st.next_update = 1020.125f;
  st.simulation_mode = kTrue;
  EXPECT_EQ(next_tick_wait_ms(st, 1000.25f, kInterval, false), kInterval);
}

}  // namespace
}  // namespace pelmora
