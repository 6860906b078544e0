// Written by hand rather than with QSaveFile: its temporary carries a name
// from the start (so a signal or a kill can leave it behind), it is the
// file's own name and six more characters (so a name near the system's
// limit could not be saved), it replaces devices and FIFOs that a link
// names, and it gives a replaced file to whoever saves it.
#include "replay/output_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

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

FileIdentity identity_of(const struct stat& info) { return {info.st_dev, info.st_ino}; }

// ---- What is left to remove when a signal ends the program.

// Named temporaries and the runtime folder, in storage a signal handler may
// read: a path is written before its slot is marked used.
constexpr std::size_t kTemporarySlots = 4;
std::array<std::array<char, PATH_MAX>, kTemporarySlots> temporary_paths{};
std::array<volatile std::sig_atomic_t, kTemporarySlots> temporary_used{};
std::array<char, PATH_MAX> folder_path{};
volatile std::sig_atomic_t folder_used = 0;

void remove_what_is_left(int signal) {
  const int saved_errno = errno;
  for (std::size_t i = 0; i < kTemporarySlots; ++i)
    if (temporary_used[i] != 0) unlink(temporary_paths[i].data());
  if (folder_used != 0) rmdir(folder_path.data());
  // The handler was reset: the signal now does what it does by default.
  raise(signal);
  errno = saved_errno;
}

// Signals that end the program by default and that it does not handle
// otherwise: each first removes what is left, then ends it as it would have.
void remove_on_signals() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU,
                           SIGPOLL, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS}) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) != 0) continue;
    if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = remove_what_is_left;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigaction(signal, &action, nullptr);  // a refusal leaves the default, which loses only a temporary
  }
}

bool copy_path(std::array<char, PATH_MAX>& into, const std::string& path) {
  if (path.size() >= into.size()) return false;
  std::memcpy(into.data(), path.c_str(), path.size() + 1);
  return true;
}

void note_temporary(const std::string& path) {
  remove_on_signals();
  for (std::size_t i = 0; i < kTemporarySlots; ++i) {
    if (temporary_used[i] != 0) continue;
    if (copy_path(temporary_paths[i], path)) temporary_used[i] = 1;
    return;
  }
}

void forget_temporary(const std::string& path) {
  for (std::size_t i = 0; i < kTemporarySlots; ++i)
    if (temporary_used[i] != 0 && path == temporary_paths[i].data()) temporary_used[i] = 0;
}

// ---- Temporaries.

// A hidden name in `folder` that is not taken yet, short so that any file
// name the system allows can be saved.
std::string hidden_name(const std::string& folder) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::array<unsigned char, 6> random{};
  if (getrandom(random.data(), random.size(), 0) != static_cast<ssize_t>(random.size()))
    for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<unsigned char>(std::rand());
  std::string name = folder + "/.pelmora-";
  for (const unsigned char byte : random) name += kLetters[byte % (sizeof kLetters - 1)];
  return name;
}

// Gives the open file without a name the name `path`; -1 with errno when
// that failed (EEXIST when the name is taken).
int link_open_file(int fd, const std::string& path) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != ENOENT) return -1;
  // No /proc: the same without it (needs the capability to read anything).
  return linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH);
}

bool named_temporaries_only = false;

