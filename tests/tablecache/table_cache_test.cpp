// Cache files of solver tables: a file is used only when it is whole and
// made for the same data, a damaged or stale one is replaced, and a file that
// is not one of them is never touched.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "solvers/tablecache/TableCache.h"

namespace {

namespace fs = std::filesystem;
using tablecache::Bytes;

class TableCacheFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) / ("rovan_table_cache_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    tablecache::SetFolders({});
    fs::remove_all(folder_);
  }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  static Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  static void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  fs::path folder_;
};

const Bytes kPayload = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

TEST_F(TableCacheFiles, StoredPayloadLoadsBackOnlyWithItsKey) {
  const std::string path = Path("t.tables");
  ASSERT_TRUE(tablecache::StoreFile(path, 42, kPayload));
  EXPECT_EQ(tablecache::LoadFile(path, 42), kPayload);
  EXPECT_FALSE(tablecache::LoadFile(path, 43));  // built from other data: stale
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TableCacheFiles, DamagedFilesAreRefusedAndReplaced) {
  const std::string path = Path("t.tables");
  ASSERT_TRUE(tablecache::StoreFile(path, 7, kPayload));
  const Bytes whole = Read(path);
  struct Damage {
    const char* what;
    Bytes bytes;
  };
  ASSERT_EQ(whole.size(), 32 + kPayload.size());  // header, then the payload
  Bytes flipped = whole;
  flipped[40] ^= 0x40;
  Bytes badLength = whole;
  badLength[16] ^= 1;
  const Damage damages[] = {{"a payload byte changed", flipped},
                            {"cut short", Bytes(whole.begin(), whole.end() - 3)},
                            {"only half a header", Bytes(whole.begin(), whole.begin() + 12)},
                            {"one byte too many", [&] { Bytes b = whole; b.push_back(0); return b; }()},
                            {"wrong length field", badLength},
                            {"empty", {}}};
  for (const auto& d : damages) {
    Write(path, d.bytes);
    EXPECT_FALSE(tablecache::LoadFile(path, 7)) << d.what;
  }
  // A damaged cache file still starts as one, so it is replaced.
  Write(path, flipped);
  ASSERT_TRUE(tablecache::StoreFile(path, 7, kPayload));
  EXPECT_EQ(tablecache::LoadFile(path, 7), kPayload);
}

TEST_F(TableCacheFiles, ForeignFilesAndFoldersAreLeftAlone) {
  const std::string document = Path("t.tables");
  const Bytes foreign = {'m', 'y', ' ', 'n', 'o', 't', 'e', 's'};
  Write(document, foreign);
  EXPECT_FALSE(tablecache::StoreFile(document, 1, kPayload));
  EXPECT_EQ(Read(document), foreign);
  EXPECT_FALSE(tablecache::LoadFile(document, 1));

  const std::string folder = Path("f.tables");
  fs::create_directory(folder);
  EXPECT_FALSE(tablecache::StoreFile(folder, 1, kPayload));
  EXPECT_TRUE(fs::is_directory(folder));

  // A FIFO is neither opened for reading (it would block) nor replaced.
  const std::string fifo = Path("p.tables");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(tablecache::LoadFile(fifo, 1));
  EXPECT_FALSE(tablecache::StoreFile(fifo, 1, kPayload));
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(TableCacheFiles, FoldersAreTriedInOrder) {
  const fs::path blocked = folder_ / "blocked", open = folder_ / "open";
  fs::create_directories(blocked);
  const Bytes foreign = {'x'};
  Write((blocked / "t.tables").string(), foreign);
  EXPECT_FALSE(tablecache::Store("t.tables", 5, kPayload));  // no folders set: nothing written

  tablecache::SetFolders({blocked.string(), open.string()});
  ASSERT_TRUE(tablecache::Store("t.tables", 5, kPayload));
  EXPECT_EQ(Read((blocked / "t.tables").string()), foreign);
  EXPECT_EQ(tablecache::Load("t.tables", 5), kPayload);  // from the second folder, made for it
  EXPECT_FALSE(tablecache::Load("t.tables", 6));
}

}  // namespace
