// Pelmora: with no options the window on the computer's clock; with the
// options of a headless run, a replay that writes a trace and a picture.
#include <QApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <new>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <memory>
#include <string>
#include <vector>

#include "clocks/chosen_clock.h"
#include "command_line/options.h"
#include "replay/headless_run.h"
#include "replay/output_file.h"
#include "window/colour_controls.h"
#include "window/desktop_identity.h"
#include "window/display_check.h"
#include "window/form1_window.h"
#include "window/preferences_dialog.h"
#include "window/remembered_place.h"
#include "window/session.h"
#include "window/settings.h"
#include "window/sky_controls.h"
#include "window/time_controls.h"
#include "window/translations.h"
#include "window/version.h"
#include "window/window_watch.h"

namespace {

// The arguments the toolkit is started with: the program's name and the
// toolkit's own options. They must outlive the application object.
struct ToolkitArguments {
  explicit ToolkitArguments(const char* program, const std::vector<std::string>& options)
      : texts(options.begin(), options.end()) {
    texts.insert(texts.begin(), program);
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    count = static_cast<int>(texts.size());
  }
  std::vector<std::string> texts;
  std::vector<char*> pointers;
  int count = 0;
};

// The --stats line; false when it could not be written.
bool print_stats(const pelmora::Form1Window& window, double seconds) {
  const auto rate = [seconds](long count) { return seconds > 0 ? count / seconds : 0.0; };
  const double first_shown =
      window.first_chart_shown() > 0 ? window.first_chart_shown() - pelmora::process_start_since_boot() : 0;
  const int written =
      std::fprintf(stderr,
                   "pelmora: %ld timer ticks and %ld redraw passes in %.1f s (%.1f ticks, %.1f passes per second); "
                   "first chart shown %.0f ms after start\n",
                   window.ticks_handled(), window.redraw_passes(), seconds, rate(window.ticks_handled()),
                   rate(window.redraw_passes()), first_shown * 1000);
  return written > 0 && std::fflush(stderr) == 0;
}

// Writes the help or the version to standard output: the exit status.
int print_text(const std::string& text, const char* what) {
  int error = 0;
  if (pelmora::standard_descriptor_was_closed(1)) {
    error = EBADF;
  } else if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    error = errno != 0 ? errno : EIO;
  }
  if (error == 0) return 0;
  std::fprintf(stderr, "pelmora: cannot write the %s to standard output: %s\n", what,
               pelmora::system_reason(error).c_str());
  return pelmora::kExitFailed;
}

