#pragma once
// The three-stage tables as a table-cache payload (tablecache/TableCache.h),
// so that they are built once per machine instead of once per process.
#include <optional>

#include "solvers/tablecache/TableCache.h"
#include "solvers/threestage/ThreeStageTables.h"

namespace threestage {

// The cache file's name and the key of the stored sequence lists the tables
// are built from (a regenerated list makes older files stale).
inline constexpr const char* kTablesCacheName = "RVThreeStage.tables";
std::uint64_t TablesCacheKey();

tablecache::Bytes SerialiseTables(const ThreeStageTables& tables);
// Nothing unless every entry is in range and the counts agree.
std::optional<ThreeStageTables> ParseTables(const tablecache::Bytes& payload);

// Loaded from the cache folders when a valid file is there, else built and
// written there (only when the stored lists read back whole).
ThreeStageTables LoadOrBuildThreeStageTables();

}  // namespace threestage
