// The Petrus solver on 200 random-state cubes: time per solve (the benchmark's
// own time is per solve; the counters give the median over the 200 cubes) and
// solution lengths. Run: build/bench/bench_petrus
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "solvers/petrus/PetrusSolver.h"
#include "solvers/petrus/TrackedCube.h"

namespace {

constexpr int kCubeCount = 200;

std::vector<std::string> RandomCubes() {
  std::mt19937 random(20261209);
  std::vector<std::string> cubes;
  for (int i = 0; i < kCubeCount; ++i) {
    std::string cube = petrus::kSolvedFacelets;
    for (int turn = 0; turn < 40; ++turn) {
      const char move[2] = {petrus::kFaceLetters[random() % 6], static_cast<char>('1' + random() % 3)};
      petrus::ApplyPlainMove(cube, std::string_view(move, 2));
    }
    cubes.push_back(cube);
  }
  return cubes;
}

void BM_PetrusRandomCubes(benchmark::State& state) {
  const std::vector<std::string> cubes = RandomCubes();
  std::vector<double> millis;
  std::vector<size_t> lengths;
  int failures = 0;
  for (auto _ : state) {
    millis.clear();
    lengths.clear();
    failures = 0;
    for (const std::string& cube : cubes) {
      const auto start = std::chrono::steady_clock::now();
      petrus::PetrusSolver solver;
      solver.SetFacelets(cube);
      const int code = solver.Run();
      millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
      if (code != 0) ++failures;
      lengths.push_back(solver.solutionMoves().size());
      benchmark::DoNotOptimize(lengths.back());
    }
  }
  std::sort(millis.begin(), millis.end());
  state.counters["median_ms"] = (millis[kCubeCount / 2 - 1] + millis[kCubeCount / 2]) / 2;
  state.counters["max_ms"] = millis.back();
  double total = 0;
  for (size_t n : lengths) total += static_cast<double>(n);
  state.counters["mean_moves"] = total / kCubeCount;
  state.counters["max_moves"] = static_cast<double>(*std::max_element(lengths.begin(), lengths.end()));
  state.counters["failures"] = failures;
  state.SetItemsProcessed(state.iterations() * kCubeCount);
}
BENCHMARK(BM_PetrusRandomCubes)->Unit(benchmark::kMillisecond);

// One solve of one random cube, for the per-solve time distribution.
void BM_PetrusOneCube(benchmark::State& state) {
  const std::vector<std::string> cubes = RandomCubes();
  size_t next = 0;
  for (auto _ : state) {
    petrus::PetrusSolver solver;
    solver.SetFacelets(cubes[next]);
    benchmark::DoNotOptimize(solver.Run());
    next = (next + 1) % cubes.size();
  }
}
BENCHMARK(BM_PetrusOneCube)->Unit(benchmark::kMillisecond);

}  // namespace
