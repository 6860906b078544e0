// The headless run's output files: checked before anything runs, written so
// that a failed or interrupted run never leaves half a file over an old one.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <optional>
#include <string>
#include <variant>

namespace pelmora {

// Where an output goes, as the checks found it.
struct OutputTarget {
  enum class Kind {
    standard_output,  // "-"
    stream,           // a device or a FIFO that already exists, written as it comes
    file,             // a regular file, or none yet: replaced at the end
  };
  Kind kind = Kind::file;
  std::string what;      // what is written there: "trace", "snapshot"
  std::string given;     // the name on the command line
  std::string resolved;  // the file itself, links followed: where it is written and what names it
};

// Checks an output's name before the run; the reason it cannot be written
// otherwise, as a message. `what` names the output ("trace"); only a
// stream output may be a device or a FIFO.
std::variant<OutputTarget, std::string> check_output(const std::string& given, const char* what, bool may_be_stream);

// An output being written: for a file a temporary beside it, put in its
// place by commit(); for a stream or standard output the stream itself.
// A temporary that was not committed is removed.
class OutputFile {
 public:
  // Opens the output; the reason when it cannot be.
  static std::variant<OutputFile, std::string> open(const OutputTarget& target);
  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&&) = delete;
  OutputFile(const OutputFile&) = delete;
  ~OutputFile();

  std::FILE* stream() const { return stream_; }
  // Makes the output final: for a file, written to the disk and put in
  // place of the old one. The reason when that failed (the old file is
  // then as it was).
  std::optional<std::string> commit();

 private:
  OutputFile(const OutputTarget& target, std::FILE* stream, std::string temporary, mode_t mode);
  // Drops a temporary; the old file stays as it was.
  void discard();

  OutputTarget target_;
  std::FILE* stream_ = nullptr;
  std::string temporary_;
  mode_t mode_ = 0;
};

// The system's reason for the last failure, as a message ends it.
std::string system_reason(int error_number);
// Why an output cannot be written, as a message: the output, its name and
// the reason.
std::string write_problem(const OutputTarget& target, const std::string& reason);

}  // namespace pelmora
