// The three-stage tables through the table cache: the file a first process
// writes gives a later one exactly the tables it would have built, and
// payloads that are cut or out of range are refused.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "solvers/threestage/StickerCube.h"
#include "solvers/threestage/TablesFile.h"

namespace threestage {
namespace {

namespace fs = std::filesystem;

bool Same(const ThreeStageTables& a, const ThreeStageTables& b) {
  for (int t = 0; t < kF2LTableCount; ++t) {
    if (a.f2l[t].size() != b.f2l[t].size() || a.f2lFilled[t] != b.f2lFilled[t]) return false;
    for (std::size_t i = 0; i < a.f2l[t].size(); ++i)
      if (a.f2l[t][i].length != b.f2l[t][i].length || a.f2l[t][i].moves != b.f2l[t][i].moves) return false;
  }
  return a.cross == b.cross && a.lastLayer == b.lastLayer && a.lastLayerSolutions == b.lastLayerSolutions &&
         a.lastLayerFilled == b.lastLayerFilled && a.dataValid == b.dataValid;
}

TEST(ThreeStageTablesFile, WrittenOnceThenLoadedAsBuilt) {
  const fs::path folder = fs::path(::testing::TempDir()) / ("rovan_threestage_cache_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  tablecache::SetFolders({folder.string()});
  const ThreeStageTables built = LoadOrBuildThreeStageTables();  // nothing cached: built and written
  const auto payload = tablecache::LoadFile((folder / kTablesCacheName).string(), TablesCacheKey());
  ASSERT_TRUE(payload);
  const auto parsed = ParseTables(*payload);
  ASSERT_TRUE(parsed);
  EXPECT_TRUE(Same(*parsed, built));
  EXPECT_TRUE(Same(LoadOrBuildThreeStageTables(), built));  // now from the file
  EXPECT_TRUE(Same(built, Tables()));

  // Cut payloads and entries out of range are refused (the checksum guards
  // files; this guards the parser against a payload that passes it).
  tablecache::Bytes cut(payload->begin(), payload->end() - 1);
  EXPECT_FALSE(ParseTables(cut));
  tablecache::Bytes longer = *payload;
  longer.push_back(0);
  EXPECT_FALSE(ParseTables(longer));
  tablecache::Bytes badCross = *payload;
  badCross[0] = kTurnCodes + 1;
  EXPECT_FALSE(ParseTables(badCross));
  tablecache::SetFolders({});
  fs::remove_all(folder);
}

}  // namespace
}  // namespace threestage
