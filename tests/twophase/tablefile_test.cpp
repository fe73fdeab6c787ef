#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "SharedTables.h"
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
