#pragma once
// The Petrus block-building solver ("Lars Petrus玩法") for a coloured 3×3×3 cube.
// It does not search: every step is a table lookup (PetrusTables.h). It starts
// from 48 blocks (every corner, each of its colours on top, both mirror images),
// carries candidates through five stages in several frames, keeps the shortest
// candidate of each group after each stage and returns the shortest complete
// solution. Candidates are TrackedCubes, so their moves are moves of the input.
//
// Input: a CentreCodes text (input::ToCentreCodes): 54 digits in the facelet
// layout of TrackedCube.h, where the centre of face k (U F R B L D) carries k.
//
// Use: SetFacelets → Run → NextMove until it returns the empty text. One object
// per solve.
#include <string>
#include <string_view>
#include <vector>

#include "solvers/petrus/PetrusTables.h"

namespace petrus {

// SetFacelets results.
inline constexpr int kFaceletsOk = 0;
inline constexpr int kFaceletsWrongLength = 1;   // not 54 characters
inline constexpr int kFaceletsBadCharacter = 2;  // a character outside '0'–'5'
inline constexpr int kFaceletsBadCount = 3;      // a digit not exactly 9 times
// Run results.
inline constexpr int kRunOk = 0;
inline constexpr int kRunUnsolvable = 4;  // some stage failed: the colouring cannot be solved
inline constexpr int kRunNotReady = 5;    // SetFacelets has not accepted a text

inline constexpr const char* kNotSolvedText = "not solved";

class PetrusSolver {
 public:
  PetrusSolver();

  int SetFacelets(std::string_view text);
  // Solves the stored text. `usage`, when given, counts the table entries used.
  int Run(TableUsage* usage = nullptr);

  // The stored text (advanced by NextMove) once solved, else "not solved".
  std::string CurrentFacelets() const;
  // The next solution move in standard notation ("R", "U2", "F'"), applied to the
  // stored text; the empty text after the last one; "not solved" before a
  // successful Run.
  std::string NextMove();

  // 100 + 10 × (digit on the U centre) + (digit on the F centre) of the chosen
  // candidate's frame at the end of stage 1; see PetrusRoute.h for its use.
  int orientationCode() const { return orientationCode_; }
  bool ready() const { return ready_; }
  bool solved() const { return solved_; }
  // The solution as two-character moves ("R3") and in standard notation ("R'").
  const std::vector<std::string>& solutionMoves() const { return solutionMoves_; }
  const std::vector<std::string>& solutionTexts() const { return solutionTexts_; }

 private:
  int orientationCode_ = 0;
  std::string facelets_;
  bool ready_ = false;
  bool solved_ = false;
  std::vector<std::string> solutionMoves_;
  std::vector<std::string> solutionTexts_;
  size_t cursor_ = 0;
};

}  // namespace petrus