// The file systems that cannot make a file without a name say so thus.
bool cannot_make_nameless(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

// ---- Descriptors.

bool all_digits(std::string_view text) {
  return !text.empty() && text.size() < 10 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The descriptor a name stands for: "-", /dev/stdout and its kin,
// /dev/fd/N and /proc/self/fd/N.
std::optional<int> descriptor_named(const std::string& given) {
  if (given == "-" || given == "/dev/stdout") return 1;
  if (given == "/dev/stderr") return 2;
  if (given == "/dev/stdin") return 0;
  const std::string own = "/proc/" + std::to_string(getpid()) + "/fd/";
  for (const std::string& prefix : {std::string("/dev/fd/"), std::string("/proc/self/fd/"), own}) {
    if (given.starts_with(prefix) && all_digits(std::string_view(given).substr(prefix.size())))
      return std::atoi(given.c_str() + prefix.size());
  }
  return std::nullopt;
}

// Standard output or error when it is the regular file `info` describes.
std::optional<int> standard_descriptor_on(const struct stat& info) {
  for (const int fd : {1, 2}) {
    struct stat open {};
    if (fstat(fd, &open) == 0 && S_ISREG(open.st_mode) && identity_of(open) == identity_of(info)) return fd;
  }
  return std::nullopt;
}

std::variant<OutputTarget, std::string> check_descriptor(OutputTarget target, int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return problem(target.what, target.given, system_reason(errno));
  if (S_ISDIR(info.st_mode)) return problem(target.what, target.given, "it is a folder");
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0 && (flags & O_ACCMODE) == O_RDONLY)
    return problem(target.what, target.given, "it is open for reading only");
  target.kind = OutputTarget::Kind::descriptor;
  target.descriptor = fd;
  target.identity = identity_of(info);
  target.device = S_ISCHR(info.st_mode);
  return target;
}

std::array<bool, 3> closed_at_start{};

bool in_my_groups(gid_t group) {
  if (group == getegid()) return true;
  std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
  const int count = getgroups(static_cast<int>(groups.size()), groups.data());
  for (int i = 0; i < count; ++i)
    if (groups[static_cast<std::size_t>(i)] == group) return true;
  return false;
}

// Why replacing the regular file `info` would take it from its owner or
// group, if it would (root can give it back).
std::optional<std::string> ownership_problem(const struct stat& info) {
  if (geteuid() == 0) return std::nullopt;
  if (info.st_uid != geteuid()) return "it belongs to another user, and the new file would be yours";
  if (!in_my_groups(info.st_gid)) return "its group is not one of yours, and the new file would take yours";
  return std::nullopt;
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
  if (const auto fd = descriptor_named(given)) return check_descriptor(target, *fd);
  if (given.empty() || given.back() == '/') return problem(what, given, "that names a folder, not a file");

  struct stat info {};
  if (stat(given.c_str(), &info) == 0) {
    // It exists (a link is followed to what it names).
    if (S_ISDIR(info.st_mode)) return problem(what, given, "it is a folder");
    // Standard output's or error's own file is written through it.
    if (S_ISREG(info.st_mode))
      if (const auto fd = standard_descriptor_on(info)) return check_descriptor(target, *fd);
    char real[PATH_MAX];
    if (realpath(given.c_str(), real) == nullptr) return problem(what, given, system_reason(errno));
    target.resolved = real;
    target.identity = identity_of(info);
    if (!S_ISREG(info.st_mode)) {
      if (!may_be_stream || !(S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)))
        return problem(what, given, "it is not a regular file");
      target.kind = OutputTarget::Kind::stream;
      target.device = S_ISCHR(info.st_mode);
      if (access(real, W_OK) != 0) return problem(what, given, system_reason(errno));
      return target;
    }
    if (access(real, W_OK) != 0 || (info.st_mode & 0222) == 0) return problem(what, given, "the file is read-only");
    if (const auto reason = ownership_problem(info)) return problem(what, given, *reason);
    target.replaces = true;
    target.owner = info.st_uid;
    target.group = info.st_gid;
    target.mode = info.st_mode & 0777;
  } else if (errno != ENOENT) {
    return problem(what, given, system_reason(errno));
  } else {
    struct stat link {};
    if (lstat(given.c_str(), &link) == 0) return problem(what, given, "it is a link to nothing");
    const std::string folder = real_folder(given);
    if (folder.empty()) return problem(what, given, "its folder does not exist");
    target.resolved = (folder == "/" ? "" : folder) + "/" + name_of(given);
    target.mode = new_file_mode();
  }
  // A new file or a replaced one: its temporary is made in the same folder.
  const std::string folder = folder_of(target.resolved);
  if (access(folder.c_str(), W_OK | X_OK) != 0)
    return problem(what, given, "its folder is not writable (" + system_reason(errno) + ")");
  target.kind = OutputTarget::Kind::file;
  return target;
}

OutputFile::OutputFile(const OutputTarget& target, std::FILE* stream, std::string temporary)
    : target_(target), stream_(stream), temporary_(std::move(temporary)) {}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : target_(std::move(other.target_)),
      stream_(std::exchange(other.stream_, nullptr)),
      temporary_(std::exchange(other.temporary_, std::string())),
      error_(other.error_) {}

OutputFile::~OutputFile() { discard(); }

std::variant<OutputFile, std::string> OutputFile::open(const OutputTarget& target) {
  const auto opened = [&target](int fd, std::string temporary) -> std::variant<OutputFile, std::string> {
    std::FILE* stream = fdopen(fd, "w");
    if (stream != nullptr) return OutputFile(target, stream, std::move(temporary));
    const int error = errno;
    close(fd);
    if (!temporary.empty()) {
      unlink(temporary.c_str());
      forget_temporary(temporary);
    }
    return write_problem(target, system_reason(error));
  };
  switch (target.kind) {
    case OutputTarget::Kind::descriptor: {
      if (target.descriptor <= 2 && standard_descriptor_was_closed(target.descriptor))
        return write_problem(target,
                             std::string(target.descriptor == 2 ? "standard error" : "standard output") + " is closed");
      const int fd = fcntl(target.descriptor, F_DUPFD_CLOEXEC, 3);
      if (fd < 0) return write_problem(target, system_reason(errno));
      return opened(fd, "");
    }
    case OutputTarget::Kind::stream: {
      const int fd = ::open(target.resolved.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
      if (fd < 0) return write_problem(target, system_reason(errno));
      return opened(fd, "");
    }
    case OutputTarget::Kind::file:
      break;
  }
  // A file without a name in the target's folder: nothing can be left of it
  // whatever ends the program, and linking it in place is atomic.
  const std::string folder = folder_of(target.resolved);
  if (!named_temporaries_only) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) return opened(fd, "");
    if (!cannot_make_nameless(errno)) return write_problem(target, system_reason(errno));
  }
  // A hidden named one, removed again on every signal that can be caught.
  std::string temporary = folder + "/.pelmora-XXXXXX";
  remove_on_signals();
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return write_problem(target, system_reason(errno));
  note_temporary(temporary);
  return opened(fd, temporary);
}

