// The one file reader and writer: only regular files are read, within a limit,
// without ever blocking; writing replaces the file the path names (through
// links), keeps its mode, and never touches anything but a regular file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "fileio/RegularFile.h"
#include "tests/fixtures/TempFolder.h"
#include "tests/fixtures/Watchdog.h"

namespace {

namespace fs = std::filesystem;
using fileio::ReadStatus;
using fileio::WriteStatus;
using test_support::Watchdog;

constexpr std::chrono::seconds kHangLimit{20};

class FileIoTest : public test_support::TempFolderTest {
 protected:
  static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
  static mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
  }
  // Everything in the folder, to see that no temporary file is left.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(FileIoTest, ReadsOnlyRegularFilesWithinTheLimit) {
  const std::string plain = Put("plain.bin", "twelve bytes");
  fs::create_symlink(plain, PathOf("link.bin"));
  const std::string fifo = PathOf("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::string path;
    std::size_t limit;
    ReadStatus status;
  };
  const Case cases[] = {
      {plain, 12, ReadStatus::kRead},
      {PathOf("link.bin"), 100, ReadStatus::kRead},
      {plain, 11, ReadStatus::kTooLarge},
      {PathOf("absent"), 100, ReadStatus::kMissing},
      {PathOf("plain.bin/below"), 100, ReadStatus::kMissing},
      {dir_.string(), 100, ReadStatus::kNotRegular},
      {fifo, 100, ReadStatus::kNotRegular},           // no writer: opening it would block
      {"/dev/zero", 1u << 20, ReadStatus::kNotRegular},  // endless
      {"/proc/self/mem", 1u << 20, ReadStatus::kUnreadable},  // a read error at offset 0
  };
  for (const Case& c : cases) {
    Watchdog watchdog("reading " + c.path, kHangLimit);
    std::vector<std::uint8_t> bytes = {1, 2, 3};
    EXPECT_EQ(fileio::ReadRegularFile(c.path, c.limit, bytes), c.status) << c.path;
    EXPECT_EQ(bytes.empty(), c.status != ReadStatus::kRead) << c.path;
  }
  std::vector<std::uint8_t> bytes;
  ASSERT_EQ(fileio::ReadRegularFile(PathOf("link.bin"), 12, bytes), ReadStatus::kRead);
  EXPECT_EQ(bytes, Bytes("twelve bytes"));
  ASSERT_EQ(fileio::ReadRegularFile(Put("empty", ""), 0, bytes), ReadStatus::kRead);
  EXPECT_TRUE(bytes.empty());
}

TEST_F(FileIoTest, ReplacingKeepsTheModeAndLeavesNoTemporaryFile) {
  for (mode_t mode : {0600, 0640, 0755}) {
    const std::string path = Put("kept.txt", "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_EQ(fileio::ReplaceFile(path, Bytes("new contents")), WriteStatus::kWritten);
    EXPECT_EQ(Contents(path), "new contents");
    EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
  }
  // A new file gets the mode the umask gives.
  const mode_t mask = ::umask(022);
  ::umask(mask);
  ASSERT_EQ(fileio::ReplaceFile(PathOf("new.txt"), Bytes("x")), WriteStatus::kWritten);
  EXPECT_EQ(ModeOf(PathOf("new.txt")), 0666 & ~mask);
  EXPECT_EQ(Names(), (std::vector<std::string>{"kept.txt", "new.txt"}));
}

TEST_F(FileIoTest, WritingThroughALinkReplacesWhatItNames) {
  fs::create_directories(dir_ / "real");
  const std::string target = Put("real/doc.rvs", "old");
  ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
  fs::create_symlink("real/doc.rvs", PathOf("relative-link"));  // resolved from the link's folder
  fs::create_symlink(PathOf("relative-link"), PathOf("link-to-link"));
  ASSERT_EQ(fileio::ReplaceFile(PathOf("link-to-link"), Bytes("through two links")), WriteStatus::kWritten);
  EXPECT_TRUE(fs::is_symlink(PathOf("link-to-link")));
  EXPECT_TRUE(fs::is_symlink(PathOf("relative-link")));
  EXPECT_EQ(Contents(target), "through two links");
  EXPECT_EQ(ModeOf(target), 0604);
  EXPECT_EQ(fileio::ResolveLinks(PathOf("link-to-link")), (dir_ / "real/doc.rvs").string());

  // A link to nothing yet: the file it names is created.
  fs::create_symlink("real/later.rvs", PathOf("dangling"));
  ASSERT_EQ(fileio::ReplaceFile(PathOf("dangling"), Bytes("made")), WriteStatus::kWritten);
  EXPECT_TRUE(fs::is_symlink(PathOf("dangling")));
  EXPECT_EQ(Contents(PathOf("real/later.rvs")), "made");

  // A loop of links is no file: the write fails and leaves the links.
  fs::create_symlink("loop-b", PathOf("loop-a"));
  fs::create_symlink("loop-a", PathOf("loop-b"));
  EXPECT_NE(fileio::ReplaceFile(PathOf("loop-a"), Bytes("x")), WriteStatus::kWritten);
  EXPECT_TRUE(fs::is_symlink(PathOf("loop-a")));
}

TEST_F(FileIoTest, NonRegularTargetsAndRefusedFilesAreLeftAlone) {
  const std::string fifo = PathOf("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directories(dir_ / "folder");
  fs::create_symlink("/dev/null", PathOf("null-link"));
  const std::string keep = Put("keep.txt", "precious");
  fileio::WriteOptions onlyTables;
  onlyTables.mayReplace = [](const std::string&) { return false; };
  struct Case {
    std::string path;
    fileio::WriteOptions options;
    WriteStatus status;
  };
  const Case cases[] = {
      {fifo, {}, WriteStatus::kNotRegular},
      {PathOf("folder"), {}, WriteStatus::kNotRegular},
      {PathOf("null-link"), {}, WriteStatus::kNotRegular},
      {keep, onlyTables, WriteStatus::kRefused},
      {PathOf("missing/file"), {}, WriteStatus::kFailed},
      {PathOf("keep.txt/below"), {true, {}}, WriteStatus::kFailed},
  };
  for (const Case& c : cases) {
    Watchdog watchdog("writing " + c.path, kHangLimit);
    EXPECT_EQ(fileio::ReplaceFile(c.path, Bytes("replacement"), c.options), c.status) << c.path;
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
  EXPECT_TRUE(fs::is_symlink(PathOf("null-link")));
  EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
  EXPECT_EQ(Contents(keep), "precious");
  EXPECT_EQ(Names(), (std::vector<std::string>{"fifo", "folder", "keep.txt", "null-link"}));

  // Asked with the resolved path; a yes replaces, creating folders when wanted.
  std::string asked;
  fileio::WriteOptions recording{true, [&](const std::string& target) {
                                   asked = target;
                                   return true;
                                 }};
  fs::create_symlink("keep.txt", PathOf("keep-link"));
  EXPECT_EQ(fileio::ReplaceFile(PathOf("keep-link"), Bytes("agreed"), recording), WriteStatus::kWritten);
  EXPECT_EQ(asked, PathOf("keep.txt"));
  EXPECT_EQ(Contents(keep), "agreed");
  EXPECT_EQ(fileio::ReplaceFile(PathOf("a/b/c.txt"), Bytes("deep"), recording), WriteStatus::kWritten);
  EXPECT_EQ(Contents(PathOf("a/b/c.txt")), "deep");
}

}  // namespace
