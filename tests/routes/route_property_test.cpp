// Property of every solving route, whatever colouring it is given: it refuses,
// or what it gives solves the cube when played as the move log plays it.
// Cubes: valid ones, valid ones with one painting defect, and random digits.
// ROVAN_ROUTE_CUBES sets the defect cubes per order (default 2000; the
// sanitizer build runs fewer).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseSolver.h"
#include "tests/fixtures/CubeOracle.h"
#include "tests/fixtures/DefectCubes.h"
#include "tests/fixtures/RouteCatalogue.h"

namespace {

int CubesPerOrder() {
  const char* text = std::getenv("ROVAN_ROUTE_CUBES");
  return text ? std::max(1, std::atoi(text)) : 2000;
}

std::vector<std::string> TableFiles() {
  const auto dir = std::filesystem::path(ROVAN_CLI_PATH).parent_path();
  return {(dir / twophase::kTableFileName).string()};
}

const std::vector<routes_test::Route>& Routes() {
  static const std::vector<routes_test::Route> routes = [] {
    if (!twophase::PrepareTables(TableFiles(), nullptr)) std::abort();
    return routes_test::AllRoutes(TableFiles());
  }();
  return routes;
}

bool Solves(int order, const std::string& facelets, const routes_test::RouteAnswer& answer) {
  std::string tokens;
  for (const auto& t : answer.turns) tokens += t + " ";
  for (const auto& m : answer.moves) tokens += m + " ";
  return input::IsUniform(oracle::Apply(order, facelets, tokens));
}

// Runs every route offered at the order; returns how many gave a solution.
int CheckEveryRoute(int order, const std::string& facelets, const std::string& what) {
  int solved = 0;
  for (const auto& route : Routes()) {
    if (order < route.minOrder || order > route.maxOrder) continue;
    const routes_test::RouteAnswer answer = route.run(facelets);
    if (answer.refused) continue;
    ++solved;
    EXPECT_TRUE(Solves(order, facelets, answer)) << route.name << ", " << what << ": " << facelets;
  }
  return solved;
}

class RouteProperty : public ::testing::TestWithParam<int> {};

TEST_P(RouteProperty, DefectCubesAreRefusedOrSolved) {
  const int order = GetParam();
  std::mt19937 rng(1000 + order);
  const int cubes = CubesPerOrder();
  std::map<defects::Defect, int> solvedByDefect;
  for (int i = 0; i < cubes; ++i) {
    const auto defect = defects::kDefects[i % std::size(defects::kDefects)];
    // Mostly light scrambles, some thorough ones: a light one keeps the many
    // solvable defects of the big cubes (two wings or centres swapped) quick to
    // solve, and near-solved cubes take paths of their own.
    const int turns = i % 8 == 0 ? 60 : static_cast<int>(rng() % 4);
    const std::string cube = defects::WithDefect(defects::RandomCube(order, rng, turns), order, defect, rng);
    solvedByDefect[defect] += CheckEveryRoute(order, cube, defects::Name(defect)) > 0;
    if (HasFailure()) return;
  }
  for (const auto& [defect, count] : solvedByDefect)
    RecordProperty(std::string("solved: ") + defects::Name(defect), count);
}

TEST_P(RouteProperty, ValidCubesAreSolvedByEveryRouteThatOffersTheOrder) {
  const int order = GetParam();
  std::mt19937 rng(2000 + order);
  for (int i = 0; i < 3; ++i) {
    const std::string cube = defects::RandomCube(order, rng, i == 0 ? 0 : 200);
    for (const auto& route : Routes()) {
      if (order < route.minOrder || order > route.maxOrder) continue;
      const auto answer = route.run(cube);
      // The beginner solve is offered up to order 3, the advanced up to 5, as in the window.
      const std::string name = route.name;
      const bool offered = name.starts_with("beginner") ? order <= 3 : name.starts_with("advanced") ? order <= 5 : true;
      if (!offered) continue;
      ASSERT_FALSE(answer.refused) << route.name << " refused a valid cube: " << cube;
      EXPECT_TRUE(Solves(order, cube, answer)) << route.name << ": " << cube;
    }
  }
}

TEST_P(RouteProperty, RandomDigitsAreRefusedOrSolved) {
  const int order = GetParam();
  std::mt19937 rng(3000 + order);
  for (int i = 0; i < 200; ++i) {
    std::string text(static_cast<size_t>(6 * order * order), '0');
    for (char& c : text) c = static_cast<char>('0' + rng() % 6);
    CheckEveryRoute(order, text, "random digits");
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, RouteProperty, ::testing::Range(2, 8));

TEST(DefectCubes, PiecesOfEveryOrder) {
  for (int n = 2; n <= 7; ++n) {
    auto pieces = defects::PiecesByKind(n);
    EXPECT_EQ(pieces[3].size(), 8u) << n;
    EXPECT_EQ(pieces[2].size(), static_cast<size_t>(12 * (n - 2))) << n;
    EXPECT_EQ(pieces[1].size(), static_cast<size_t>(6 * (n - 2) * (n - 2))) << n;
    // On a solved cube a piece never shows one colour twice.
    const std::string solved = oracle::Solved(n);
    for (const auto& corner : pieces[3]) {
      std::set<char> colours;
      for (int at : corner) colours.insert(solved[at]);
      EXPECT_EQ(colours.size(), 3u) << n;
    }
  }
}

}  // namespace