std::optional<std::string> OutputFile::commit() {
  const auto failed = [&](int error, const std::string& before = "") -> std::optional<std::string> {
    discard();
    error_ = error;
    return write_problem(target_, before.empty() ? system_reason(error) : before + " (" + system_reason(error) + ")");
  };
  if (stream_ == nullptr) return std::nullopt;
  if (std::fflush(stream_) != 0 || std::ferror(stream_)) return failed(errno != 0 ? errno : EIO);
  if (target_.kind != OutputTarget::Kind::file) {  // a stream: closing it is all
    const int closed = std::fclose(std::exchange(stream_, nullptr));
    return closed == 0 ? std::nullopt : failed(errno);
  }
  const int fd = fileno(stream_);
  struct stat now {};
  if (fstat(fd, &now) != 0) return failed(errno);
  if (target_.replaces && (now.st_uid != target_.owner || now.st_gid != target_.group) &&
      fchown(fd, target_.owner, target_.group) != 0)
    return failed(errno, "cannot keep its owner and group");
  if (fchmod(fd, target_.mode) != 0 || fsync(fd) != 0) return failed(errno);
  if (const auto error = put_in_place()) return failed(*error);
  return std::nullopt;
}

std::optional<int> OutputFile::put_in_place() {
  const int fd = fileno(stream_);
  if (temporary_.empty()) {
    // A new file takes its name at once, unless someone made it meanwhile.
    if (!target_.replaces && link_open_file(fd, target_.resolved) == 0) {
      std::fclose(std::exchange(stream_, nullptr));
      return std::nullopt;
    }
    if (!target_.replaces && errno != EEXIST) return errno;
    // Otherwise a hidden name first, then the one atomic rename.
    const std::string folder = folder_of(target_.resolved);
    remove_on_signals();
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = hidden_name(folder);
      if (link_open_file(fd, name) == 0) {
        temporary_ = std::move(name);
        note_temporary(temporary_);
        break;
      }
      if (errno != EEXIST) return errno;
    }
    if (temporary_.empty()) return EEXIST;
  }
  if (std::fclose(std::exchange(stream_, nullptr)) != 0) return errno;
  if (std::rename(temporary_.c_str(), target_.resolved.c_str()) != 0) return errno;
  forget_temporary(std::exchange(temporary_, std::string()));
  // The rename itself on the disk too.
  if (const int folder = ::open(folder_of(target_.resolved).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return std::nullopt;
}

void OutputFile::discard() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!temporary_.empty()) {
    unlink(temporary_.c_str());
    forget_temporary(temporary_);
  }
  temporary_.clear();
}

std::optional<std::string> write_output(const std::string& given, const char* what,
                                        const std::function<bool(std::FILE*)>& write) {
  auto checked = check_output(given, what, false);
  if (auto* problem = std::get_if<std::string>(&checked)) return *problem;
  auto opened = OutputFile::open(std::get<OutputTarget>(checked));
  if (auto* problem = std::get_if<std::string>(&opened)) return *problem;
  OutputFile& file = std::get<OutputFile>(opened);
  errno = 0;
  if (!write(file.stream())) return write_problem(file.target(), system_reason(errno != 0 ? errno : EIO));
  return file.commit();
}

std::optional<std::string> write_output_bytes(const std::string& given, const char* what, std::string_view bytes) {
  return write_output(given, what, [bytes](std::FILE* stream) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  });
}

void open_closed_standard_descriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // The lowest free descriptor is this one.
    const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened == fd) {
      closed_at_start[static_cast<std::size_t>(fd)] = true;
    } else if (opened >= 0) {
      close(opened);
    }
  }
}

bool standard_descriptor_was_closed(int descriptor) {
  return descriptor >= 0 && descriptor <= 2 && closed_at_start[static_cast<std::size_t>(descriptor)];
}

void remove_on_fatal_signals(const std::string& folder) {
  remove_on_signals();
  folder_used = 0;
  if (copy_path(folder_path, folder)) folder_used = 1;
}

void forget_folder_to_remove() { folder_used = 0; }

void use_named_temporaries_only(bool only) { named_temporaries_only = only; }

}  // namespace pelmora
