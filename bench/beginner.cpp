// The two beginner 3x3x3 solvers on 200 random-state cubes: time per solve
// (median and maximum) and solution length in face turns (mean and maximum).
//   ./build/bench/bench_beginner
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include "input/Conversions.h"
#include "model/MoveNotation.h"
#include "model/WCube.h"
#include "solvers/layered/CubeSolver.h"
#include "solvers/noformula/NoFormulaSolver.h"
#include "solvers/orchestration/LogCells.h"

namespace {

constexpr int kCubes = 200;

const std::vector<std::string>& RandomStates() {
  static const std::vector<std::string> states = [] {
    std::mt19937 rng(2026);
    std::vector<std::string> out;
    const char* faces = "RLUDFB";
    const char* suffix[] = {"", "2", "'"};
    for (int i = 0; i < kCubes; ++i) {
      model::WCube cube;
      std::string moves;
      for (int m = 0; m < 40; ++m) moves += std::string(1, faces[rng() % 6]) + suffix[rng() % 3] + " ";
      model::ApplySequence(cube, moves);
      out.push_back(cube.ExportColours());
    }
    return out;
  }();
  return states;
}

// Face turns among the cells (markers do not count; a half turn counts once).
int FaceTurns(const orchestration::Cells& cells) {
  return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](const std::string& c) {
    return !c.empty() && std::string("UDFBLR").find(c[0]) != std::string::npos;
  }));
}

template <typename Solve>
void RunOverCubes(benchmark::State& state, Solve solve) {
  std::vector<double> millis;
  std::vector<int> lengths;
  for (auto _ : state) {
    lengths.clear();
    for (const auto& facelets : RandomStates()) {
      const auto start = std::chrono::steady_clock::now();
      const orchestration::Cells cells = solve(facelets);
      const auto end = std::chrono::steady_clock::now();
      millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
      lengths.push_back(FaceTurns(cells));
    }
  }
  std::sort(millis.begin(), millis.end());
  state.counters["median_ms"] = millis[millis.size() / 2];
  state.counters["max_ms"] = millis.back();
  state.counters["mean_turns"] =
      std::accumulate(lengths.begin(), lengths.end(), 0.0) / static_cast<double>(lengths.size());
  state.counters["max_turns"] = *std::max_element(lengths.begin(), lengths.end());
}

void LayerByLayer(benchmark::State& state) {
  RunOverCubes(state, [](const std::string& facelets) {
    layered::CCubeSolver solver;
    solver.LoadText(facelets);
    solver.Solve();
    return orchestration::LayeredTokensToCells(solver.Solution());
  });
}

void NoFormula(benchmark::State& state) {
  RunOverCubes(state, [](const std::string& facelets) {
    return orchestration::SplitSolution(noformula::SolveNoFormula(input::ToPieceString(facelets)));
  });
}

}  // namespace

BENCHMARK(LayerByLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(NoFormula)->Unit(benchmark::kMillisecond);
