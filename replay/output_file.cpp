// Written by hand rather than with QSaveFile: its temporary is the file's
// own name and six more characters, so a name near the system's limit could
// not be saved, and a trace is written line by line through stdio.
#include "replay/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "command_line/values.h"

namespace pelmora {

namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string problem(const std::string& what, const std::string& given, const std::string& reason) {
  return "cannot write the " + what + " to " + quoted_argument(given) + ": " + reason;
}

// The real folder of a path, links followed; empty when it does not exist.
std::string real_folder(const std::string& path) {
  char real[PATH_MAX];
  return realpath(folder_of(path).c_str(), real) != nullptr ? std::string(real) : std::string();
}

// New files get the permissions the user's umask leaves of rw-rw-rw-.
mode_t new_file_mode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string system_reason(int error_number) { return std::strerror(error_number); }

std::string write_problem(const OutputTarget& target, const std::string& reason) {
  return problem(target.what, target.given, reason);
}

std::variant<OutputTarget, std::string> check_output(const std::string& given, const char* what, bool may_be_stream) {
  OutputTarget target;
  target.what = what;
  target.given = given;
  if (given == "-") {
    target.kind = OutputTarget::Kind::standard_output;
    return target;
  }
  if (given.empty() || given.back() == '/') return problem(what, given, "that names a folder, not a file");

  struct stat info {};
  if (stat(given.c_str(), &info) == 0) {
    // It exists (a link is followed to what it names).
    if (S_ISDIR(info.st_mode)) return problem(what, given, "it is a folder");
    char real[PATH_MAX];
    if (realpath(given.c_str(), real) == nullptr) return problem(what, given, system_reason(errno));
    target.resolved = real;
    if (!S_ISREG(info.st_mode)) {
      if (!may_be_stream || !(S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)))
        return problem(what, given, "it is not a regular file");
      target.kind = OutputTarget::Kind::stream;
      if (access(real, W_OK) != 0) return problem(what, given, system_reason(errno));
      return target;
    }
    if (access(real, W_OK) != 0 || (info.st_mode & 0222) == 0) return problem(what, given, "the file is read-only");
  } else if (errno != ENOENT) {
    return problem(what, given, system_reason(errno));
  } else {
    struct stat link {};
    if (lstat(given.c_str(), &link) == 0) return problem(what, given, "it is a link to nothing");
    const std::string folder = real_folder(given);
    if (folder.empty()) return problem(what, given, "its folder does not exist");
    target.resolved = (folder == "/" ? "" : folder) + "/" + name_of(given);
  }
  // A new file or a replaced one: its temporary is made in the same folder.
  const std::string folder = folder_of(target.resolved);
  if (access(folder.c_str(), W_OK | X_OK) != 0)
    return problem(what, given, "its folder is not writable (" + system_reason(errno) + ")");
  target.kind = OutputTarget::Kind::file;
  return target;
}

OutputFile::OutputFile(const OutputTarget& target, std::FILE* stream, std::string temporary, mode_t mode)
    : target_(target), stream_(stream), temporary_(std::move(temporary)), mode_(mode) {}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : target_(std::move(other.target_)),
      stream_(std::exchange(other.stream_, nullptr)),
      temporary_(std::move(other.temporary_)),
      mode_(other.mode_) {
  other.temporary_.clear();
}

OutputFile::~OutputFile() { discard(); }

std::variant<OutputFile, std::string> OutputFile::open(const OutputTarget& target) {
  switch (target.kind) {
    case OutputTarget::Kind::standard_output:
      return OutputFile(target, stdout, "", 0);
    case OutputTarget::Kind::stream: {
      std::FILE* stream = std::fopen(target.resolved.c_str(), "w");
      if (stream == nullptr) return write_problem(target, system_reason(errno));
      return OutputFile(target, stream, "", 0);
    }
    case OutputTarget::Kind::file:
      break;
  }
  // A short name, hidden, in the target's folder: the rename that puts it
  // in place is then atomic, and any file name the system allows works.
  std::string temporary = folder_of(target.resolved) + "/.pelmora-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return write_problem(target, system_reason(errno));
  struct stat old {};
  const mode_t mode = stat(target.resolved.c_str(), &old) == 0 ? (old.st_mode & 07777) : new_file_mode();
  std::FILE* stream = fdopen(fd, "w");
  if (stream == nullptr) {
    const int error = errno;
    close(fd);
    unlink(temporary.c_str());
    return write_problem(target, system_reason(error));
  }
  return OutputFile(target, stream, temporary, mode);
}

std::optional<std::string> OutputFile::commit() {
  const auto failed = [&](int error) -> std::optional<std::string> {
    discard();
    return write_problem(target_, system_reason(error));
  };
  if (stream_ == nullptr) return std::nullopt;
  if (std::fflush(stream_) != 0 || std::ferror(stream_)) return failed(errno != 0 ? errno : EIO);
  if (target_.kind == OutputTarget::Kind::standard_output) return std::nullopt;
  if (temporary_.empty()) {  // a stream: closing it is all
    const int closed = std::fclose(std::exchange(stream_, nullptr));
    return closed == 0 ? std::nullopt : failed(errno);
  }
  const int fd = fileno(stream_);
  if (fchmod(fd, mode_) != 0 || fsync(fd) != 0) return failed(errno);
  if (std::fclose(std::exchange(stream_, nullptr)) != 0) return failed(errno);
  if (std::rename(temporary_.c_str(), target_.resolved.c_str()) != 0) return failed(errno);
  temporary_.clear();
  return std::nullopt;
}

void OutputFile::discard() {
  if (stream_ != nullptr && stream_ != stdout) std::fclose(stream_);
  stream_ = nullptr;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace pelmora
