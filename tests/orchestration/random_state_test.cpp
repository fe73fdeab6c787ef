// Random-state scrambles: the states are uniform (checked on the generator over
// thousands of states, against a short random-turn scrambler that must fail the
// same checks) and the sequences reach them within the promised lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <set>

#include "model/MoveNotation.h"
#include "model/StandardNotation.h"
#include "solvers/orchestration/RandomStateScramble.h"
#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseSolver.h"
#include "tests/fixtures/FaceletSlots.h"

namespace {

using facelet_slots::SlotOf;

// Each corner and edge position's facelets, in face order; only the outer
// cubies of orders 2 and 3 matter here.
std::vector<std::vector<int>> PiecePositions(int n) {
  std::map<std::array<int, 3>, std::vector<int>> bySlot;
  for (int i = 0; i < 6 * n * n; ++i) bySlot[SlotOf(n, i)].push_back(i);
  std::vector<std::vector<int>> pieces;
  for (auto& [slot, facelets] : bySlot)
    if (facelets.size() >= 2) pieces.push_back(facelets);
  return pieces;
}

// Counts over many cubes: per position, how often each of its facelets shows
// the piece's reference colour (U or D, else F or B); and how often the corner
// placement is an odd permutation.
struct PositionCounts {
  int sides = 0;
  std::array<int, 3> counts{};
};
struct Statistics {
  std::vector<PositionCounts> positions;
  int oddCorners = 0;
  int cubes = 0;
};

void Count(int n, const std::string& facelets, Statistics& stats) {
  static const auto pieces2 = PiecePositions(2), pieces3 = PiecePositions(3);
  const auto& pieces = n == 2 ? pieces2 : pieces3;
  stats.positions.resize(pieces.size());
  std::vector<std::set<char>> cornerHomes, cornerPieces;
  for (size_t p = 0; p < pieces.size(); ++p) {
    std::set<char> colours, home;
    for (int f : pieces[p]) colours.insert(facelets[f]), home.insert(static_cast<char>('0' + f / (n * n)));
    const bool hasUD = colours.count('0') || colours.count('5');
    stats.positions[p].sides = static_cast<int>(pieces[p].size());
    for (size_t k = 0; k < pieces[p].size(); ++k) {
      const char c = facelets[pieces[p][k]];
      if (hasUD ? (c == '0' || c == '5') : (c == '1' || c == '3')) ++stats.positions[p].counts[k];
    }
    if (pieces[p].size() == 3) cornerHomes.push_back(home), cornerPieces.push_back(colours);
  }
  std::vector<size_t> placement;
  for (const auto& piece : cornerPieces)
    placement.push_back(std::find(cornerHomes.begin(), cornerHomes.end(), piece) - cornerHomes.begin());
  int inversions = 0;
  for (size_t i = 0; i < placement.size(); ++i)
    for (size_t j = i + 1; j < placement.size(); ++j) inversions += placement[j] < placement[i];
  stats.oddCorners += inversions & 1;
  ++stats.cubes;
}

// Within five standard deviations of `p` of the cubes.
bool Near(int count, double p, int cubes) {
  return std::abs(count - p * cubes) < 5 * std::sqrt(cubes * p * (1 - p));
}

// Every position's orientation near uniform, except up to `fixedPositions`
// positions whose piece always shows one orientation; odd placements near half.
bool LooksUniform(const Statistics& s, int fixedPositions) {
  int fixed = 0;
  for (const PositionCounts& position : s.positions) {
    bool uniform = true;
    for (int k = 0; k < position.sides; ++k) uniform = uniform && Near(position.counts[k], 1.0 / position.sides, s.cubes);
    const bool alwaysAlike = std::count(position.counts.begin(), position.counts.end(), s.cubes) == 1;
    if (!uniform && !(alwaysAlike && ++fixed <= fixedPositions)) return false;
  }
  return Near(s.oddCorners, 0.5, s.cubes);
}

constexpr int kStates = 3000;

TEST(RandomState, StatesAreUniformAndFiveTurnScramblesAreNot) {
  for (int order : {2, 3}) {
    std::mt19937_64 rng(order * 1000 + 18);
    Statistics randomState, fiveTurns;
    const char* faces[] = {"R", "L", "U", "D", "F", "B"};
    const char* suffixes[] = {"", "'", "2"};
    for (int i = 0; i < kStates; ++i) {
      Count(order, orchestration::RandomStateFacelets(order, rng), randomState);
      model::WCube cube;
      cube.Init(order);
      for (int t = 0; t < 5; ++t) model::ApplyCommand(cube, std::string(faces[rng() % 6]) + suffixes[rng() % 3], 0, 0, 0);
      Count(order, cube.ExportColours(), fiveTurns);
    }
    // The 2×2×2 keeps its D-R-B corner home.
    EXPECT_TRUE(LooksUniform(randomState, order == 2 ? 1 : 0)) << order;
    EXPECT_FALSE(LooksUniform(fiveTurns, order == 2 ? 1 : 0)) << order;
  }
}

std::string Replayed(int order, const std::string& standard) {
  model::WCube cube;
  cube.Init(order);
  const auto blocks = model::ReadStandardText(order, standard);
  EXPECT_TRUE(blocks) << standard;
  if (blocks)
    for (const auto& block : *blocks) model::ApplyBlock(cube, block, 0, 0, 0);
  return cube.ExportColours();
}

bool TablesReady() {
  const auto dir = std::filesystem::path(ROVAN_CLI_PATH).parent_path();
  return twophase::PrepareTables({(dir / twophase::kTableFileName).string()}, nullptr);
}

// The sequences reach the states, within the lengths promised, and the standard
// text of a sequence, read back, reaches the same state.
TEST(RandomState, SequencesReachTheirStates) {
  ASSERT_TRUE(TablesReady());
  struct Case {
    int order;
    int scrambles;
    size_t longest;
  };
  for (const Case& c : {Case{2, 100, 11}, Case{3, 12, 21}}) {
    for (int seed = 0; seed < c.scrambles; ++seed) {
      const auto scramble = orchestration::MakeRandomStateScramble(c.order, seed);
      ASSERT_FALSE(scramble.moves.empty()) << seed;
      EXPECT_LE(scramble.moves.size(), c.longest);
      model::WCube cube;
      cube.Init(c.order);
      for (const std::string& move : scramble.moves) {
        EXPECT_TRUE(model::IsInVocabulary(c.order, move)) << move;
        model::ApplyCommand(cube, move, 0, 0, 0);
      }
      EXPECT_EQ(cube.ExportColours(), scramble.facelets) << c.order << " " << seed;
      EXPECT_EQ(Replayed(c.order, model::ToStandardText(c.order, scramble.moves)), scramble.facelets);
      if (c.order == 2) {
        for (const std::string& move : scramble.moves) EXPECT_NE(std::string("LUF").find(move[0]), std::string::npos);
      }
    }
  }
  const auto again = orchestration::MakeRandomStateScramble(3, 5);
  EXPECT_EQ(again.facelets, orchestration::MakeRandomStateScramble(3, 5).facelets);
  EXPECT_NE(again.facelets, orchestration::MakeRandomStateScramble(3, 6).facelets);
}

TEST(RandomState, OfferedForOrdersTwoAndThree) {
  for (int order = 1; order <= 8; ++order)
    EXPECT_EQ(orchestration::OffersRandomStateScramble(order), order == 2 || order == 3) << order;
  EXPECT_FALSE(orchestration::MovesReaching(3, std::string(54, '0')));
  EXPECT_FALSE(orchestration::MovesReaching(4, std::string(96, '0')));
}

}  // namespace
