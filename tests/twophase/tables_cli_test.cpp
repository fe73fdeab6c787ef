// rovan-cli solve twophase --tables FILE as a black box: the file is used only
// when it is missing or a table file; anything else is refused at once and left
// byte for byte as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "FaceletModel.h"
#include "SharedTables.h"
#include "document/SessionCube.h"
#include "tests/fixtures/CliRunner.h"
#include "tests/fixtures/TempFolder.h"

namespace {

namespace fs = std::filesystem;

class TablesOption : public test_support::TempFolderTest {
 protected:
  static cli_test::CliRun Solve(const std::string& tables) {
    return cli_test::RunCliArgsWithin(60, {"solve", "twophase", "--seconds", "1", "--tables", tables,
                                           twophase_test::kSolvedNet},
                                      cli_test::kMergeErrors);
  }
};

TEST_F(TablesOption, OtherFilesAndSpecialFilesAreRefusedAndKept) {
  const auto session = session::WriteSession(session::CaptureSession(model::WCube(), {}));
  const std::string files[] = {
      Put("notes.txt", "a text typed by hand\n"),
      Put("game.rvs", std::string(session.begin(), session.end())),
      Put("empty", ""),
  };
  for (const std::string& file : files) {
    const std::string before = Contents(file);
    const cli_test::CliRun run = Solve(file);
    EXPECT_EQ(run.status, 2) << file << ": " << run.out;
    EXPECT_NE(run.out.find("not a table file"), std::string::npos) << run.out;
    EXPECT_EQ(Contents(file), before) << file;
  }
  const std::string fifo = PathOf("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/null", PathOf("null-link"));
  for (const std::string& special : {fifo, dir_.string(), PathOf("null-link")}) {
    const cli_test::CliRun run = Solve(special);
    EXPECT_EQ(run.status, 2) << special << ": " << run.out;
    EXPECT_NE(run.out.find("not a regular file"), std::string::npos) << run.out;
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
}

TEST_F(TablesOption, ATableFileUnderAnyNameIsUsed) {
  twophase_test::ReadyTables();  // the table file beside rovan-cli exists from here on
  const std::string copy = PathOf("tables.bin");
  fs::copy_file(twophase_test::TestTableFiles()[0], copy);
  const std::string before = Contents(copy);
  const cli_test::CliRun run = Solve(copy);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Contents(copy), before) << "a valid file is never rewritten";
}

}  // namespace
