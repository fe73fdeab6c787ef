#pragma once
// The Petrus solver's own 3×3×3 cube: 54 colour digits that also remember every
// move made on them and every whole-cube rotation or mirroring applied to them.
//
// Facelets: 9 per face in the order U, F, R, B, L, D (face f holds 9f … 9f+8,
// centre 9f+4), each face row by row as seen from outside; U has B at the top,
// D has F at the top, the side faces have U at the top:
//
//                 0  1  2
//                 3  U  5
//                 6  7  8
//      36 37 38 |  9 10 11 | 18 19 20 | 27 28 29
//      39  L 41 | 12  F 14 | 21  R 23 | 30  B 32
//      42 43 44 | 15 16 17 | 24 25 26 | 33 34 35
//                45 46 47
//                48  D 50
//                51 52 53
//
// Careful: this cube's rotation names are its own. Its x turns the cube as an F
// turn does, y as an R turn does and z as a U turn does (the standard notation's
// z, x and y). Mirrors: "xy" swaps U and D, "xz" swaps L and R, "yz" swaps F and B.
//
// Moves are two characters, a face letter and the number of clockwise quarter
// turns 1–3 ("U1", "R3"). Each move is recorded translated back through the frame
// list, so the move list is always a sequence of the cube as it was made: applied
// to the input text as plain turns, it brings the input to this cube's state up to
// the rotations and mirrors.
#include <array>
#include <string>
#include <string_view>

namespace petrus {

inline constexpr int kFaceletCount = 54;
inline constexpr const char* kSolvedFacelets =
    "000000000111111111222222222333333333444444444555555555";
inline constexpr const char* kFaceLetters = "UFRBLD";

class TrackedCube {
 public:
  // `make`: a text that is not exactly 54 characters long gives the solved cube.
  explicit TrackedCube(std::string_view facelets = kSolvedFacelets);

  // A move "U1" … "D3". The digit counts clockwise quarter turns; 0 (or a digit
  // that is a multiple of four, or any character not above '0') turns nothing and
  // records nothing. A letter that is not a face letter does nothing.
  void Move(std::string_view move);
  // Whole-cube rotation 'x', 'y' or 'z' (this cube's own names, see above).
  void Rotate(char axis);
  // Reflection "xy", "xz" or "yz".
  void Mirror(std::string_view plane);
  // Pairs of characters: "rx"/"ry"/"rz" rotate, any other pair is a move.
  void Sequence(std::string_view text);

  // Colour value 0–5 of facelet 9 × face + index (face given by its letter).
  int Colour(char face, int index) const;
  int ColourAt(int facelet) const { return facelets_[facelet] - '0'; }
  // The facelet holding colour a of the corner coloured a, b, c; −1 if none.
  int FindCorner(int a, int b, int c) const;
  // The facelet holding colour a of the edge coloured a, b; −1 if none.
  int FindEdge(int a, int b) const;
  // The centre facelet (4, 13, 22, 31, 40, 49) holding colour a; −1 if none.
  int FindCentre(int a) const;
  bool IsSolved() const;

  const std::string& facelets() const { return facelets_; }
  // The recorded moves, two characters each ("U1R3…"), in the input frame.
  const std::string& moveList() const { return moves_; }
  int MoveCount() const { return static_cast<int>(moves_.size() / 2); }
  // The frame entries, two characters each: "R0" "R1" "R2" for x, y, z and
  // "M0" "M1" "M2" for the mirrors "xy", "xz", "yz".
  const std::string& frameList() const { return frames_; }

  int orientationCode() const { return orientationCode_; }
  void setOrientationCode(int code) { orientationCode_ = code; }

 private:
  void AppendFrame(char kind, int index);
  void Record(char face, int turns);
  void Normalise();

  std::string facelets_;
  int orientationCode_ = 0;
  std::string moves_;
  std::string frames_;
  // The frame list folded into one map: a face letter of the current frame →
  // the letter of the input frame (index by "UFRBLD" position), and whether an
  // odd number of mirrors reverses the turning direction.
  std::array<char, 6> toInputFace_ = {'U', 'F', 'R', 'B', 'L', 'D'};
  bool mirrored_ = false;
};

// Applies a move to a bare facelet text as a plain turn (nothing recorded).
// Returns false, leaving the text alone, for an unknown move or a text that is
// not 54 characters long.
bool ApplyPlainMove(std::string& facelets, std::string_view move);

// "R" for digit 1, "R2" for 2, "R'" for 3.
std::string StandardNotation(std::string_view move);

// Index of a face letter in "UFRBLD", −1 for any other character.
int FaceIndex(char letter);

}  // namespace petrus
