// The cost of one redraw pass: on the fast canvas the window shows, and on
// the plain QPainter canvas (one painter a pass) it is measured against;
// then the ratio.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <map>
#include <memory>

#include "app/form1.h"
#include "clocks/clocks.h"
#include "render/font_text_renderer.h"
#include "replay/replay.h"
#include "support/painter_canvas.h"

namespace pelmora {
namespace {

// The program in simulation mode: every timer tick is one redraw pass and
// one step.
template <typename Canvas>
struct Sky {
  explicit Sky(std::unique_ptr<Canvas> pixels)
      : canvas(std::move(pixels)),
        picture(canvas.get(), nullptr),
        clock(LocalMoment{2026, 12, 7, 21'600'000}),
        form(picture, clock, shell) {
    form.Form_Load();
  }
  void tick() {
    clock.advance(15);
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
    benchmark::DoNotOptimize(sky.canvas->data());
  }
}
BENCHMARK(BM_RedrawPass_Fast)->Unit(benchmark::kMicrosecond);

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

// A clock-mode tick between updates: the read-outs, reprinted unchanged.
void BM_ClockTick_NoUpdate(benchmark::State& state) {
  Sky<RasterCanvas> sky(std::make_unique<RasterCanvas>(&text_renderer()));
  sky.form.clock_mode_Click();
  for (int i = 0; i < 3000; ++i) sky.tick();  // texts of a full turn in the caches
  sky.form.clock_mode_Click();
  sky.form.clock_mode_Click();
  for (auto _ : state) {
    sky.form.Timer2_Timer();  // the clock stands still: no update falls due
    benchmark::DoNotOptimize(sky.canvas->data());
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
    const auto fast = times_.find("BM_RedrawPass_Fast");
    const auto plain = times_.find("BM_RedrawPass_PlainQPainter");
    if (fast != times_.end() && plain != times_.end() && fast->second > 0)
      std::printf("plain QPainter pass %.1f us, fast pass %.1f us: %.1f times faster\n", plain->second, fast->second,
                  plain->second / fast->second);
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
