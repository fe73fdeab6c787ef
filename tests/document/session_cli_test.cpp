// rovan-cli session as a black box: write/info round trips for every order, checked
// against the file's own history (undoing it must give the solved cube), and refusals.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/SessionCube.h"
#include "model/MoveNotation.h"
#include "model/viewmath/ViewMath.h"
#include "tests/fixtures/CliRunner.h"

namespace {

namespace fs = std::filesystem;

using cli_test::CliRun;

CliRun RunCli(const std::vector<std::string>& args) { return cli_test::RunCliArgs(args, cli_test::kMergeErrors); }

class SessionCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("session_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  void WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  fs::path dir_;
};

std::string Field(const std::string& out, const std::string& name) {
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line))
    if (line.rfind(name + ": ", 0) == 0) return line.substr(name.size() + 2);
  return "<missing " + name + ">";
}

TEST_F(SessionCli, WriteThenInfoRoundTripsEveryOrder) {
  // Face turns and an inner-slice turn where the order has one: all of them recorded.
  const std::vector<std::string> tokens = {"R", "U'", "F2", "NR", "L", "D", "B'"};
  for (int order = 2; order <= 7; ++order) {
    SCOPED_TRACE(order);
    const std::string file = PathOf("cube" + std::to_string(order) + ".rvs");
    std::vector<std::string> args = {"session", "write", file, std::to_string(order)};
    args.insert(args.end(), tokens.begin(), tokens.end());
    const CliRun written = RunCli(args);
    ASSERT_EQ(written.status, 0) << written.out;

    // The file on its own: its history undone gives back the solved cube.
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(session::ReadFileBytes(file, bytes));
    session::SessionData data;
    ASSERT_EQ(session::ParseSession(bytes, data), session::ParseResult::Loaded);
    EXPECT_EQ(bytes.size(), 132u + 60u * order * order * order + 12u * data.history.size());
    EXPECT_EQ(data.zoom, viewmath::ShowViewPreset(order, true).zoom);
    EXPECT_EQ(data.trackball, session::CameraState{}.trackball);
    EXPECT_EQ(data.moveCounter, 0);
    model::WCube cube;
    session::CameraState camera;
    session::RestoreSession(data, cube, camera);
    const std::string facelets = cube.ExportColours();
    const std::string stickers = cube.ExportStickerTurns();
    EXPECT_GT(cube.MoveCount(), 0);
    const int moves = cube.MoveCount();
    while (cube.MoveCount() > 0) cube.UndoLast();
    model::WCube solved;
    solved.Init(order);
    EXPECT_EQ(cube.ExportColours(), solved.ExportColours());
    EXPECT_NE(facelets, solved.ExportColours());

    const CliRun info = RunCli({"session", "info", file});
    ASSERT_EQ(info.status, 0) << info.out;
    EXPECT_EQ(Field(info.out, "order"), std::to_string(order));
    EXPECT_EQ(Field(info.out, "moves"), std::to_string(moves));
    EXPECT_EQ(std::stof(Field(info.out, "zoom")), data.zoom);
    EXPECT_EQ(Field(info.out, "facelets"), facelets);
    EXPECT_EQ(Field(info.out, "stickers"), stickers);
    // The same tokens through rovan-cli apply give the same cube.
    std::vector<std::string> apply = {"apply", std::to_string(order)};
    apply.insert(apply.end(), tokens.begin(), tokens.end());
    const CliRun applied = RunCli(apply);
    EXPECT_EQ(Field(applied.out, "facelets"), facelets);
    EXPECT_EQ(Field(applied.out, "moves"), std::to_string(moves));
  }
}

TEST_F(SessionCli, SolvedCubeWithoutTokensHasNoHistory) {
  const std::string file = PathOf("solved.rvs");
  ASSERT_EQ(RunCli({"session", "write", file, "3"}).status, 0);
  EXPECT_EQ(fs::file_size(file), 1752u);
  const CliRun info = RunCli({"session", "info", file});
  EXPECT_EQ(Field(info.out, "moves"), "0");
  EXPECT_EQ(Field(info.out, "facelets"), "000000000111111111222222222333333333444444444555555555");
}