// Qt's painter sizes the span table of a paint's clip by the region's
// height times its rectangles: some 6 MB a frame at scale 3. glibc's
// adaptive threshold moves such a block into the heap after the first
// frame, where it stays resident; a fixed threshold gives it back to the
// system after each frame (measured: 5 MB less at scale 3, no more CPU).
void give_back_large_blocks() {
#if defined(__GLIBC__)
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

// The window's run, from the toolkit's start to the window's end: the exit
// status.
int run_window(const pelmora::Options& options, char* program) {
  using namespace pelmora;
  if (const auto problem = display_problem(options)) {
    say_no_window(*problem);
    return kExitFailed;
  }
  // A closed pipe on standard error (the --stats line) shows as a failed
  // write, not as the end of the program.
  std::signal(SIGPIPE, SIG_IGN);
  ToolkitArguments toolkit(program, options.toolkit_arguments);
  start_toolkit_quietly();
  QApplication application(toolkit.count, toolkit.pointers.data());
  toolkit_started();
  load_translations();
  take_desktop_identity();
  // From here on a signal ends the program the ordinary way, also one that
  // arrives while the window is still loading.
  Form1Window* running_window = nullptr;
  end_on_signals([&running_window] {
    if (running_window != nullptr) running_window->end_now();
  });
  // The options override the settings for this run, and leave them as
  // they are.
  Settings settings(Settings::default_file(), options.reset_settings);
  ChosenClock clock(options.at);
  Form1Window window(clock);
  // The sky and the place: the options' for this run, else the settings',
  // else the design at the time zone's place.
  SkyControls sky_controls(
      window, options.sky ? *options.sky == SkyMode::true_sky : settings.true_sky(),
      options.place ? *options.place
                    : settings.place().value_or(sky::zone_place(sky::system_zone_name(), sky::system_zone_rows())),
      [&settings](bool true_sky) { settings.set_true_sky(true_sky); },
      [&settings](const sky::Place& place) { settings.set_place(place); });
  TimeControls time_controls(window, clock);
  ColourControls colours(window, options.colours.value_or(settings.colours()),
                         [&settings](ColourScheme scheme) { settings.set_colours(scheme); });
  window.actions()->add_menu_section(
      {colours.menu()->menuAction(), sky_controls.menu()->menuAction(),
       add_preferences_action(window, settings,
                              {.colours = [&colours] { return colours.scheme(); },
                               .choose_colours = [&colours](ColourScheme scheme) { colours.choose(scheme); }})});
  window.actions()->commands().about_note = [&sky_controls, clock = window.actions()->commands().about_note] {
    const QString note = clock ? clock() : QString();
    return note.isEmpty() ? sky_controls.description() : note + QLatin1Char(' ') + sky_controls.description();
  };
  window.actions()->commands().true_sky = [&sky_controls] { return sky_controls.true_sky(); };
  window.actions()->commands().place = [&sky_controls] { return sky_controls.place(); };
  window.actions()->commands().picture_folder = [&settings] { return settings.picture_folder(); };
  window.actions()->commands().picture_saved_in = [&settings](const QString& folder) {
    settings.set_picture_folder(folder);
  };
  running_window = &window;
  WindowWatch watch([&window] { return window.testAttribute(Qt::WA_WState_Created) ? window.winId() : 0; },
                    [&window] { window.end_failed("the window was destroyed from outside the program"); });
  application.installNativeEventFilter(&watch);
  const double started = seconds_since_boot();
  window.load();
  const StartMode start_mode = settings.start_mode();
  const bool clock_mode = options.clock_mode || start_mode == StartMode::clock_mode ||
                          (start_mode == StartMode::as_last_time && settings.last_in_clock_mode());
  if (clock_mode && !window.ended()) window.press_clock_mode();
  // From here on the user's switches are kept, for "as last time".
  QObject::connect(window.clock_mode_button(), &QPushButton::clicked, &window, [&window, &settings] {
    settings.set_last_in_clock_mode(!is_true(window.form().state().simulation_mode));
  });
  int status = window.exit_status();
  if (!window.ended()) {
    const auto place = settings.window_place();
    if (!place || !restore_place(window, *place)) window.size_for_screen();
    PlaceKeeper keeper(window, settings, options.full_screen);
    if (options.full_screen) {
      window.showFullScreen();
    } else {
      window.show();
    }
    status = window.run();
    keeper.keep();
  }
  if (options.stats && !print_stats(window, seconds_since_boot() - started)) {
    const int error = errno != 0 ? errno : EIO;
    std::clearerr(stderr);
    std::fprintf(stderr, "pelmora: cannot write the figures of --stats: %s\n", system_reason(error).c_str());
    return status != 0 ? status : kExitFailed;
  }
  return status;
}

int run(int argc, char** argv) {
  using namespace pelmora;
  give_back_large_blocks();
  // No file the program opens may take the place of a closed standard
  // descriptor (a picture written into what a script reads as its output).
  open_closed_standard_descriptors();
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  auto parsed = parse_options(arguments);
  if (const auto* message = std::get_if<std::string>(&parsed)) {
    std::fprintf(stderr, "pelmora: %s\n", message->c_str());
    return kExitBadInput;
  }
  const Options& options = std::get<Options>(parsed);
  if (options.help) return print_text(usage_text(), "help");
  if (options.version) return print_text(std::string("pelmora ") + kVersion + "\n", "version");
  if (options.headless()) return run_headless(options, argv[0]);
  return run_window(options, argv[0]);
}

}  // namespace

int main(int argc, char** argv) {
  // Whatever escapes the handlers' boundary ends the program with one line.
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("pelmora: out of memory\n", stderr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "pelmora: internal error: %s\n", error.what());
  } catch (...) {
    std::fputs("pelmora: internal error\n", stderr);
  }
  return pelmora::kExitFailed;
}
