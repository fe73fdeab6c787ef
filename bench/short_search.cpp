// The short search every solve route runs first, on scrambled cubes: it finds
// nothing there, so its time is the whole cost it adds to a solve.
//   bench_short_search --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <random>

#include "input/Conversions.h"
#include "model/WCube.h"
#include "solvers/nxn/ShortSearch.h"

namespace {

void BM_ShortSearchMiss(benchmark::State& state) {
  const int order = static_cast<int>(state.range(0));
  const auto turns = state.range(1) ? nxn::TurnSet::kAllLayers : nxn::TurnSet::kOuterLayers;
  std::mt19937 rng(7 + order);
  model::WCube cube;
  cube.Init(order);
  for (int i = 0; i < 400; ++i)
    cube.TurnLayer(static_cast<int>(rng() % 3), static_cast<int>(rng() % order), static_cast<int>(rng() % 2), 0, 0, 0);
  const std::string faces = input::ToSolverFaces(order, cube.ExportColours());
  for (auto _ : state) benchmark::DoNotOptimize(nxn::ShortSolution(order, faces, turns));
  state.counters["depth"] = nxn::ShortSearchDepth(order, turns);
}
// order, all layers (1) or face turns only (0)
BENCHMARK(BM_ShortSearchMiss)
    ->Args({2, 1})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({4, 1})
    ->Args({5, 1})
    ->Args({6, 1})
    ->Args({7, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