TEST_F(SessionCli, RefusedFilesAndArgumentsExitWithAMessage) {
  model::WCube cube;
  model::ApplySequence(cube, "R U", 0, 1, 0);
  const auto good = session::WriteSession(session::CaptureSession(cube, {}));
  auto truncated = good;
  truncated.resize(good.size() - 5);
  auto version3 = good;
  version3[50] = 3;
  auto badHeader = good;
  badHeader[0] = 'x';
  auto badOrder = good;
  badOrder[124] = 9;
  WriteBytes("truncated.rvs", truncated);
  WriteBytes("version3.rvs", version3);
  WriteBytes("header.rvs", badHeader);
  WriteBytes("order9.rvs", badOrder);
  WriteBytes("empty.rvs", {});

  struct Row {
    std::vector<std::string> args;
    int status;
    std::string message;
  };
  const Row rows[] = {
      {{"session", "info", PathOf("truncated.rvs")}, 2, "Unexpected file format."},
      {{"session", "info", PathOf("version3.rvs")}, 2, "Unexpected file format."},
      {{"session", "info", PathOf("header.rvs")}, 2, "Unexpected file format."},
      {{"session", "info", PathOf("order9.rvs")}, 2, "Unexpected file format."},
      {{"session", "info", PathOf("empty.rvs")}, 2, "empty"},
      {{"session", "info", PathOf("missing.rvs")}, 2, "cannot read"},
      {{"session", "info"}, 2, "FILE"},
      {{"session", "write", PathOf("w.rvs"), "8"}, 2, "ORDER"},
      {{"session", "write", PathOf("w.rvs")}, 2, "ORDER"},
      {{"session", "write", PathOf("no/such/dir/w.rvs"), "3", "R"}, 1, "cannot write"},
      {{"session", "erase", PathOf("w.rvs")}, 2, "unknown session action"},
      {{"session"}, 2, "info"},
  };
  for (const Row& row : rows) {
    const CliRun run = RunCli(row.args);
    EXPECT_EQ(run.status, row.status) << row.args.back() << ": " << run.out;
    EXPECT_NE(run.out.find(row.message), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("facelets:"), std::string::npos) << run.out;
  }
  EXPECT_FALSE(fs::exists(PathOf("w.rvs")));
}

// Paths that are no readable regular file get the refusal, never a crash and
// never a wait: a folder, a FIFO without a writer, endless and unreadable files.
TEST_F(SessionCli, SpecialFilesAreRefusedAtOnce) {
  const std::string fifo = PathOf("fifo.rvs");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string paths[] = {dir_.string(), fifo, "/dev/zero", "/proc/self/mem"};
  for (const std::string& path : paths) {
    const CliRun run = cli_test::RunCliArgsWithin(20, {"session", "info", path}, cli_test::kMergeErrors);
    EXPECT_EQ(run.status, 2) << path << ": " << run.out;
    EXPECT_NE(run.out.find("cannot read the file"), std::string::npos) << run.out;
  }
}

// Saving through a symbolic link writes the file it names, which keeps its mode.
TEST_F(SessionCli, WriteThroughALinkKeepsLinkAndMode) {
  const std::string target = PathOf("kept.rvs");
  ASSERT_EQ(RunCli({"session", "write", target, "2"}).status, 0);
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  fs::create_symlink("kept.rvs", PathOf("link.rvs"));
  ASSERT_EQ(RunCli({"session", "write", PathOf("link.rvs"), "5", "R"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(PathOf("link.rvs")));
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
  EXPECT_EQ(Field(RunCli({"session", "info", target}).out, "order"), "5");
  // Over a FIFO nothing is written and the FIFO stays.
  const std::string fifo = PathOf("fifo.rvs");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const CliRun run = cli_test::RunCliArgsWithin(20, {"session", "write", fifo, "3"}, cli_test::kMergeErrors);
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

}  // namespace
