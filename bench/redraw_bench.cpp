// The cost of one redraw pass: on the fast canvas the window shows, at the
// picture's own size and at other scales, with and without the record that
// redraws it at another scale, and on the plain QPainter canvas (one painter
// a pass) it is measured against; then the ratio. And the record's size
// after a full turn of the chart in each mode.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>

#include "app/form1.h"
#include "clocks/clocks.h"
#include "render/font_text_renderer.h"
#include "render/rescalable_canvas.h"
#include "replay/replay.h"
#include "replay/true_sky_places.h"
#include "support/painter_canvas.h"

namespace pelmora {
namespace {

// The program in simulation mode: every timer tick is one redraw pass and
// one step.
template <typename Canvas>
struct Sky {
  explicit Sky(std::unique_ptr<Canvas> pixels = nullptr, std::int64_t start_ms = 21'600'000)
      : canvas(std::move(pixels)),
        picture(canvas.get(), nullptr),
        clock(LocalMoment{2026, 12, 7, start_ms}),
        form(picture, clock, shell) {
    form.Form_Load();
  }
  void tick() {
    clock.advance(kTickMilliseconds);
    // The plain canvas paints a whole pass with one painter.
    if constexpr (requires(Canvas & c) { c.begin_pass(); }) canvas->begin_pass();
    form.Timer2_Timer();
    if constexpr (requires(Canvas & c) { c.end_pass(); }) canvas->end_pass();
  }
  std::unique_ptr<Canvas> canvas;
  Picture picture;
  VirtualClock clock;
  ScriptShell shell;
  Form1 form;
};

FontTextRenderer& text_renderer() {
  static FontTextRenderer renderer;
  return renderer;
}

void BM_RedrawPass_Fast(benchmark::State& state) {
  Sky<RasterCanvas> sky(std::make_unique<RasterCanvas>(&text_renderer()));
  for (auto _ : state) {
    sky.tick();
    benchmark::DoNotOptimize(sky.canvas->indices());
  }
}
BENCHMARK(BM_RedrawPass_Fast)->Unit(benchmark::kMicrosecond);

// One full turn of the chart: every text and figure position met once.
constexpr int kStepsOfATurn = 2880;

// The same pass drawn at a scale, on the raster alone, after a full turn.
void BM_RedrawPass_Scaled(benchmark::State& state, double scale) {
  Sky<RasterCanvas> sky(std::make_unique<RasterCanvas>(&text_renderer(), scale));
  for (int step = 0; step < kStepsOfATurn; ++step) sky.tick();
  for (auto _ : state) {
    sky.tick();
    benchmark::DoNotOptimize(sky.canvas->indices());
  }
}
// An 800 by 600 window (texts about eight pixels high).
BENCHMARK_CAPTURE(BM_RedrawPass_Scaled, 0.61, 0.61)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawPass_Scaled, 1, 1.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawPass_Scaled, 1.5, 1.5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawPass_Scaled, 2, 2.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawPass_Scaled, 3, 3.0)->Unit(benchmark::kMicrosecond);

// The pass as the window draws it: on the raster at scale 1, keeping the
// record, after a full turn (against BM_RedrawPass_Scaled/1).
void BM_RedrawPass_Recorded(benchmark::State& state) {
  Sky<RescalableCanvas> sky(std::make_unique<RescalableCanvas>(&text_renderer()));
  for (int step = 0; step < kStepsOfATurn; ++step) sky.tick();
  for (auto _ : state) {
    sky.tick();
    benchmark::DoNotOptimize(sky.canvas->raster().indices());
  }
}
BENCHMARK(BM_RedrawPass_Recorded)->Unit(benchmark::kMicrosecond);

// Keeping the record alone, with no pixels: less the routines' own cost
// (BM_RedrawPass_NoPixels), what the record adds to a pass.
class RecordOnly : public PixelCanvas {
 public:
  void fill(Colour colour) override { record.clear(colour); }
  void line(double x1, double y1, double x2, double y2, Colour colour) override {
    record.line(pixel_of(x1), pixel_of(y1), pixel_of(x2), pixel_of(y2), colour);
  }
  void circle(double x, double y, double radius, Colour colour) override {
    record.circle(pixel_of(x), pixel_of(y), radius_of(radius), colour);
  }
  void text(double x, double y, std::string_view text, Colour fore, Colour back) override {
    record.text(pixel_of(x), pixel_of(y), text, fore, back);
  }
  FigureRecord record;
};

void BM_RedrawPass_RecordOnly(benchmark::State& state) {
  Sky<RecordOnly> sky(std::make_unique<RecordOnly>());
  for (int step = 0; step < kStepsOfATurn; ++step) sky.tick();
  for (auto _ : state) {
    sky.tick();
    benchmark::DoNotOptimize(&sky.canvas->record);
  }
}
BENCHMARK(BM_RedrawPass_RecordOnly)->Unit(benchmark::kMicrosecond);

// The record after a full turn of the chart: in simulation mode 2,880
// steps; in clock mode a whole day from midnight, one step every 30 seconds
// (the next midnight's load would clear it). And how long a rebuild at
// scale 2 from it takes.
void BM_RecordAfterAFullTurn(benchmark::State& state, bool clock_mode) {
  for (auto _ : state) {
    Sky<RescalableCanvas> sky(std::make_unique<RescalableCanvas>(&text_renderer()), clock_mode ? 0 : 21'600'000);
    if (clock_mode) sky.form.clock_mode_Click();
    for (int step = 0; step < kStepsOfATurn - (clock_mode ? 1 : 0); ++step) {
      if (clock_mode) sky.clock.advance(30'000 - 15);
      sky.tick();
    }
    state.counters["figures"] = static_cast<double>(sky.canvas->record().size());
    state.counters["KiB"] = static_cast<double>(sky.canvas->record().bytes()) / 1024;
    const auto start = std::chrono::steady_clock::now();
    sky.canvas->rescale(2);
    state.counters["rebuild_ms_at_2"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
}
BENCHMARK_CAPTURE(BM_RecordAfterAFullTurn, simulation, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RecordAfterAFullTurn, clock, true)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_RedrawPass_PlainQPainter(benchmark::State& state) {
  Sky<PainterCanvas> sky(std::make_unique<PainterCanvas>());
  for (auto _ : state) {
    sky.tick();
    benchmark::DoNotOptimize(sky.canvas->image().constBits());
  }
}
BENCHMARK(BM_RedrawPass_PlainQPainter)->Unit(benchmark::kMicrosecond);

// The routines alone, drawing nowhere: what the passes cost before pixels.
void BM_RedrawPass_NoPixels(benchmark::State& state) {
  Sky<RasterCanvas> sky(nullptr);
  for (auto _ : state) sky.tick();
}
BENCHMARK(BM_RedrawPass_NoPixels)->Unit(benchmark::kMicrosecond);

// The same pass in the true sky for Madrid against the design's
// (BM_RedrawPass_Fast): the ephemeris computed once a pass, the figures
// drawn at the places it gives.
void BM_RedrawPass_TrueSky(benchmark::State& state) {
  RoomSky room(sky::Place{40.4168, -3.7038, "Madrid"});
  Sky<RasterCanvas> sky(std::make_unique<RasterCanvas>(&text_renderer()));
  sky.form.set_true_sky(&room);
  sky.form.Form_Load();
  for (auto _ : state) {
    sky.tick();
    benchmark::DoNotOptimize(sky.canvas->indices());
  }
}
BENCHMARK(BM_RedrawPass_TrueSky)->Unit(benchmark::kMicrosecond);

// The ephemeris alone: one moment's true sky, as a true pass asks for it.
void BM_TrueSkyPlaces(benchmark::State& state) {
  RoomSky room(sky::Place{40.4168, -3.7038, "Madrid"});
  double seconds = 21'600;
  for (auto _ : state) {
    benchmark::DoNotOptimize(room.places_at("12-07-2026", seconds));
    seconds += 30;
  }
}
BENCHMARK(BM_TrueSkyPlaces)->Unit(benchmark::kMicrosecond);

// A clock-mode tick between updates: the read-outs, reprinted unchanged.
void BM_ClockTick_NoUpdate(benchmark::State& state) {
  Sky<RasterCanvas> sky(std::make_unique<RasterCanvas>(&text_renderer()));
  sky.form.clock_mode_Click();
  for (int i = 0; i < 3000; ++i) sky.tick();  // texts of a full turn in the caches
  sky.form.clock_mode_Click();
  sky.form.clock_mode_Click();
  for (auto _ : state) {
    sky.form.Timer2_Timer();  // the clock stands still: no update falls due
    benchmark::DoNotOptimize(sky.canvas->indices());
  }
}
BENCHMARK(BM_ClockTick_NoUpdate)->Unit(benchmark::kMicrosecond);

// Prints the results, and at the end how many times faster the fast pass is.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      if (median || single) times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto time = [this](const char* name) {
      const auto found = times_.find(name);
      return found != times_.end() ? found->second : 0.0;
    };
    const double fast = time("BM_RedrawPass_Fast"), plain = time("BM_RedrawPass_PlainQPainter");
    if (fast > 0 && plain > 0)
      std::printf("plain QPainter pass %.1f us, fast pass %.1f us: %.1f times faster\n", plain, fast, plain / fast);
    const double one = time("BM_RedrawPass_Scaled/1"), two = time("BM_RedrawPass_Scaled/2");
    if (one > 0 && two > 0)
      std::printf("pass at scale 2 %.1f us, at scale 1 %.1f us: %.2f times\n", two, one, two / one);
    const double true_sky = time("BM_RedrawPass_TrueSky");
    if (fast > 0 && true_sky > 0)
      std::printf("true-sky pass %.1f us, design pass %.1f us: %.2f times (target at most 1.5)\n", true_sky, fast,
                  true_sky / fast);
    const double recorded = time("BM_RedrawPass_Recorded");
    if (one > 0 && recorded > 0)
      std::printf("pass keeping the record %.1f us, without %.1f us: %.2f times (%+.1f us)\n", recorded, one,
                  recorded / one, recorded - one);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace pelmora

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  pelmora::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
