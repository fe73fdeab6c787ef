// Speed of the cube model on the largest cube: one layer, the whole cube, one
// notation token. Each runs 10 repetitions and reports mean, median and spread.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "model/MoveNotation.h"

namespace {

void SingleLayerQuarterTurn(benchmark::State& state) {
  model::WCube cube;
  cube.Init(7);
  for (auto _ : state) {
    cube.TurnLayer(0, 5, 0, 0, 0, 0);
    benchmark::ClobberMemory();
  }
}

void WholeCubeRotation(benchmark::State& state) {
  model::WCube cube;
  cube.Init(7);
  for (auto _ : state) {
    cube.TurnLast(1, 7, 0, 0, 0);
    benchmark::ClobberMemory();
  }
}

// Single-layer tokens of the kinds the move log plays, matched and turned.
void ApplyCommandOneToken(benchmark::State& state) {
  model::WCube cube;
  cube.Init(7);
  const std::array<std::string, 8> tokens = {"R", "NR'", "N3U", "MF'", "l", "D'", "N5B", "ML"};
  size_t next = 0;
  for (auto _ : state) {
    model::ApplyCommand(cube, tokens[next], 0, 0, 0);
    next = (next + 1) % tokens.size();
    benchmark::ClobberMemory();
  }
}

void ApplyCommandUnknownToken(benchmark::State& state) {
  model::WCube cube;
  cube.Init(7);
  const std::string token = "T6F";
  for (auto _ : state) {
    model::ApplyCommand(cube, token, 0, 0, 0);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(SingleLayerQuarterTurn)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(WholeCubeRotation)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(ApplyCommandOneToken)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(ApplyCommandUnknownToken)->Repetitions(10)->ReportAggregatesOnly(true);
