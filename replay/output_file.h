// The program's output files, for the headless run and the window alike:
// checked before anything is written, written so that a failed or
// interrupted write never leaves half a file over an old one nor a
// temporary beside it, and identified by what they are, not their names.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace pelmora {

// A file as the system knows it: its device and inode. Two names for one
// file (a hard link, /dev/stdout, /proc/self/fd/1) have the same identity.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// Where an output goes, as the checks found it.
struct OutputTarget {
  enum class Kind {
    descriptor,  // "-", or a name for one of the program's open descriptors or the file standard output or
                 // error is: written through that descriptor, as it comes (a file there is appended to)
    stream,      // a device or a FIFO given by name: opened and written as it comes
    file,        // a regular file, or none yet: replaced at the end
  };
  Kind kind = Kind::file;
  std::string what;                      // what is written there: "trace", "snapshot", "picture"
  std::string given;                     // the name it was given
  std::string resolved;                  // a stream or file itself, links followed: where it is written
  int descriptor = -1;                   // for Kind::descriptor
  std::optional<FileIdentity> identity;  // what it is, when it exists
  bool device = false;                   // a character device (a terminal, /dev/null)
  // A file that is replaced: what the new one keeps of it.
  bool replaces = false;
  uid_t owner = 0;
  gid_t group = 0;
  mode_t mode = 0;  // its permission bits, without set-user-id, set-group-id and sticky
};

// Checks an output's name before anything is written; the reason it cannot
// be written otherwise, as a message. `what` names the output ("trace");
// only a stream output may be a device or a FIFO given by name.
std::variant<OutputTarget, std::string> check_output(const std::string& given, const char* what, bool may_be_stream);

// An output being written: for a file a temporary without a name in its
// folder (or, where the file system cannot make one, a hidden named one),
// put in its place by commit(); for a stream or descriptor the stream
// itself. A temporary that was not committed leaves nothing behind.
class OutputFile {
 public:
  // Opens the output; the reason when it cannot be.
  static std::variant<OutputFile, std::string> open(const OutputTarget& target);
  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&&) = delete;
  OutputFile(const OutputFile&) = delete;
  ~OutputFile();

  std::FILE* stream() const { return stream_; }
  const OutputTarget& target() const { return target_; }
  // Makes the output final: for a file, written to the disk with the old
  // one's owner, group and permissions and put in its place. The reason
  // when that failed (the old file is then as it was).
  std::optional<std::string> commit();
  // The system's error number of a failed commit.
  int error() const { return error_; }

 private:
  OutputFile(const OutputTarget& target, std::FILE* stream, std::string temporary);
  std::optional<int> put_in_place();
  // Drops a temporary; the old file stays as it was.
  void discard();

  OutputTarget target_;
  std::FILE* stream_ = nullptr;
  std::string temporary_;  // the named temporary's path; empty for one without a name
  int error_ = 0;
};

// Writes a whole output in one go: checks `given`, opens it, lets `write`
// write to the stream (false, with errno set, when it failed) and commits.
// The reason when any step failed, the old file then as it was. For the
// window's pictures, settings and exports.
std::optional<std::string> write_output(const std::string& given, const char* what,
                                        const std::function<bool(std::FILE*)>& write);
// The same for bytes in hand.
std::optional<std::string> write_output_bytes(const std::string& given, const char* what, std::string_view bytes);

// At start: descriptors 0, 1 and 2 that are closed are opened on /dev/null,
// so that no file the program opens takes their place; a closed one is
// remembered, and an output to it is refused.
void open_closed_standard_descriptors();
// Whether descriptor 0, 1 or 2 was closed when the program started.
bool standard_descriptor_was_closed(int descriptor);

// A folder the program made and removes again, also when a signal ends it
// (for the toolkit's runtime folder); at most one.
void remove_on_fatal_signals(const std::string& folder);
void forget_folder_to_remove();

// For tests: temporaries with a name, as on file systems that cannot make
// a file without one.
void use_named_temporaries_only(bool only);

// The system's reason for a failure, as a message ends it.
std::string system_reason(int error_number);
// Why an output cannot be written, as a message: the output, its name and
// the reason.
std::string write_problem(const OutputTarget& target, const std::string& reason);

}  // namespace pelmora
