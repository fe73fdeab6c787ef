#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include "SharedTables.h"
#include "document/SessionCube.h"
#include "tests/fixtures/Watchdog.h"
#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace {

using namespace twophase;
namespace fs = std::filesystem;

class TableFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("rovan_twophase_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  fs::path dir_;
};

bool SameContents(const TwoPhaseTables& x, const TwoPhaseTables& y) {
  return x.udEdgePerm.Entries() == y.udEdgePerm.Entries() && x.slicePerm.Entries() == y.slicePerm.Entries() &&
         x.cornerPerm.Entries() == y.cornerPerm.Entries() && x.pruneA.Bytes() == y.pruneA.Bytes() &&
         x.pruneB.Bytes() == y.pruneB.Bytes() && x.pruneC.Bytes() == y.pruneC.Bytes() &&
         x.pruneD.Bytes() == y.pruneD.Bytes() && x.pruneE.Bytes() == y.pruneE.Bytes();
}

TEST_F(TableFileTest, WrittenThenReadBack) {
  const auto& shared = twophase_test::ReadyTables();
  const std::string path = Path("sub/dir/RVTomsel.pro");
  ASSERT_TRUE(WriteTableFile(path, shared)) << "creates the directory";
  EXPECT_EQ(fs::file_size(path), 5224329u);
  EXPECT_EQ(ExpectedTableFileLength(shared), 5224329u);
  const auto bytes = Bytes(path);
  EXPECT_EQ(std::string(bytes.data() + 1024, 6), std::string("ZQT18\0", 6));

  TwoPhaseTables loaded;
  ASSERT_EQ(ReadTableFile(path, loaded), TableFileStatus::kLoaded);
  EXPECT_TRUE(SameContents(loaded, shared));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "sub/dir"), fs::directory_iterator()), 1)
      << "no temporary file left";
}

TEST_F(TableFileTest, DamagedFilesAreRefused) {
  const auto& shared = twophase_test::ReadyTables();
  const std::string good = Path("good.pro");
  ASSERT_TRUE(WriteTableFile(good, shared));
  const auto bytes = Bytes(good);

  struct Damage {
    const char* what;
    std::string bytes;
    TableFileStatus status;
  };
  auto changed = [&](std::size_t at, char value) {
    auto b = bytes;
    b[at] = value;
    return b;
  };
  const std::string truncated = bytes.substr(0, bytes.size() - 1);
  const std::string longer = bytes + '\0';
  const Damage cases[] = {
      {"truncated by one byte", truncated, TableFileStatus::kWrongLength},
      {"one byte longer", longer, TableFileStatus::kWrongLength},
      {"empty", "", TableFileStatus::kWrongLength},
      {"other magic", changed(1024 + 4, '9'), TableFileStatus::kBadMagic},
      {"a move-table byte", changed(1030 + 7, static_cast<char>(bytes[1030 + 7] ^ 0x40)), TableFileStatus::kBadChecksum},
      {"a pruning byte", changed(bytes.size() - 5, static_cast<char>(bytes[bytes.size() - 5] ^ 0x11)),
       TableFileStatus::kBadChecksum},
      {"no checksum (reserved block zero)", changed(0, 0), TableFileStatus::kBadChecksum},
  };
  TwoPhaseTables target;
  for (const auto& c : cases) {
    const std::string path = Path("damaged.pro");
    Put(path, c.bytes);
    EXPECT_EQ(ReadTableFile(path, target), c.status) << c.what;
  }
  EXPECT_EQ(ReadTableFile(Path("absent.pro"), target), TableFileStatus::kMissing);
}

