#include "replay/headless_run.h"

#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "command_line/values.h"
#include "render/font_text_renderer.h"
#include "replay/replay.h"

namespace pelmora {

namespace {

constexpr int kBadInput = 2;

int fail(const std::string& message) {
  std::fprintf(stderr, "pelmora: %s\n", message.c_str());
  return kBadInput;
}

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file != stdout) std::fclose(file);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Writes each operation as a trace line.
class TraceWriter : public OperationLog {
 public:
  explicit TraceWriter(std::FILE* out) : out_(out) {}
  void record(const Operation& op) override {
    const std::string line = trace_line(op);
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fputc('\n', out_);
  }

 private:
  std::FILE* out_;
};

// Writes the picture beside its final name first, so that a failed write
// never leaves a partial picture.
bool save_snapshot(const RasterCanvas& canvas, const std::string& temporary, const std::string& path) {
  const QImage image(reinterpret_cast<const uchar*>(canvas.data()), canvas.width(), canvas.height(), canvas.width() * 4,
                     QImage::Format_RGB32);
  if (!image.save(QString::fromStdString(temporary), "PNG")) return false;
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int run_headless(const Options& options, char* program) {
  const LocalMoment start = options.at.value_or(local_now());
  std::vector<ScriptEvent> script = options.script.value_or(std::vector<ScriptEvent>{});
  if (options.clock_mode) script.insert(script.begin(), ScriptEvent{.kind = ScriptEvent::Kind::click_clock_mode});
  if (!script_fits(start, script)) return fail("the script runs the clock past 9999-12-31");

  // Every file is opened before anything runs.
  File trace;
  if (options.trace_file) {
    if (*options.trace_file == "-") {
      trace.reset(stdout);
    } else {
      trace.reset(std::fopen(options.trace_file->c_str(), "w"));
      if (!trace)
        return fail("cannot write the trace to " + quoted_argument(*options.trace_file) + ": " + std::strerror(errno));
    }
  }
  std::string temporary;
  if (options.snapshot_file) {
    temporary = *options.snapshot_file + ".tmp-" + std::to_string(getpid());
    File probe(std::fopen(temporary.c_str(), "wb"));
    if (!probe)
      return fail("cannot write the snapshot to " + quoted_argument(*options.snapshot_file) + ": " +
                  std::strerror(errno));
  }

  // Text needs the toolkit's fonts; no display is used.
  std::optional<QGuiApplication> application;
  std::optional<FontTextRenderer> text_renderer;
  std::optional<RasterCanvas> canvas;
  if (options.snapshot_file) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int application_argc = 1;
    static char* application_argv[] = {program, nullptr};
    application.emplace(application_argc, application_argv);
    text_renderer.emplace();
    canvas.emplace(&*text_renderer);
  }

  std::optional<TraceWriter> writer;
  if (trace) writer.emplace(trace.get());
  Picture picture(canvas ? &*canvas : nullptr, writer ? &*writer : nullptr);
  Replay replay(picture, start, writer ? &*writer : nullptr);
  const int status = replay.run(script, stderr);

  if (trace && (std::fflush(trace.get()) != 0 || std::ferror(trace.get()))) {
    std::remove(temporary.c_str());
    return fail("cannot write the trace to " + quoted_argument(*options.trace_file));
  }
  if (options.snapshot_file) {
    if (status != 0) {
      std::remove(temporary.c_str());
    } else if (!save_snapshot(*canvas, temporary, *options.snapshot_file)) {
      std::remove(temporary.c_str());
      return fail("cannot write the snapshot to " + quoted_argument(*options.snapshot_file));
    }
  }
  return status;
}

}  // namespace pelmora
