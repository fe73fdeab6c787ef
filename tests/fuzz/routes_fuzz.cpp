// libFuzzer target for every solving route: whatever colouring a route is
// given, it refuses, or its turns and moves solve the cube when played as the
// move log plays them. Input: a first byte whose low bit picks
//   1: the rest taken as the facelet text, byte for byte;
//   0: order (2..7), defect kind, then up to 24 layer turns from solved (one
//      byte each), then the bytes that pick where the defect goes.
// ROVAN_FUZZ_TABLES names a two-phase table file; without it the two-phase
// search is left out.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/fixtures/CubeOracle.h"
#include "tests/fixtures/DefectCubes.h"
#include "tests/fixtures/RouteCatalogue.h"

namespace {

const std::vector<routes_test::Route>& Routes() {
  static const std::vector<routes_test::Route> routes = [] {
    std::vector<std::string> tables;
    if (const char* path = std::getenv("ROVAN_FUZZ_TABLES"); path && *path && twophase::PrepareTables({path}, nullptr))
      tables.push_back(path);
    return routes_test::AllRoutes(tables);
  }();
  return routes;
}

std::string CubeFromBytes(const std::uint8_t* data, size_t size) {
  if (size < 3) return {};
  const int order = 2 + data[1] % 6;
  const auto defect = static_cast<defects::Defect>(data[2] % 5);
  size_t at = 3;
  model::WCube cube(model::WCube::Scratch{}, order);
  for (int turn = 0; turn < 24 && at < size; ++turn, ++at) {
    const int b = data[at];
    cube.TurnLayer(b % 3, (b / 3) % order, (b / 3 / order) % 2, 0, 0, 0);
  }
  std::seed_seq seed(data + at, data + size);
  std::mt19937 rng(seed);
  return defects::WithDefect(cube.ExportColours(), order, defect, rng);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string facelets = (data[0] & 1) ? std::string(data + 1, data + size) : CubeFromBytes(data, size);
  const int order = orchestration::OrderOfFacelets(facelets);
  for (const auto& route : Routes()) {
    const routes_test::RouteAnswer answer = route.run(facelets);
    if (answer.refused) continue;
    std::string tokens;
    for (const auto& t : answer.turns) tokens += t + " ";
    for (const auto& m : answer.moves) tokens += m + " ";
    if (order == 0 || !input::IsUniform(oracle::Apply(order, facelets, tokens))) std::abort();
  }
  return 0;
}
