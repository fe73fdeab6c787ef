#pragma once
// The layer-by-layer beginner method "层先流行玩法" for the 3×3×3 cube.
//
// The solver keeps its own sticker copy of the cube: six faces in the order
// U F R L B D (note L before B), each nine sticker values 1..6 laid out like
// the facelet text (index row·3 + column, index 4 the centre). It builds the
// first layer on U, the middle layer, then the last layer on D with fixed
// algorithms chosen by where a piece is, and records them as 3-character
// tokens:
//   face letter B D F L R U + '+' (clockwise seen from outside the face),
//   '-' (anticlockwise) or '*' (half turn), then '.';
//   whole-cube turns "X+." (x: F to the top), "X-." (x'), "Y+." (y': L to the
//   front), "Y-." (y: R to the front);
//   markers "[1]".."[6]" (a step finished) and "(4)" "(5)" "(6)" (gave up).
// It tries 24 starting orientations and keeps the shortest solution, written
// without whole-cube turns in the cube's starting orientation.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace layered {

// Result codes of Solve().
constexpr int kSolved = 0;
constexpr int kInvalidColours = 1;  // centres or pieces that no real cube has
constexpr int kNoSolution = 2;      // no attempt finished (twisted corner, flipped edge, ...)

// Face object indices (the solver's own order).
enum Face : int { kU = 0, kF = 1, kR = 2, kL = 3, kB = 4, kD = 5, kNoFace = -1 };
constexpr int kAttempts = 24;

using Stickers = std::array<std::uint8_t, 9>;

class CCubeSolver {
 public:
  CCubeSolver();

  // 54 characters '0'..'5' in facelet order (U F R B L D); other text lengths
  // leave the cube reset.
  void LoadText(std::string_view text);
  void Reset();
  void SaveState();
  void RestoreState();
  void TurnWholeY();       // "Y-.": R comes to the front
  void TurnWholeYPrime();  // "Y+.": L comes to the front
  void TurnFace(int face);
  void TurnFaceBack(int face);
  // Applies a token text; tokens it does not know are skipped.
  void Run(std::string_view tokens);

  // kSolved, kInvalidColours or kNoSolution; read Solution() and
  // OrientationNumber() afterwards. The cube is back at its input state.
  int Solve();
  const std::string& Solution() const { return solution_; }
  // Which attempt won: 4·i + j for prefix i (0..5) and j extra "Y+." turns.
  int OrientationNumber() const { return orientation_; }
  // How many of the 24 attempts finished in the last Solve().
  int FinishedAttempts() const { return static_cast<int>(candidates_.size()); }

  // The current stickers as a facelet text (for tests and tools).
  std::string ExportText() const;
  // The colouring check of Solve() on its own.
  bool ColoursValid() const;

 private:
  struct Candidate {
    std::string text;
    int orientation;
  };

  // Search queries over the piece tables.
  std::uint8_t Centre(int face) const { return faces_[face][4]; }
  // Every face in its centre's colour: what a finished attempt must leave.
  bool FacesSolved() const;
  int EdgeFace(std::uint8_t a, std::uint8_t b) const;
  int CornerFace(std::uint8_t a, std::uint8_t b, std::uint8_t c) const;
  int CornerSlot(std::uint8_t a, std::uint8_t b, std::uint8_t c) const;

  void Append(std::string_view algorithm);
  void TurnWholeX();
  void TurnWholeXPrime();

  // The six steps; each returns false when it gives up.
  bool RunSteps();
  void SolveCross();
  void SolveTopCorners();
  void SolveMiddleEdges();
  bool OrientBottomEdges();
  bool PlaceBottomEdges();
  bool TwistBottomCorners();
  bool PlaceBottomCorners();
  int BottomEdgeFlags(int* misplaced) const;
  int BottomCornerPlaceFlags(int* misplaced) const;

  int orientation_ = 0;
  std::array<Stickers, 6> faces_{};
  std::string solution_;
  std::vector<Candidate> candidates_;
  std::array<Stickers, 6> saved_{};
};

}  // namespace layered
