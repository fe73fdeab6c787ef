// Speed and length of random-state scrambles ("随机状态打乱", rovan-cli scramble
// --random-state): one scramble per iteration, seeds 0, 1, 2, …; the counters
// give the mean and longest sequence in face turns.
//   bench_randomstate --benchmark_filter=RandomState/3
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

#include "solvers/orchestration/RandomStateScramble.h"
#include "solvers/twophase/TwoPhaseSolver.h"

namespace {

void RandomState(benchmark::State& state) {
  const int order = static_cast<int>(state.range(0));
  if (order == 3) {
    const auto file = std::filesystem::temp_directory_path() / "rovan_bench_RVTomsel.pro";
    if (!twophase::PrepareTables({file.string()}, nullptr)) state.SkipWithError("no two-phase tables");
  }
  orchestration::MakeRandomStateScramble(order, 0);  // the 2×2×2 tables are built at the first use
  std::uint64_t seed = 0;
  double turns = 0;
  size_t longest = 0;
  for (auto _ : state) {
    const auto scramble = orchestration::MakeRandomStateScramble(order, seed++);
    turns += static_cast<double>(scramble.moves.size());
    longest = std::max(longest, scramble.moves.size());
  }
  state.counters["mean_turns"] = turns / static_cast<double>(seed);
  state.counters["longest"] = static_cast<double>(longest);
}
BENCHMARK(RandomState)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
