// What a process pays before its first solve, part by part (each table set is
// built or loaded once per process, so every figure is one first use):
//   bench_table_loading --benchmark_counters_tabular=true
// The three-stage tables are timed both built and loaded from a table-cache
// file written here first, in a folder of its own.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "solvers/nxn/Centres444.h"
#include "solvers/nxn/NxNLibrary.h"
#include "solvers/nxn/Solve2x2.h"
#include "solvers/tablecache/TableCache.h"
#include "solvers/threestage/TablesFile.h"

namespace {

void BM_ThreeStageBuilt(benchmark::State& state) {
  tablecache::SetFolders({});
  for (auto _ : state) benchmark::DoNotOptimize(threestage::LoadOrBuildThreeStageTables());
}
BENCHMARK(BM_ThreeStageBuilt)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ThreeStageLoaded(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / ("rovan_bench_cache_" + std::to_string(::getpid()));
  tablecache::SetFolders({folder.string()});
  threestage::LoadOrBuildThreeStageTables();  // writes the file
  for (auto _ : state) benchmark::DoNotOptimize(threestage::LoadOrBuildThreeStageTables());
  tablecache::SetFolders({});
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ThreeStageLoaded)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_Centres444(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(nxn::CentreTableDepths444());
}
BENCHMARK(BM_Centres444)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Tables2x2(benchmark::State& state) {
  for (auto _ : state) nxn::Prepare2x2Tables();
}
BENCHMARK(BM_Tables2x2)->Iterations(1)->Unit(benchmark::kMillisecond);

// The reduction's move library of one order.
void BM_NxNLibrary(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(&nxn::LibraryOf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_NxNLibrary)->DenseRange(4, 7)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
