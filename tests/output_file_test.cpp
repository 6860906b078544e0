// The program's output files: what may be written, checked before anything
// is, how a file is put in place, and what the window's Save picture makes
// of them.
#include "replay/output_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <csignal>

#include <filesystem>
#include <fstream>
#include <functional>

#include "window/picture_file.h"

namespace pelmora {
namespace {

class OutputFileTest : public ::testing::Test {
 protected:
  OutputFileTest() : folder(std::filesystem::temp_directory_path() / ("pelmora-out-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(folder);
  }
  ~OutputFileTest() override {
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(folder);
  }
  std::string path(const std::string& name) const { return (folder / name).string(); }
  void write(const std::string& name, const std::string& text) const { std::ofstream(path(name)) << text; }
  std::string read(const std::string& name) const {
    std::ifstream in(path(name));
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string refusal(const std::string& name, bool may_be_stream = false) const {
    auto checked = check_output(name, "snapshot", may_be_stream);
    return std::holds_alternative<std::string>(checked) ? std::get<std::string>(checked) : "";
  }
  std::filesystem::path folder;
};

TEST_F(OutputFileTest, OnlyARegularFileOrANewOneMayBeReplaced) {
  write("old.png", "old");
  std::filesystem::create_directory(path("dir"));
  std::filesystem::create_symlink(path("old.png"), path("to-old.png"));
  std::filesystem::create_symlink(path("dir"), path("to-dir"));
  std::filesystem::create_symlink("/dev/null", path("to-null"));
  std::filesystem::create_symlink(path("missing"), path("dangling"));
  ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);

  EXPECT_EQ(refusal(path("old.png")), "");
  EXPECT_EQ(refusal(path("new.png")), "");
  EXPECT_EQ(refusal(path("to-old.png")), "");
  EXPECT_EQ(refusal("-"), "");
  const std::pair<std::string, const char*> refused[] = {
      {path("dir"), "it is a folder"},
      {path("to-dir"), "it is a folder"},
      {path("to-null"), "it is not a regular file"},
      {path("fifo"), "it is not a regular file"},
      {path("dangling"), "it is a link to nothing"},
      {path("nodir/x.png"), "its folder does not exist"},
      {path("dir") + "/", "that names a folder"},
  };
  for (const auto& [name, reason] : refused) {
    SCOPED_TRACE(name);
    const std::string message = refusal(name);
    EXPECT_TRUE(message.starts_with("cannot write the snapshot to '")) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
  }
  // A trace may stream to a device or a FIFO.
  EXPECT_EQ(refusal(path("to-null"), true), "");
  EXPECT_EQ(refusal(path("fifo"), true), "");
}

TEST_F(OutputFileTest, ReadOnlyFilesAndFoldersAreRefused) {
  write("locked.png", "old");
  std::filesystem::permissions(path("locked.png"), std::filesystem::perms::owner_read);
  EXPECT_NE(refusal(path("locked.png")).find("the file is read-only"), std::string::npos);
  std::filesystem::create_directory(path("shut"));
  std::filesystem::permissions(path("shut"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (access(path("shut").c_str(), W_OK) != 0) {  // root may write anywhere
    EXPECT_NE(refusal(path("shut/new.png")).find("its folder is not writable"), std::string::npos);
  }
}

TEST_F(OutputFileTest, ALinkedFileIsReplacedAndTheLinkKept) {
  write("real.png", "old");
  std::filesystem::create_symlink(path("real.png"), path("link.png"));
  auto checked = check_output(path("link.png"), "snapshot", false);
  auto opened = OutputFile::open(std::get<OutputTarget>(checked));
  OutputFile& file = std::get<OutputFile>(opened);
  std::fputs("new", file.stream());
  EXPECT_EQ(read("real.png"), "old");  // nothing in place before the commit
  EXPECT_FALSE(file.commit().has_value());
  EXPECT_TRUE(std::filesystem::is_symlink(path("link.png")));
  EXPECT_EQ(read("real.png"), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
}

TEST_F(OutputFileTest, AnUncommittedFileLeavesTheOldOneAndNoTemporary) {
  write("t.trace", "old");
  {
    auto opened = OutputFile::open(std::get<OutputTarget>(check_output(path("t.trace"), "trace", true)));
    std::fputs("half a trace", std::get<OutputFile>(opened).stream());
  }
  EXPECT_EQ(read("t.trace"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(OutputFileTest, NamesUpToTheSystemsLimitAreWritten) {
  const std::string name(255, 'n');
  auto opened = OutputFile::open(std::get<OutputTarget>(check_output(path(name), "snapshot", false)));
  OutputFile& file = std::get<OutputFile>(opened);
  std::fputs("png", file.stream());
  EXPECT_FALSE(file.commit().has_value());
  EXPECT_EQ(read(name), "png");
}

// How a process that ran `work` ended: its exit status or 128 + its signal.
int in_child(const std::function<void()>& work) {
  const pid_t pid = fork();
  if (pid == 0) {
    work();
    _exit(0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

mode_t mode_of(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST_F(OutputFileTest, NewFilesTakeTheUmaskAndReplacedOnesKeepTheirBitsAndOwner) {
  const mode_t mask = umask(022);
  EXPECT_FALSE(write_output_bytes(path("new.trace"), "trace", "new"));
  umask(mask);
  EXPECT_EQ(mode_of(path("new.trace")), 0644u);

  write("kept.png", "old");
  chmod(path("kept.png").c_str(), 0640);
  EXPECT_FALSE(write_output_bytes(path("kept.png"), "picture", "new"));
  EXPECT_EQ(mode_of(path("kept.png")), 0640u);

  // Another user's file, replaced by root: still theirs, without the bits
  // that would run it as them.
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  write("shared.txt", "old");
  ASSERT_EQ(chown(path("shared.txt").c_str(), 12345, 23456), 0);
  ASSERT_EQ(chmod(path("shared.txt").c_str(), 06775), 0);
  EXPECT_FALSE(write_output_bytes(path("shared.txt"), "trace", "new"));
  struct stat info {};
  stat(path("shared.txt").c_str(), &info);
  EXPECT_EQ(info.st_uid, 12345u);
  EXPECT_EQ(info.st_gid, 23456u);
  EXPECT_EQ(info.st_mode & 07777, 0775u);
  EXPECT_EQ(read("shared.txt"), "new");
}

// Whatever ends the program while an output is written, the old file stays
// and nothing named is left beside it: a temporary without a name needs no
// cleaning up, a named one is removed on a signal that can be caught.
TEST_F(OutputFileTest, NoTemporaryOutlivesTheProgram) {
  write("t.trace", "old");
  for (const bool named : {false, true}) {
    for (const int signal : {SIGKILL, SIGUSR1, SIGQUIT, SIGABRT}) {
      if (named && signal == SIGKILL) continue;  // no one can clean up after that
      SCOPED_TRACE(std::to_string(signal) + (named ? " named" : ""));
      const int ended = in_child([&] {
        use_named_temporaries_only(named);
        auto opened = OutputFile::open(std::get<OutputTarget>(check_output(path("t.trace"), "trace", true)));
        std::fputs("half a trace", std::get<OutputFile>(opened).stream());
        raise(signal);
      });
      EXPECT_EQ(ended, 128 + signal);
      EXPECT_EQ(read("t.trace"), "old");
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    }
  }
  use_named_temporaries_only(true);
  EXPECT_FALSE(write_output_bytes(path("t.trace"), "trace", "new"));
  use_named_temporaries_only(false);
  EXPECT_EQ(read("t.trace"), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

// The window's Save picture: the checks of --snapshot, its atomic
// replacement, and the system's reason when the disk is full.
TEST_F(OutputFileTest, SavePictureIsAsSafeAsTheSnapshot) {
  // Noise, so that the PNG is far larger than the limit below.
  QImage picture(200, 100, QImage::Format_RGB32);
  std::uint32_t noise = 1;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, (noise = noise * 1664525u + 1013904223u) >> 8);
  write("sky.png", "old picture");
  std::filesystem::create_symlink("/dev/null", path("to-null.png"));
  ASSERT_EQ(mkfifo(path("fifo.png").c_str(), 0600), 0);
  std::filesystem::create_directory(path("dir.png"));
  for (const char* name : {"to-null.png", "fifo.png", "dir.png"}) {
    SCOPED_TRACE(name);
    const auto problem = save_picture_as(picture, QString::fromStdString(path(name)));
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(QStringLiteral("not a regular file")) ||
                problem->contains(QStringLiteral("it is a folder")))
        << problem->toStdString();
  }
  EXPECT_TRUE(std::filesystem::is_symlink(path("to-null.png")));
  EXPECT_TRUE(std::filesystem::is_fifo(path("fifo.png")));

  // A size limit of 4 KiB stands for a full disk.
  const int said_so = in_child([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const auto problem = save_picture_as(picture, QString::fromStdString(path("sky.png")));
    _exit(problem && problem->contains(QStringLiteral("File too large")) ? 0 : 1);
  });
  EXPECT_EQ(said_so, 0);
  EXPECT_TRUE(read("sky.png") == "old picture");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 4);

  EXPECT_FALSE(save_picture_as(picture, QString::fromStdString(path("sky.png"))));
  EXPECT_EQ(QImage(QString::fromStdString(path("sky.png"))), picture);
}

}  // namespace
}  // namespace pelmora
