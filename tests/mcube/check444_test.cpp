#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "solvers/mcube/Check444.h"
#include "solvers/mcube/mcube.h"
#include "tests/mcube/FaceletCube444.h"

namespace {

using test444::FaceletCube444;

// Facelet indices (face × 16 + row × 4 + column) of some pieces of the facelet text.
constexpr int kUflCorner[3] = {12, 16, 67};  // U row 3 col 0, F row 0 col 0, L row 0 col 3
constexpr int kUfWing[2] = {13, 17};         // U row 3 col 1, F row 0 col 1
constexpr int kDbrCorner[3] = {95, 60, 47};  // D row 3 col 3, B row 3 col 0, R row 3 col 3

std::string RandomState(unsigned seed) {
  std::mt19937 rng(seed);
  FaceletCube444 cube;
  cube.Scramble(rng, 60);
  return cube.Facelets();
}

bool HasWholeCubeToken(const std::string& text) {
  for (size_t i = 0; i < text.size(); i += 3)
    if (text[i] == 'C') return true;
  return false;
}

int Check(const std::string& facelets, cube444::mcube& cube) {
  cube.Load(cube444::GridFromFacelets(facelets));
  return cube.Check();
}

std::string TwistCorner(std::string s, const int (&c)[3]) {
  const char first = s[c[0]];
  s[c[0]] = s[c[1]];
  s[c[1]] = s[c[2]];
  s[c[2]] = first;
  return s;
}

std::string Swap(std::string s, size_t i, size_t j) {
  const char first = s.at(i);
  s.at(i) = s.at(j);
  s.at(j) = first;
  return s;
}

TEST(Check444, SolvedCubePassesWithAnEmptySolution) {
  cube444::mcube cube;
  EXPECT_EQ(Check(FaceletCube444::Solved(), cube), 0);
  EXPECT_EQ(cube.Solution(), "");
  EXPECT_EQ(cube.TokenCount(), 0);
}

// Every orientation of every cube is solved by the layer solver, so the check
// passing on random states exercises the solver 24 times per state.
TEST(Check444, RandomStatesPassAndTheirSolutionsSolve) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const std::string facelets = RandomState(seed);
    cube444::mcube cube;
    ASSERT_EQ(Check(facelets, cube), 0) << "seed " << seed << " " << facelets;
    EXPECT_FALSE(HasWholeCubeToken(cube.Solution()));
    FaceletCube444 replay(facelets);
    ASSERT_TRUE(replay.ApplyTokens(cube.Solution())) << cube.Solution();
    EXPECT_TRUE(replay.IsSolved()) << "seed " << seed;
    int sum = 0;
    for (int n : cube.StageCounts()) sum += n;
    EXPECT_EQ(sum, cube.TokenCount());
  }
}

TEST(Check444, ColouringsWithPiecesMovedByHandPass) {
  // Centre stickers carry no identity: exchanging two of different faces is a
  // position that turns reach.
  const std::string solved = FaceletCube444::Solved();
  for (const auto& [a, b] : {std::pair{5, 53}, {6, 21}, {90, 42}}) {
    cube444::mcube cube;
    const std::string swapped = Swap(solved, a, b);
    EXPECT_EQ(Check(swapped, cube), 0) << a << " " << b;
    FaceletCube444 replay(swapped);
    replay.ApplyTokens(cube.Solution());
    EXPECT_TRUE(replay.IsSolved());
  }
}

TEST(Check444, TheSolveIsDeterministic) {
  const std::string facelets = RandomState(7);
  cube444::mcube first, second;
  ASSERT_EQ(Check(facelets, first), 0);
  ASSERT_EQ(Check(facelets, second), 0);
  EXPECT_EQ(first.Solution(), second.Solution());
  EXPECT_EQ(first.StageCounts(), second.StageCounts());
  // A second check of the same object gives the same again.
  ASSERT_EQ(first.Check(), 0);
  EXPECT_EQ(first.Solution(), second.Solution());
}

struct Refusal {
  const char* name;
  std::string facelets;
  int code;
};

