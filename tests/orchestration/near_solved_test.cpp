// Cubes one or two layer turns from solved, on every route and order that
// solves: each answer is applied to the cube with the program's notation and
// must solve it within three moves per scrambling turn. The routes the window
// offers run in-process; the command-line routes that call their solver
// directly run as one batch per route.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

#include "input/Conversions.h"
#include "model/WCube.h"
#include "solvers/orchestration/SolveRunner.h"
#include "tests/fixtures/CliRunner.h"
#include "tests/fixtures/CliSolveOutput.h"
#include "tests/fixtures/CubeOracle.h"

namespace {

struct NearSolved {
  int order;
  int turns;  // layer turns from solved
  std::string facelets;
};

// Seeded random layer turns (any layer, either direction), never the solved cube.
std::vector<NearSolved> Cases(const std::vector<int>& orders, int perOrderAndDepth, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<NearSolved> cases;
  for (int order : orders)
    for (int turns = 1; turns <= 2; ++turns)
      for (int made = 0; made < perOrderAndDepth;) {
        model::WCube cube;
        cube.Init(order);
        for (int t = 0; t < turns; ++t)
          cube.TurnLayer(static_cast<int>(rng() % 3), static_cast<int>(rng() % order), static_cast<int>(rng() % 2), 0,
                         0, 0);
        const std::string facelets = cube.ExportColours();
        if (input::IsUniform(facelets)) continue;
        cases.push_back({order, turns, facelets});
        ++made;
      }
  return cases;
}

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const auto& item : items) out += (out.empty() ? "" : " ") + item;
  return out;
}

// Moves of a loaded log: the cells between the markers.
int MoveCount(const orchestration::Cells& cells) { return static_cast<int>(cells.size()) - 2; }

void ExpectShortAnswer(const NearSolved& c, const std::string& turns, const std::string& moves, int count,
                       const std::string& route) {
  const std::string turned = oracle::Apply(c.order, c.facelets, turns);
  EXPECT_TRUE(input::IsUniform(oracle::Apply(c.order, turned, moves)))
      << route << " order " << c.order << " " << c.facelets << ": " << moves;
  EXPECT_LE(count, 3 * c.turns) << route << " order " << c.order << " " << c.facelets << ": " << moves;
}

TEST(NearSolved, WindowRoutesAnswerWithinThreeMovesPerTurn) {
  using orchestration::SolveOptions;
  struct Route {
    const char* name;
    bool advanced;
    SolveOptions options;
    std::vector<int> orders;
  };
  const Route routes[] = {
      {"beginner", false, {0, 0}, {2, 3}},
      {"beginner no-formula", false, {1, 0}, {3}},
      {"advanced Petrus", true, {0, 0}, {2, 3, 4, 5}},
      {"advanced fewest", true, {0, 1}, {3}},
  };
  for (const auto& route : routes)
    for (const auto& c : Cases(route.orders, 6, 41)) {
      orchestration::EvenOrderCounter counter;
      const auto outcome = route.advanced ? orchestration::RunAdvanced(c.facelets, route.options, counter)
                                          : orchestration::RunBeginner(c.facelets, route.options);
      ASSERT_EQ(outcome.status, orchestration::SolveOutcome::Status::kLoaded) << route.name << " " << c.facelets;
      const auto cells = orchestration::FinalCells(outcome);
      ExpectShortAnswer(c, Joined(orchestration::AllCubeTurns(outcome)), Joined(cells), MoveCount(cells), route.name);
    }
}

int TokenCount(const std::string& moves) {
  std::istringstream tokens(moves);
  int count = 0;
  for (std::string token; tokens >> token;) ++count;
  return count;
}

TEST(NearSolved, CommandLineRoutesAnswerWithinThreeMovesPerTurn) {
  struct Route {
    const char* arguments;
    std::vector<int> orders;
  };
  const Route routes[] = {
      {"solve nxn", {2, 3, 4, 5, 6, 7}},
      {"solve petrus", {3}},
      {"solve threestage --mode 3", {3}},
      {"solve twophase --seconds 1 --tables /nonexistent/dir/RVTomsel.pro", {3}},
  };
  const std::string inputPath = ::testing::TempDir() + "rovan_near_solved_" + std::to_string(getpid()) + ".txt";
  for (const auto& route : routes) {
    const auto cases = Cases(route.orders, 6, 43);
    {
      std::ofstream input(inputPath);
      for (const auto& c : cases) input << c.facelets << "\n";
    }
    const auto run = cli_test::RunCliText(std::string(route.arguments) + " - < " + cli_test::Quoted(inputPath));
    ASSERT_EQ(run.status, 0) << route.arguments << "\n" << run.out;
    const auto answers = cli_test::SolveAnswers(run.out);
    ASSERT_EQ(answers.size(), cases.size()) << route.arguments << "\n" << run.out;
    for (size_t i = 0; i < cases.size(); ++i)
      ExpectShortAnswer(cases[i], answers[i].turns, answers[i].moves, TokenCount(answers[i].moves), route.arguments);
  }
}

}  // namespace
