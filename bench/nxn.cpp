// The N×N solver on random cubes: table building, time per solve (median) and
// solution lengths (mean, max) in tokens (single-layer turns, as written) and
// in block turns (R, Rw, 3Rw each one, whole-cube turns free). Each order's figures come from one pass over a
// fixed set of random cubes, reported as counters:
//   bench_nxn --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "input/Conversions.h"
#include "model/WCube.h"
#include "solvers/nxn/NxNLibrary.h"
#include "solvers/nxn/NxNSolver.h"
#include "solvers/nxn/Solve2x2.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string RandomSolverFaces(int order, std::mt19937& rng) {
  model::WCube cube;
  cube.Init(order);
  for (int i = 0; i < 400; ++i)
    cube.TurnLayer(static_cast<int>(rng() % 3), static_cast<int>(rng() % order), static_cast<int>(rng() % 2), 0, 0, 0);
  return input::ToSolverFaces(order, cube.ExportColours());
}

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

void BM_TablesFirstUse(benchmark::State& state) {
  const int order = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const auto start = Clock::now();
    if (order == 2) {
      nxn::Prepare2x2Tables();
    } else {
      benchmark::DoNotOptimize(&nxn::LibraryOf(order));
    }
    state.counters["build_s"] = Seconds(start, Clock::now());
  }
}
BENCHMARK(BM_TablesFirstUse)->Arg(2)->Arg(4)->Arg(5)->Arg(6)->Arg(7)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SolveRandom(benchmark::State& state) {
  const int order = static_cast<int>(state.range(0));
  const int cubes = static_cast<int>(state.range(1));
  const int mode = static_cast<int>(state.range(2));
  std::mt19937 rng(2024 + order);
  std::vector<std::string> inputs;
  for (int i = 0; i < cubes; ++i) inputs.push_back(RandomSolverFaces(order, rng));
  nxn::NxNSolution warm;
  nxn::SolveNxN(order, inputs[0], mode, warm);  // tables are built outside the measurement
  for (auto _ : state) {
    std::vector<double> times;
    double total = 0, longest = 0, failures = 0, overLog = 0, blocks = 0, mostBlocks = 0;
    for (const auto& in : inputs) {
      nxn::NxNSolution out;
      const auto start = Clock::now();
      const int n = nxn::SolveNxN(order, in, mode, out);
      times.push_back(Seconds(start, Clock::now()));
      failures += n < 0;
      total += n;
      longest = std::max<double>(longest, n);
      overLog += n > 1022;  // the move log holds 1 022 moves between its markers
      const int b = nxn::BlockTurnCount(order, out.moves);
      blocks += b;
      mostBlocks = std::max<double>(mostBlocks, b);
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2] * 1e3;
    state.counters["max_ms"] = times.back() * 1e3;
    state.counters["mean_moves"] = total / cubes;
    state.counters["max_moves"] = longest;
    state.counters["mean_blocks"] = blocks / cubes;
    state.counters["max_blocks"] = mostBlocks;
    state.counters["failures"] = failures;
    state.counters["over_log"] = overLog;
  }
}
// order, cubes, mode
BENCHMARK(BM_SolveRandom)
    ->Args({2, 200, 3})
    ->Args({2, 200, 0})
    ->Args({3, 30, 3})
    ->Args({4, 30, 3})
    ->Args({5, 20, 3})
    ->Args({6, 20, 3})
    ->Args({7, 20, 3})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