TEST(Check444, ImpossibleColouringsAreRefused) {
  const std::string solved = FaceletCube444::Solved();
  const std::string scrambled = RandomState(11);
  std::string seventeen = solved;
  seventeen[20] = '0';  // a seventeenth U colour on F
  const Refusal refusals[] = {
      {"17 stickers of one colour", seventeen, cube444::kBadPieces},
      {"no colour at all", std::string(96, 'x'), cube444::kBadPieces},
      {"a colour digit out of range", std::string(95, '0') + "9", cube444::kBadPieces},
      {"one corner twisted", TwistCorner(solved, kUflCorner), cube444::kUncoveredCase},
      {"another corner twisted", TwistCorner(solved, kDbrCorner), cube444::kUncoveredCase},
      {"a wing's stickers swapped", Swap(solved, kUfWing[0], kUfWing[1]), cube444::kWrongHandWing},
      {"a wing swapped on a scrambled cube", Swap(scrambled, kUfWing[0], kUfWing[1]),
       cube444::kWrongHandWing},
      {"a corner's stickers swapped", Swap(solved, kUflCorner[0], kUflCorner[1]),
       cube444::kMirroredCorner},
      {"a corner swapped on a scrambled cube", Swap(scrambled, kDbrCorner[1], kDbrCorner[2]),
       cube444::kMirroredCorner},
      {"a wing of the wrong hand and a mirrored corner",
       Swap(Swap(solved, kUfWing[0], kUfWing[1]), kUflCorner[1], kUflCorner[2]),
       cube444::kMirroredCorner},
      {"a corner painted with a wing's colours", Swap(solved, kUflCorner[1], 14), cube444::kBadPieces},
  };
  for (const Refusal& r : refusals) {
    cube444::mcube cube;
    EXPECT_EQ(Check(r.facelets, cube), r.code) << r.name;
    EXPECT_EQ(cube.Solution(), "") << r.name;
  }
}

TEST(Check444, TwistedCornerOnAScrambledCubeIsRefused) {
  for (unsigned seed = 20; seed < 26; ++seed) {
    cube444::mcube cube;
    const int code = Check(TwistCorner(RandomState(seed), kUflCorner), cube);
    EXPECT_TRUE(code == cube444::kUncoveredCase || code == cube444::kStageOutOfRounds)
        << "seed " << seed << " code " << code;
  }
}

TEST(Check444, NothingLoadedGivesOne) {
  cube444::mcube cube;
  EXPECT_EQ(cube.Check(), cube444::kNothingLoaded);
  EXPECT_EQ(cube444::Check444(""), cube444::kNothingLoaded);
  EXPECT_EQ(cube444::Check444(FaceletCube444::Solved() + "0"), cube444::kNothingLoaded);
  EXPECT_EQ(cube444::Check444(FaceletCube444::Solved()), cube444::kCheckPassed);
}

TEST(Check444, AnEmptyGridIsRefused) {
  cube444::mcube cube;
  cube.Load(cube444::Grid{});
  EXPECT_EQ(cube.Check(), cube444::kBadPieces);
}

TEST(Check444, SearchLevels) {
  const std::string facelets = RandomState(3);
  for (int level : {0, 1, 2, 3, 4}) {
    cube444::mcube cube;
    cube.SetSearchLevel(level);
    ASSERT_EQ(Check(facelets, cube), 0) << level;
    // Level 0 keeps the stages' whole-cube tokens; any level solves the cube.
    EXPECT_EQ(HasWholeCubeToken(cube.Solution()), level == 0) << level;
    FaceletCube444 replay(facelets);
    replay.ApplyTokens(cube.Solution());
    EXPECT_TRUE(replay.IsSolved()) << level;
  }
  // More orientations never give a longer solution.
  int previous = 1 << 30;
  for (int level : {2, 3, 4}) {
    cube444::mcube cube;
    cube.SetSearchLevel(level);
    Check(facelets, cube);
    EXPECT_LE(cube.TokenCount(), previous) << level;
    previous = cube.TokenCount();
  }
}

}  // namespace
