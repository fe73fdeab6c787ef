// The three-stage solver: table build time, and per-cube time and solution
// length in both modes on well-mixed cubes (100 random turns each).
//   build/bench/bench_threestage
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "solvers/threestage/StickerCube.h"
#include "solvers/threestage/ThreeStageSolver.h"
#include "solvers/threestage/ThreeStageTables.h"

namespace {

using threestage::Stickers;

std::vector<Stickers> MixedCubes(int count) {
  std::mt19937 random(12345);
  std::vector<Stickers> cubes;
  for (int i = 0; i < count; ++i) {
    threestage::State s = threestage::SolvedState();
    for (int k = 0; k < 100; ++k) threestage::ApplyTurn(s, static_cast<int>(random() % threestage::kTurnCodes));
    Stickers c{};
    for (int p = 0; p < threestage::kStickerCount; ++p) c[s[p]] = static_cast<std::uint8_t>(p / 9);
    cubes.push_back(c);
  }
  return cubes;
}

void BM_BuildTables(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(threestage::BuildThreeStageTables());
}
BENCHMARK(BM_BuildTables)->Unit(benchmark::kMillisecond)->Iterations(3);

// One iteration solves every cube once; the counters give the per-cube figures.
void SolveAll(benchmark::State& state, int mode, int count) {
  const std::vector<Stickers> cubes = MixedCubes(count);
  threestage::ThreeStageResult result;
  threestage::SolveThreeStage(cubes[0], mode, result);  // tables built outside the timing
  std::vector<double> times;
  double moves = 0;
  int longest = 0;
  for (auto _ : state) {
    times.clear();
    moves = 0;
    longest = 0;
    for (const Stickers& c : cubes) {
      const auto start = std::chrono::steady_clock::now();
      const int n = threestage::SolveThreeStage(c, mode, result);
      times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      moves += n;
      longest = std::max(longest, n);
    }
  }
  std::sort(times.begin(), times.end());
  state.counters["median_ms"] = times[times.size() / 2];
  state.counters["mean_moves"] = moves / static_cast<double>(cubes.size());
  state.counters["max_moves"] = longest;
}

void BM_Mode0(benchmark::State& state) { SolveAll(state, 0, 200); }
void BM_Mode3(benchmark::State& state) { SolveAll(state, 3, 20); }
BENCHMARK(BM_Mode0)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Mode3)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