// A file whose checksum matches but whose entries could index outside the
// tables (written by a faulty program) is refused too.
TEST_F(TableFileTest, EntriesOutOfRangeAreRefused) {
  const auto& shared = twophase_test::ReadyTables();
  const std::string good = Path("good.pro");
  ASSERT_TRUE(WriteTableFile(good, shared));
  struct Fault {
    const char* what;
    void (*apply)(TwoPhaseTables&);
  };
  const Fault faults[] = {
      {"move entry beyond its count", [](TwoPhaseTables& t) { t.slicePerm.Entries()[5] = 24; }},
      {"corner entry beyond its count", [](TwoPhaseTables& t) { t.cornerPerm.Entries().back() = 40320; }},
      {"pruning value 15", [](TwoPhaseTables& t) { t.pruneA.Bytes()[100] |= 0x0F; }},
      {"goal entry not 0", [](TwoPhaseTables& t) { t.pruneD.Bytes().back() = 0x33; }},
      {"a second 0", [](TwoPhaseTables& t) { t.pruneC.Bytes()[0] = 0; }},
  };
  for (const auto& f : faults) {
    TwoPhaseTables t;
    ASSERT_EQ(ReadTableFile(good, t), TableFileStatus::kLoaded);
    f.apply(t);
    const std::string path = Path("faulty.pro");
    ASSERT_TRUE(WriteTableFile(path, t));
    TwoPhaseTables target;
    EXPECT_EQ(ReadTableFile(path, target), TableFileStatus::kBadContents) << f.what;
  }
}

TEST(TableFileCandidates, BesideTheProgramThenTheCache) {
  const char* oldCache = std::getenv("XDG_CACHE_HOME");
  const std::string keep = oldCache ? oldCache : "";
  setenv("XDG_CACHE_HOME", "/tmp/cachehome", 1);
  EXPECT_EQ(TableFileCandidates("/opt/rovan/bin"),
            (std::vector<std::string>{"/opt/rovan/bin/RVTomsel.pro", "/tmp/cachehome/rovan/RVTomsel.pro"}));
  setenv("XDG_CACHE_HOME", "", 1);
  const auto files = TableFileCandidates("/opt/rovan/bin");
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[1], std::string(std::getenv("HOME")) + "/.cache/rovan/RVTomsel.pro");
  if (oldCache) setenv("XDG_CACHE_HOME", keep.c_str(), 1);
  else unsetenv("XDG_CACHE_HOME");
}

}  // namespace

namespace {

// The whole road of a damaged file: refused, rebuilt with progress texts,
// written where it can be, then loaded without building.
TEST_F(TableFileTest, DamagedFileIsRebuiltAndRewritten) {
  const auto& shared = twophase_test::ReadyTables();
  const std::string blocked = Path("a-file") + "/RVTomsel.pro";  // its directory is a file
  Put(Path("a-file"), "x");
  const std::string damaged = Path("RVTomsel.pro");
  ASSERT_TRUE(WriteTableFile(damaged, shared));
  Put(damaged, Bytes(damaged).substr(1));

  std::vector<std::string> progress;
  TwoPhaseTables tables;
  ASSERT_TRUE(LoadOrBuildTables(tables, {blocked, damaged}, [&](const std::string& t) { progress.push_back(t); }));
  EXPECT_TRUE(SameContents(tables, shared));
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.front(), "初始化=>>||");
  EXPECT_EQ(progress[1], "初始化==>>||");
  // Five tables, each bar starting again from one "=".
  EXPECT_EQ(std::count(progress.begin(), progress.end(), "初始化=>>||"), 5);
  EXPECT_EQ(progress.back(), "初始化" + std::string(14, '=') + ">>||") << "table D ends at distance 14";

  EXPECT_EQ(ReadTableFile(damaged, tables), TableFileStatus::kLoaded);
  progress.clear();
  ASSERT_TRUE(LoadOrBuildTables(tables, {blocked, damaged}, [&](const std::string& t) { progress.push_back(t); }));
  EXPECT_TRUE(progress.empty()) << "loaded, not built";
}

TEST_F(TableFileTest, CancelledBuildLeavesNoFile) {
  std::atomic<bool> cancel{true};
  TwoPhaseTables tables;
  EXPECT_FALSE(LoadOrBuildTables(tables, {Path("RVTomsel.pro")}, nullptr, &cancel));
  EXPECT_FALSE(fs::exists(Path("RVTomsel.pro")));
}

}  // namespace

