// Pelmora: with no options the window on the computer's clock; with replay
// options a headless run that writes a trace and a picture.
#include <QApplication>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/clocks.h"
#include "app/display_check.h"
#include "app/options.h"
#include "app/qt/form1_window.h"
#include "app/qt/headless_run.h"
#include "app/qt/session.h"

namespace {

constexpr int kBadInput = 2;

int fail(const std::string& message) {
  std::fprintf(stderr, "pelmora: %s\n", message.c_str());
  return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pelmora;
  std::vector<std::string> arguments(argv + 1, argv + argc);
  auto parsed = parse_options(arguments);
  if (const auto* message = std::get_if<std::string>(&parsed)) return fail(*message);
  const Options& options = std::get<Options>(parsed);

  if (options.help) {
    std::fputs(usage_text().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::puts("pelmora 1.0");
    return 0;
  }
  if (options.headless) return run_headless(options, argv[0]);

  if (const auto problem = display_problem()) {
    std::fprintf(stderr,
                 "pelmora: cannot open the window: %s. For the chart as a picture without a display, use "
                 "--snapshot FILE.png (see --help).\n",
                 problem->c_str());
    return 1;
  }

  QApplication application(argc, argv);
  // From here on a signal ends the program the ordinary way, also one that
  // arrives while the window is still loading.
  Form1Window* running_window = nullptr;
  end_on_signals([&running_window] {
    if (running_window != nullptr) running_window->end_now();
  });
  std::unique_ptr<Clock> clock;
  if (options.at) {
    clock = std::make_unique<StartedClock>(*options.at);
  } else {
    clock = std::make_unique<SystemClock>();
  }
  Form1Window window(*clock);
  running_window = &window;
  window.load();
  if (window.ended()) return window.exit_status();
  window.show();
  const auto started = std::chrono::steady_clock::now();
  const int status = window.run();
  if (options.stats) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(stderr,
                 "pelmora: %ld timer ticks and %ld redraw passes in %.1f s (%.1f ticks, %.1f passes per second); "
                 "first chart shown %.0f ms after start\n",
                 window.ticks_handled(), window.redraw_passes(), seconds, window.ticks_handled() / seconds,
                 window.redraw_passes() / seconds, window.first_chart_shown() * 1000);
  }
  return status;
}
