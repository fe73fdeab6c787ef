#include <gtest/gtest.h>

#include <random>
#include <string>

#include "facelet_oracle.h"
#include "solvers/petrus/TrackedCube.h"

namespace {

using petrus::TrackedCube;

// A text where every facelet is told apart by its position (two characters).
std::string Numbered() {
  std::string text;
  for (int i = 0; i < 54; ++i) text += static_cast<char>('!' + i);
  return text;
}

TEST(TrackedCube, FaceTurnsMatchTheGeometry) {
  for (char face : std::string("UFRBLD")) {
    TrackedCube cube(Numbered());
    cube.Move(std::string{face, '1'});
    EXPECT_EQ(cube.facelets(), oracle::Turn(Numbered(), oracle::FaceAxis(face), 1)) << face;
  }
}

TEST(TrackedCube, RotationsAndMirrorsMatchTheGeometry) {
  // This cube's x turns as F does, y as R, z as U.
  const struct {
    char axis;
    oracle::Vec turnsLike;
  } rotations[] = {{'x', {0, 0, 1}}, {'y', {1, 0, 0}}, {'z', {0, 1, 0}}};
  for (const auto& r : rotations) {
    TrackedCube cube(Numbered());
    cube.Rotate(r.axis);
    EXPECT_EQ(cube.facelets(), oracle::Turn(Numbered(), r.turnsLike, -1)) << r.axis;
  }
  const struct {
    const char* plane;
    int negated;
  } mirrors[] = {{"xy", 1}, {"xz", 0}, {"yz", 2}};
  for (const auto& m : mirrors) {
    TrackedCube cube(Numbered());
    cube.Mirror(m.plane);
    EXPECT_EQ(cube.facelets(), oracle::Reflect(Numbered(), m.negated)) << m.plane;
  }
}

TEST(TrackedCube, MakeWithAWrongLengthGivesTheSolvedCube) {
  EXPECT_EQ(TrackedCube(std::string(53, '1')).facelets(), petrus::kSolvedFacelets);
  EXPECT_EQ(TrackedCube(std::string(55, '1')).facelets(), petrus::kSolvedFacelets);
  EXPECT_TRUE(TrackedCube("").IsSolved());
}

TEST(TrackedCube, NormalisingTheMoveList) {
  const struct {
    const char* sequence;
    const char* recorded;
  } cases[] = {
      {"R1R1R1R1", ""},       {"R1L1R3", "L1"},         {"U1U1", "U2"},
      {"U2U3", "U1"},         {"F1B2F3", "B2"},         {"D1U1D1", "D2U1"},
      {"R1U1R3", "R1U1R3"},   {"L1R1L1R1", "L2R2"},     {"U1D1U3D3", ""},
      {"F1U0F1", "F2"},       {"F1X1F1", "F2"},         {"R5", "R1"},
  };
  for (const auto& c : cases) {
    TrackedCube cube;
    cube.Sequence(c.sequence);
    EXPECT_EQ(cube.moveList(), c.recorded) << c.sequence;
  }
}

TEST(TrackedCube, MovesAreRecordedInTheInputFrame) {
  const struct {
    const char* sequence;
    const char* recorded;
  } cases[] = {
      {"rxR1", "U1"}, {"R1", "R1"}, {"ryU1", "F1"}, {"rzF1", "R1"},
      {"rxrxrxrxR1", "R1"},
  };
  for (const auto& c : cases) {
    TrackedCube cube;
    cube.Sequence(c.sequence);
    EXPECT_EQ(cube.moveList(), c.recorded) << c.sequence;
  }
  TrackedCube mirrored;
  mirrored.Mirror("xz");
  mirrored.Move("R1");
  EXPECT_EQ(mirrored.moveList(), "L3");
  EXPECT_EQ(mirrored.frameList(), "M1");
}

// The recorded moves, applied to the input, give the cube's state before its
// rotations and mirrors: replaying those on top must give its facelets.
TEST(TrackedCube, RecordedMovesReplayOnTheInput) {
  std::mt19937 random(7);
  const std::string input = oracle::Scrambled(random, 25);
  static constexpr const char* kSteps[] = {"U1", "F2", "R3", "B1", "L2", "D3", "rx", "ry", "rz"};
  static constexpr const char* kPlanes[] = {"xy", "xz", "yz"};
  for (int round = 0; round < 200; ++round) {
    TrackedCube cube(input);
    for (int step = 0; step < 30; ++step) {
      const unsigned pick = random() % 12;
      if (pick < 9) {
        cube.Sequence(kSteps[pick]);
      } else {
        cube.Mirror(kPlanes[pick - 9]);
      }
    }
    std::string replayed = input;
    const std::string& moves = cube.moveList();
    for (size_t i = 0; i < moves.size(); i += 2) {
      replayed = oracle::Apply(replayed, petrus::StandardNotation(moves.substr(i, 2)));
    }
    const std::string& frames = cube.frameList();
    for (size_t i = 0; i < frames.size(); i += 2) {
      const int index = frames[i + 1] - '0';
      if (frames[i] == 'R') {
        static const oracle::Vec kLike[] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
        replayed = oracle::Turn(replayed, kLike[index], -1);
      } else {
        static const int kNegated[] = {1, 0, 2};
        replayed = oracle::Reflect(replayed, kNegated[index]);
      }
    }
    ASSERT_EQ(replayed, cube.facelets()) << "round " << round;
    // Normalised: no two neighbours turn the same face.
    for (size_t i = 2; i < moves.size(); i += 2) ASSERT_NE(moves[i], moves[i - 2]) << moves;
  }
}

TEST(TrackedCube, Finders) {
  const TrackedCube solved;
  EXPECT_EQ(solved.FindCorner(0, 1, 4), 6);
  EXPECT_EQ(solved.FindCorner(1, 0, 4), 9);
  EXPECT_EQ(solved.FindCorner(4, 1, 0), 38);
  EXPECT_EQ(solved.FindCorner(5, 3, 2), 53);
  EXPECT_EQ(solved.FindEdge(0, 3), 1);
  EXPECT_EQ(solved.FindEdge(3, 0), 28);
  EXPECT_EQ(solved.FindEdge(5, 4), 48);
  EXPECT_EQ(solved.FindCentre(2), 22);
  // Colours that share no piece.
  EXPECT_EQ(solved.FindCorner(0, 5, 1), -1);
  EXPECT_EQ(solved.FindCorner(0, 1, 1), -1);
  EXPECT_EQ(solved.FindEdge(1, 3), -1);
  EXPECT_EQ(solved.FindEdge(2, 2), -1);
  EXPECT_EQ(solved.FindCentre(6), -1);
  EXPECT_EQ(solved.Colour('R', 4), 2);
}

TEST(TrackedCube, StandardNotation) {
  EXPECT_EQ(petrus::StandardNotation("R1"), "R");
  EXPECT_EQ(petrus::StandardNotation("U2"), "U2");
  EXPECT_EQ(petrus::StandardNotation("F3"), "F'");
}

}  // namespace