namespace {

// Where the tables may be written: nothing there, a file named as the program
// names its table files, or a file that begins as a table file does. Every other
// file is refused and kept byte for byte; non-regular files are never opened.
TEST_F(TableFileTest, OnlyTableFilesAreReplaced) {
  const auto& shared = twophase_test::ReadyTables();
  ASSERT_TRUE(WriteTableFile(Path("good.pro"), shared));
  const std::string good = Bytes(Path("good.pro"));
  std::string older(1030, '\0');  // another writer's start: zero reserved block, then the magic
  older.replace(1024, 6, std::string("ZQT18\0", 6));
  const auto session = session::WriteSession(session::CaptureSession(model::WCube(), {}));
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_directories(dir_ / "folder");
  fs::create_symlink("/dev/null", Path("null-link"));
  Put(Path("linked.pro"), good);
  fs::create_symlink("linked.pro", Path("table-link"));

  struct Case {
    std::string name;
    std::string bytes;  // written first unless the name is made above
    TableFilePlace place;
  };
  const Case cases[] = {
      {"absent.pro", "", TableFilePlace::kFree},
      {"notes.txt", "a text typed by hand\n", TableFilePlace::kOtherFile},
      {"game.rvs", std::string(session.begin(), session.end()), TableFilePlace::kOtherFile},
      {"empty", "", TableFilePlace::kOtherFile},
      {"cut-short.pro", good.substr(0, 2000), TableFilePlace::kTableFile},
      {"older.pro", older, TableFilePlace::kTableFile},
      {"tag-only.pro", good.substr(0, 16), TableFilePlace::kTableFile},
      {"RVTomsel.pro", "whatever the program left here", TableFilePlace::kTableFile},
      {"fifo", "", TableFilePlace::kNotRegular},
      {"folder", "", TableFilePlace::kNotRegular},
      {"null-link", "", TableFilePlace::kNotRegular},
      {"table-link", "", TableFilePlace::kTableFile},
  };
  for (const Case& c : cases) {
    const std::string path = Path(c.name);
    if (!c.bytes.empty() || c.name == "empty") Put(path, c.bytes);
    test_support::Watchdog watchdog("table file at " + c.name, std::chrono::seconds(20));
    EXPECT_EQ(InspectTableFilePlace(path), c.place) << c.name;
    const bool replaceable = c.place == TableFilePlace::kFree || c.place == TableFilePlace::kTableFile;
    EXPECT_EQ(WriteTableFile(path, shared), replaceable) << c.name;
    if (c.place == TableFilePlace::kOtherFile) {
      EXPECT_EQ(Bytes(path), c.bytes) << c.name;
    }
    TwoPhaseTables loaded;
    if (replaceable) {
      EXPECT_EQ(ReadTableFile(path, loaded), TableFileStatus::kLoaded) << c.name;
    }
  }
  EXPECT_EQ(fs::symlink_status(Path("fifo")).type(), fs::file_type::fifo);
  EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
  EXPECT_TRUE(fs::is_symlink(Path("null-link")));
  EXPECT_TRUE(fs::is_symlink(Path("table-link")));
  EXPECT_EQ(Bytes(Path("linked.pro")), good);
}

// A FIFO or folder where a table file may be is passed over at once (reading a
// FIFO without a writer would wait for ever), and the next place is used.
TEST_F(TableFileTest, SpecialFilesAreSkippedWithoutWaiting) {
  const auto& shared = twophase_test::ReadyTables();
  const std::string fifo = Path("RVTomsel.pro");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directories(dir_ / "folder");
  ASSERT_TRUE(WriteTableFile(Path("next.pro"), shared));
  test_support::Watchdog watchdog("loading tables past a FIFO", std::chrono::seconds(20));
  TwoPhaseTables tables;
  EXPECT_EQ(ReadTableFile(fifo, tables), TableFileStatus::kNotRegular);
  EXPECT_EQ(ReadTableFile(Path("folder"), tables), TableFileStatus::kNotRegular);
  std::vector<std::string> progress;
  ASSERT_TRUE(LoadOrBuildTables(tables, {fifo, Path("folder"), Path("next.pro")},
                                [&](const std::string& t) { progress.push_back(t); }));
  EXPECT_TRUE(progress.empty()) << "loaded, not built";
  EXPECT_TRUE(SameContents(tables, shared));
  EXPECT_EQ(fs::symlink_status(fifo).type(), fs::file_type::fifo);
}

}  // namespace
