#include "replay/headless_run.h"

#include <unistd.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "command_line/values.h"
#include "render/canvas_image.h"
#include "render/font_text_renderer.h"
#include "replay/interruption.h"
#include "replay/output_file.h"
#include "replay/replay.h"

namespace pelmora {

namespace {

int fail(int status, const std::string& message) {
  std::fprintf(stderr, "pelmora: %s\n", message.c_str());
  return status;
}

// Writes each operation as a trace line; after a failed write it writes
// nothing more and keeps the reason.
class TraceWriter : public OperationLog {
 public:
  explicit TraceWriter(std::FILE* out) : out_(out) {}
  void record(const Operation& op) override {
    if (error_ != 0) return;
    std::string line = trace_line(op);
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), out_) != line.size()) error_ = errno != 0 ? errno : EIO;
  }
  // Hands what is buffered to the system, so that a failure shows now.
  void flush() {
    if (error_ == 0 && std::fflush(out_) != 0) error_ = errno != 0 ? errno : EIO;
  }
  int error() const { return error_; }

 private:
  std::FILE* out_;
  int error_ = 0;
};

// The toolkit for a run that draws text: on no display, saying nothing
// (its messages are not the run's own lines), and with a private runtime
// folder when the session has none, so that it creates none of its own.
class QuietToolkit {
 public:
  explicit QuietToolkit(char* program) : argv_{program, nullptr} {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(drop_message);
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
      const char* base = std::getenv("TMPDIR");
      runtime_ = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/pelmora-runtime-XXXXXX";
      if (mkdtemp(runtime_.data()) != nullptr) {
        qputenv("XDG_RUNTIME_DIR", runtime_.c_str());
      } else {
        runtime_.clear();
      }
    }
    application_.emplace(argc_, argv_);
  }
  ~QuietToolkit() {
    application_.reset();
    if (!runtime_.empty()) rmdir(runtime_.c_str());
  }
  QuietToolkit(const QuietToolkit&) = delete;
  QuietToolkit& operator=(const QuietToolkit&) = delete;

 private:
  static void drop_message(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "pelmora: the toolkit failed: %s\n", qPrintable(message.section('\n', 0, 0)));
    std::fflush(stderr);
    _exit(kExitFailed);
  }

  int argc_ = 1;
  char* argv_[2];
  std::string runtime_;
  std::optional<QGuiApplication> application_;
};

// The picture as PNG bytes.
std::optional<QByteArray> png_of(const RasterCanvas& canvas) {
  const QImage image = rgb32_image(canvas);
  if (image.isNull()) return std::nullopt;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) return std::nullopt;
  return bytes;
}

// The outputs, checked before anything runs; the reason when one of them
// cannot be written.
std::optional<std::string> check_outputs(const Options& options, std::optional<OutputTarget>& trace,
                                         std::optional<OutputTarget>& snapshot) {
  if (options.trace_file) {
    auto checked = check_output(*options.trace_file, "trace", true);
    if (auto* problem = std::get_if<std::string>(&checked)) return *problem;
    trace = std::get<OutputTarget>(checked);
  }
  if (options.snapshot_file) {
    auto checked = check_output(*options.snapshot_file, "snapshot", false);
    if (auto* problem = std::get_if<std::string>(&checked)) return *problem;
    snapshot = std::get<OutputTarget>(checked);
  }
  if (trace && snapshot) {
    if (trace->kind == OutputTarget::Kind::standard_output && snapshot->kind == OutputTarget::Kind::standard_output)
      return std::string("the trace and the snapshot cannot both go to standard output");
    if (trace->kind != OutputTarget::Kind::standard_output && trace->resolved == snapshot->resolved)
      return "the trace and the snapshot would be the same file, " + quoted_argument(snapshot->given);
  }
  return std::nullopt;
}

}  // namespace

int run_headless(const Options& options, char* program) {
  const LocalMoment start = options.at.value_or(local_now());
  std::vector<ScriptEvent> script = options.script.value_or(std::vector<ScriptEvent>{});
  if (options.clock_mode) script.insert(script.begin(), ScriptEvent{.kind = ScriptEvent::Kind::click_clock_mode});
  if (!script_fits(start, script)) return fail(kExitBadInput, "the script runs the clock past 9999-12-31");
  std::optional<OutputTarget> trace_target, snapshot_target;
  if (const auto problem = check_outputs(options, trace_target, snapshot_target)) return fail(kExitBadInput, *problem);

  // From here on a signal stops the run after the handler in hand.
  note_interruptions();
  const auto interrupted = [] { return 128 + interruption(); };

  std::optional<OutputFile> trace_file;
  std::optional<TraceWriter> writer;
  if (trace_target) {
    auto opened = OutputFile::open(*trace_target);
    if (interruption() != 0) return interrupted();
    if (auto* problem = std::get_if<std::string>(&opened)) return fail(kExitFailed, *problem);
    trace_file.emplace(std::move(std::get<OutputFile>(opened)));
    writer.emplace(trace_file->stream());
  }

  // Text needs the toolkit's fonts; no display is used.
  std::optional<QuietToolkit> toolkit;
  std::optional<FontTextRenderer> text_renderer;
  std::optional<RasterCanvas> canvas;
  if (snapshot_target) {
    toolkit.emplace(program);
    text_renderer.emplace();
    canvas.emplace(&*text_renderer, options.scale);
    canvas->show_colours_as(options.colours.value_or(ColourScheme::classic));
  }

  Picture picture(canvas ? &*canvas : nullptr, writer ? &*writer : nullptr);
  Replay replay(picture, start, writer ? &*writer : nullptr);
  // A stream or standard output is read as it comes: handed over after
  // each handler. A file is written a buffer at a time; a failure still
  // shows within a buffer's worth of lines.
  const bool live = trace_target && trace_target->kind != OutputTarget::Kind::file;
  replay.stop_when([&writer, live] {
    if (live) writer->flush();
    return interruption() != 0 || (writer && writer->error() != 0);
  });
  const int status = replay.run(script, stderr);
  if (writer) writer->flush();

  if (interruption() != 0) return interrupted();
  if (writer && writer->error() != 0) {
    // A reader that went away ends the run quietly.
    if (writer->error() == EPIPE && trace_target->kind == OutputTarget::Kind::standard_output) return kExitFailed;
    return fail(kExitFailed, write_problem(*trace_target, system_reason(writer->error())));
  }

  std::optional<OutputFile> snapshot_file;
  if (snapshot_target && status == 0) {
    const auto png = png_of(*canvas);
    if (!png) return fail(kExitFailed, "cannot encode the snapshot as PNG");
    auto opened = OutputFile::open(*snapshot_target);
    if (auto* problem = std::get_if<std::string>(&opened)) return fail(kExitFailed, *problem);
    snapshot_file.emplace(std::move(std::get<OutputFile>(opened)));
    if (std::fwrite(png->constData(), 1, static_cast<std::size_t>(png->size()), snapshot_file->stream()) !=
        static_cast<std::size_t>(png->size())) {
      const int error = errno;
      return fail(kExitFailed, write_problem(*snapshot_target, system_reason(error)));
    }
  }
  if (interruption() != 0) return interrupted();
  // The snapshot first: if it cannot be put in place, neither is the trace.
  if (snapshot_file)
    if (const auto problem = snapshot_file->commit()) return fail(kExitFailed, *problem);
  if (trace_file)
    if (const auto problem = trace_file->commit()) {
      if (trace_target->kind == OutputTarget::Kind::standard_output) return kExitFailed;
      return fail(kExitFailed, *problem);
    }
  return status;
}

}  // namespace pelmora
