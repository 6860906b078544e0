// The headless run's output files: what may be written, checked before the
// run, and how a file is put in place.
#include "replay/output_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace pelmora
