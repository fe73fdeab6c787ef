// The 4×4×4 colouring check on random-state cubes: all 24 orientations (search
// level 4) and, for comparison, the first orientation only.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "solvers/mcube/Check444.h"
#include "solvers/mcube/McubeMoves.h"
#include "solvers/mcube/mcube.h"

namespace {

const std::string kSolved =
    "0000000000000000111111111111111122222222222222223333333333333333"
    "44444444444444445555555555555555";

std::vector<cube444::Grid> RandomStates(int count) {
  const std::string layers = "LlrRDduUFfbB";
  const std::string directions[3] = {"UD", "LR", "AC"};
  std::mt19937 rng(2024);
  std::vector<cube444::Grid> out;
  for (int i = 0; i < count; ++i) {
    cube444::Grid grid = cube444::GridFromFacelets(kSolved);
    for (int turn = 0; turn < 60; ++turn) {
      const int layer = static_cast<int>(rng() % layers.size());
      const std::string token{layers[layer], directions[layer / 4][rng() % 2], '.'};
      cube444::ApplyTokens(grid, token);
    }
    out.push_back(grid);
  }
  return out;
}

void CheckAtLevel(benchmark::State& state, int level) {
  static const std::vector<cube444::Grid> cubes = RandomStates(64);
  size_t next = 0;
  for (auto _ : state) {
    cube444::mcube cube;
    cube.SetSearchLevel(level);
    cube.Load(cubes[next++ % cubes.size()]);
    benchmark::DoNotOptimize(cube.Check());
  }
}

void BM_Check444AllOrientations(benchmark::State& state) { CheckAtLevel(state, 4); }
void BM_Check444FirstOrientation(benchmark::State& state) { CheckAtLevel(state, 1); }

}  // namespace

BENCHMARK(BM_Check444AllOrientations)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Check444FirstOrientation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
