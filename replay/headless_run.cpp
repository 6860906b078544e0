#include "replay/headless_run.h"

#include <unistd.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "command_line/values.h"
#include "guide/positions.h"
#include "render/canvas_image.h"
#include "render/font_text_renderer.h"
#include "render/picture_format.h"
#include "render/printed_page.h"
#include "render/rescalable_canvas.h"
#include "render/vector_picture.h"
#include "replay/interruption.h"
#include "replay/output_file.h"
#include "replay/replay.h"
#include "replay/toolkit_failure.h"
#include "replay/true_sky_places.h"

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
// (its messages and the font library's are not the run's own lines), and
// with a private runtime folder when the session has none, so that it
// creates none of its own; the folder is gone again once it has started.
class QuietToolkit {
 public:
  explicit QuietToolkit(char* program) : argv_{program, nullptr} {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(drop_message);
    quiet_font_library();
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
      const char* base = std::getenv("TMPDIR");
      runtime_ = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/pelmora-runtime-XXXXXX";
      if (mkdtemp(runtime_.data()) != nullptr) {
        remove_on_fatal_signals(runtime_);
        qputenv("XDG_RUNTIME_DIR", runtime_.c_str());
      } else {
        runtime_.clear();
      }
    }
    application_.emplace(argc_, argv_);
    // The toolkit looked at the folder as it started and keeps no file in
    // it: removed now, nothing is left of it even after SIGKILL.
    remove_runtime_folder();
  }
  ~QuietToolkit() {
    application_.reset();
    remove_runtime_folder();
  }
  QuietToolkit(const QuietToolkit&) = delete;
  QuietToolkit& operator=(const QuietToolkit&) = delete;

 private:
  static void drop_message(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) end_on_toolkit_failure("the toolkit failed: " + first_line(message));
  }
  // The font library warns on standard error of a locale that is not a
  // language it knows (LC_ALL=bogus) and then takes English; told English
  // at once when the C library does not know the locale either, it says
  // nothing and draws the same.
  static void quiet_font_library() {
    if (!qEnvironmentVariableIsEmpty("FC_LANG")) return;
    const std::string previous = std::setlocale(LC_CTYPE, nullptr);
    if (std::setlocale(LC_CTYPE, "") == nullptr) {
      qputenv("FC_LANG", "en");
    } else {
      std::setlocale(LC_CTYPE, previous.c_str());
    }
  }
  void remove_runtime_folder() {
    if (runtime_.empty()) return;
    rmdir(runtime_.c_str());
    forget_folder_to_remove();
    runtime_.clear();
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

std::optional<QByteArray> vector_of(PictureFormat format, RescalableCanvas& canvas, TextRenderer& text_renderer,
                                    double scale, ColourScheme scheme) {
  VectorFigures figures = visible_figures(canvas.record(), text_renderer);
  figures.scheme = scheme;
  return format == PictureFormat::svg ? svg_of(figures, scale) : pdf_of(figures, scale);
}

const char* format_name(PictureFormat format) {
  return format == PictureFormat::png ? "PNG" : format == PictureFormat::svg ? "SVG" : "PDF";
}

// Whether two outputs would write into one file (a character device, such
// as a terminal, takes both).
bool same_file(const OutputTarget& a, const OutputTarget& b) {
  if (a.identity && b.identity) return *a.identity == *b.identity && !(a.device && b.device);
  return !a.identity && !b.identity && a.kind == OutputTarget::Kind::file && a.resolved == b.resolved;
}

// The place of the true sky: the one asked for, or the computer's zone's.
sky::Place true_sky_place(const Options& options) {
  return options.place.value_or(sky::zone_place(sky::system_zone_name(), sky::system_zone_rows()));
}

// One headless run: its outputs checked, the script run, the snapshot
// written and both outputs committed, in that order.
class HeadlessRun {
 public:
  HeadlessRun(const Options& options, char* program) : options_(options), program_(program) {}

  // The command line's run as a whole: the exit status.
  int run() {
    if (const auto problem = check()) return fail(kExitBadInput, *problem);
    // From here on a signal stops the run after the handler in hand.
    note_interruptions();
    if (auto status = play()) return *status;
    if (auto status = write()) return *status;
    return commit();
  }

 private:
  // What is wrong with the script or the outputs, before anything runs.
  std::optional<std::string> check() {
    start_ = options_.at.value_or(local_now());
    script_ = options_.script.value_or(std::vector<ScriptEvent>{});
    if (options_.clock_mode) script_.insert(script_.begin(), ScriptEvent{.kind = ScriptEvent::Kind::click_clock_mode});
    if (!script_fits(start_, script_)) return "the script runs the clock past 9999-12-31";
    if (options_.trace_file) {
      auto checked = check_output(*options_.trace_file, "trace", true);
      if (auto* problem = std::get_if<std::string>(&checked)) return *problem;
      trace_target_ = std::get<OutputTarget>(checked);
    }
    if (options_.snapshot_file) {
      if (*options_.snapshot_file != "-" && !picture_format_of(*options_.snapshot_file))
        return "the snapshot " + quoted_argument(*options_.snapshot_file) + " must end in .png, .svg or .pdf";
      format_ = picture_format_of(*options_.snapshot_file).value_or(PictureFormat::png);
      if (format_ == PictureFormat::png && options_.colours == ColourScheme::print)
        return "--colours print is for paper: the snapshot " + quoted_argument(*options_.snapshot_file) +
               " must end in .pdf (the printed page) or .svg";
      if (format_ == PictureFormat::pdf && options_.colours == ColourScheme::print && options_.scale != 1)
        return "--scale has no meaning for the printed page (--colours print with a .pdf): it fills its paper";
      auto checked = check_output(*options_.snapshot_file, "snapshot", false);
      if (auto* problem = std::get_if<std::string>(&checked)) return *problem;
      snapshot_target_ = std::get<OutputTarget>(checked);
    }
    if (options_.positions_file) {
      auto checked = check_output(*options_.positions_file, "positions", true);
      if (auto* problem = std::get_if<std::string>(&checked)) return *problem;
      positions_target_ = std::get<OutputTarget>(checked);
    }
    const std::pair<const std::optional<OutputTarget>*, const char*> outputs[] = {
        {&trace_target_, "trace"}, {&snapshot_target_, "snapshot"}, {&positions_target_, "positions"}};
    for (std::size_t i = 0; i < std::size(outputs); ++i)
      for (std::size_t j = i + 1; j < std::size(outputs); ++j) {
        const auto& a = *outputs[i].first;
        const auto& b = *outputs[j].first;
        if (!a || !b) continue;
        const std::string names = std::string("the ") + outputs[i].second + " and the " + outputs[j].second;
        if (a->given == "-" && b->given == "-") return names + " cannot both go to standard output";
        if (same_file(*a, *b)) return names + " would be the same file, " + quoted_argument(b->given);
      }
    return std::nullopt;
  }

  // Runs the script with the trace written as it goes; the exit status when
  // the run ends here.
  std::optional<int> play() {
    if (trace_target_) {
      auto opened = OutputFile::open(*trace_target_);
      if (interruption() != 0) return interrupted();
      if (auto* problem = std::get_if<std::string>(&opened)) return fail(kExitFailed, *problem);
      trace_file_.emplace(std::move(std::get<OutputFile>(opened)));
      writer_.emplace(trace_file_->stream());
    }
    // Text needs the toolkit's fonts; no display is used.
    if (snapshot_target_) {
      toolkit_.emplace(program_);
      text_renderer_.emplace();
      // A drawing is made from the record of the figures.
      if (format_ == PictureFormat::png) {
        canvas_.emplace(&*text_renderer_, options_.scale);
        canvas_->show_colours_as(options_.colours.value_or(ColourScheme::classic));
      } else {
        recorded_.emplace(&*text_renderer_);
      }
    }
    PixelCanvas* canvas = canvas_ ? static_cast<PixelCanvas*>(&*canvas_) : recorded_ ? &*recorded_ : nullptr;
    Picture picture(canvas, writer_ ? &*writer_ : nullptr);
    Replay replay(picture, start_, writer_ ? &*writer_ : nullptr);
    std::optional<RoomSky> room;
    if (options_.sky == SkyMode::true_sky) {
      room.emplace(true_sky_place(options_));
      replay.form().set_true_sky(&*room);
    }
    // A stream is read as it comes: handed over after each handler. A file
    // is written a buffer at a time; a failure still shows within a
    // buffer's worth of lines.
    const bool live = trace_target_ && trace_target_->kind != OutputTarget::Kind::file;
    replay.stop_when([this, live] {
      if (live) writer_->flush();
      return interruption() != 0 || (writer_ && writer_->error() != 0);
    });
    status_ = replay.run(script_, stderr);
    // The printed page's legend: the chart's moment and the place.
    legend_ = {.moment = chart_moment(replay.form().state())
                             .value_or(QDateTime(QDate(start_.year, start_.month, start_.day),
                                                 QTime::fromMSecsSinceStartOfDay(int(start_.milliseconds)))),
               .true_sky = room.has_value(),
               .place = true_sky_place(options_)};
    if (positions_target_ && status_ == 0) {
      // The design's own angles, or the true sky of the last pass (of the
      // clock's moment when none was drawn).
      const FormState& st = replay.form().state();
      positions_ = room ? positions_table(true_positions(
                              room->sky_at(room->last_moment().value_or(replay.clock().moment())), st.level.value()))
                        : positions_table(design_positions(st));
    }
    if (writer_) writer_->flush();
    if (interruption() != 0) return interrupted();
    if (writer_ && writer_->error() != 0)
      return output_failed(*trace_target_, writer_->error(),
                           write_problem(*trace_target_, system_reason(writer_->error())));
    return std::nullopt;
  }

  // Writes the snapshot and the positions of a run that ended well; the
  // exit status when they could not be.
  std::optional<int> write() {
    if (positions_target_ && status_ == 0) {
      auto opened = OutputFile::open(*positions_target_);
      if (auto* problem = std::get_if<std::string>(&opened)) return fail(kExitFailed, *problem);
      positions_file_.emplace(std::move(std::get<OutputFile>(opened)));
      if (std::fwrite(positions_.data(), 1, positions_.size(), positions_file_->stream()) != positions_.size() ||
          std::fflush(positions_file_->stream()) != 0)
        return output_failed(*positions_target_, errno, write_problem(*positions_target_, system_reason(errno)));
    }
    if (!snapshot_target_ || status_ != 0) return std::nullopt;
    const ColourScheme scheme = options_.colours.value_or(ColourScheme::classic);
    // A PDF in the printing palette is the printed page.
    const auto bytes = canvas_ ? png_of(*canvas_)
                       : format_ == PictureFormat::pdf && scheme == ColourScheme::print
                           ? page_pdf_of(visible_figures(recorded_->record(), *text_renderer_), legend_)
                           : vector_of(format_, *recorded_, *text_renderer_, options_.scale, scheme);
    if (!bytes) return fail(kExitFailed, std::string("cannot encode the snapshot as ") + format_name(format_));
    auto opened = OutputFile::open(*snapshot_target_);
    if (auto* problem = std::get_if<std::string>(&opened)) return fail(kExitFailed, *problem);
    snapshot_file_.emplace(std::move(std::get<OutputFile>(opened)));
    const auto size = static_cast<std::size_t>(bytes->size());
    if (std::fwrite(bytes->constData(), 1, size, snapshot_file_->stream()) != size)
      return output_failed(*snapshot_target_, errno, write_problem(*snapshot_target_, system_reason(errno)));
    if (interruption() != 0) return interrupted();
    return std::nullopt;
  }

  // Puts the outputs in place, the snapshot first: if it cannot be, neither
  // is the trace.
  int commit() {
    if (positions_file_)
      if (const auto problem = positions_file_->commit())
        return output_failed(*positions_target_, positions_file_->error(), *problem);
    if (snapshot_file_)
      if (const auto problem = snapshot_file_->commit())
        return output_failed(*snapshot_target_, snapshot_file_->error(), *problem);
    if (trace_file_)
      if (const auto problem = trace_file_->commit())
        return output_failed(*trace_target_, trace_file_->error(), *problem);
    return status_;
  }

  int interrupted() const { return 128 + interruption(); }

  // An output that could not be written, with the message that says so; a
  // reader that went away ends the run quietly.
  static int output_failed(const OutputTarget& target, int error, const std::string& message) {
    if (error == EPIPE && target.kind != OutputTarget::Kind::file) return kExitFailed;
    return fail(kExitFailed, message);
  }

  const Options& options_;
  char* program_;
  LocalMoment start_;
  std::vector<ScriptEvent> script_;
  std::optional<OutputTarget> trace_target_, snapshot_target_, positions_target_;
  std::string positions_;
  PageLegend legend_;
  int status_ = 0;
  // Destroyed in this order's reverse: the canvas before the toolkit.
  std::optional<OutputFile> trace_file_, snapshot_file_, positions_file_;
  std::optional<TraceWriter> writer_;
  std::optional<QuietToolkit> toolkit_;
  std::optional<FontTextRenderer> text_renderer_;
  std::optional<RasterCanvas> canvas_;
  std::optional<RescalableCanvas> recorded_;
  PictureFormat format_ = PictureFormat::png;
};

}  // namespace

int run_headless(const Options& options, char* program) { return HeadlessRun(options, program).run(); }

}  // namespace pelmora
