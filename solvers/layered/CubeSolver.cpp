#include "solvers/layered/CubeSolver.h"

#include <algorithm>

#include "solvers/layered/LayeredTables.h"
#include "solvers/layered/PostProcess.h"

namespace layered {

namespace {

// Facelet-text blocks (U F R B L D) → face objects (U F R L B D).
constexpr std::array<int, 6> kTextBlockToFace = {kU, kF, kR, kB, kL, kD};

// The face's own stickers under a clockwise quarter turn: new[to] = old[from].
constexpr std::array<int, 9> kClockwiseFrom = {6, 3, 0, 7, 4, 1, 8, 5, 2};

Stickers RotatedClockwise(const Stickers& s) {
  Stickers out{};
  for (int i = 0; i < 9; ++i) out[i] = s[kClockwiseFrom[i]];
  return out;
}

void RotateOwn(Stickers& s, int quarters) {
  for (int q = 0; q < quarters; ++q) s = RotatedClockwise(s);
}

// The orientation prefixes of the 24 attempts (each followed by 0..3 "Y+.").
constexpr std::array<std::string_view, 6> kPrefixes = {
    "", "X+.", "X+.X+.", "X+.X+.X+.", "Y+.X+.", "Y-.X+."};

}  // namespace

CCubeSolver::CCubeSolver() { Reset(); }

void CCubeSolver::Reset() {
  for (int f = 0; f < 6; ++f) faces_[f].fill(static_cast<std::uint8_t>(f + 1));
}

void CCubeSolver::LoadText(std::string_view text) {
  Reset();
  if (text.size() != 54) return;
  for (int block = 0; block < 6; ++block)
    for (int i = 0; i < 9; ++i)
      faces_[kTextBlockToFace[block]][i] = static_cast<std::uint8_t>(text[block * 9 + i] - '/');
}

std::string CCubeSolver::ExportText() const {
  std::string out(54, '?');
  for (int block = 0; block < 6; ++block)
    for (int i = 0; i < 9; ++i)
      out[block * 9 + i] = static_cast<char>(faces_[kTextBlockToFace[block]][i] + '/');
  return out;
}

void CCubeSolver::SaveState() { saved_ = faces_; }
void CCubeSolver::RestoreState() { faces_ = saved_; }

void CCubeSolver::TurnFace(int face) {
  RotateOwn(faces_[face], 1);
  const auto& ring = Ring(face);
  std::array<std::uint8_t, 12> old{};
  for (int k = 0; k < 12; ++k) old[k] = faces_[ring[k].face][ring[k].index];
  for (int k = 0; k < 12; ++k) faces_[ring[k].face][ring[k].index] = old[(k + 9) % 12];
}

void CCubeSolver::TurnFaceBack(int face) {
  RotateOwn(faces_[face], 3);
  const auto& ring = Ring(face);
  std::array<std::uint8_t, 12> old{};
  for (int k = 0; k < 12; ++k) old[k] = faces_[ring[k].face][ring[k].index];
  for (int k = 0; k < 12; ++k) faces_[ring[k].face][ring[k].index] = old[(k + 3) % 12];
}

void CCubeSolver::TurnWholeY() {
  const Stickers front = faces_[kF];
  faces_[kF] = faces_[kR];
  faces_[kR] = faces_[kB];
  faces_[kB] = faces_[kL];
  faces_[kL] = front;
  RotateOwn(faces_[kU], 1);
  RotateOwn(faces_[kD], 3);
}

void CCubeSolver::TurnWholeYPrime() {
  const Stickers front = faces_[kF];
  faces_[kF] = faces_[kL];
  faces_[kL] = faces_[kB];
  faces_[kB] = faces_[kR];
  faces_[kR] = front;
  RotateOwn(faces_[kU], 3);
  RotateOwn(faces_[kD], 1);
}

void CCubeSolver::TurnWholeX() {
  const Stickers up = faces_[kU];
  faces_[kU] = faces_[kF];
  faces_[kF] = faces_[kD];
  faces_[kD] = faces_[kB];
  faces_[kB] = up;
  RotateOwn(faces_[kB], 2);
  RotateOwn(faces_[kD], 2);
  RotateOwn(faces_[kR], 1);
  RotateOwn(faces_[kL], 3);
}

void CCubeSolver::TurnWholeXPrime() {
  const Stickers up = faces_[kU];
  faces_[kU] = faces_[kB];
  faces_[kB] = faces_[kD];
  faces_[kD] = faces_[kF];
  faces_[kF] = up;
  RotateOwn(faces_[kB], 2);
  RotateOwn(faces_[kU], 2);
  RotateOwn(faces_[kL], 1);
  RotateOwn(faces_[kR], 3);
}

void CCubeSolver::Run(std::string_view tokens) {
  for (size_t at = 0; at + 3 <= tokens.size(); at += 3) {
    const char letter = tokens[at], how = tokens[at + 1];
    if (letter == 'X' || letter == 'Y') {
      if (how == '+') letter == 'X' ? TurnWholeX() : TurnWholeYPrime();
      if (how == '-') letter == 'X' ? TurnWholeXPrime() : TurnWholeY();
      continue;
    }
    const int face = FaceOfLetter(letter);
    if (face == kNoFace) continue;  // markers
    if (how == '+') TurnFace(face);
    if (how == '-') TurnFaceBack(face);
    if (how == '*') {
      TurnFace(face);
      TurnFace(face);
    }
  }
}

void CCubeSolver::Append(std::string_view algorithm) {
  solution_ += algorithm;
  Run(algorithm);
}

int CCubeSolver::EdgeFace(std::uint8_t a, std::uint8_t b) const {
  for (const auto& edge : EdgePositions()) {
    const std::uint8_t s0 = faces_[edge[0].face][edge[0].index];
    const std::uint8_t s1 = faces_[edge[1].face][edge[1].index];
    if (s0 == a && s1 == b) return edge[0].face;
    if (s0 == b && s1 == a) return edge[1].face;
  }
  return kNoFace;
}

int CCubeSolver::CornerFace(std::uint8_t a, std::uint8_t b, std::uint8_t c) const {
  auto other = [b, c](std::uint8_t s) { return s == b || s == c; };
  for (const auto& corner : CornerPositions()) {
    const std::uint8_t s1 = faces_[corner[0].face][corner[0].index];
    const std::uint8_t s2 = faces_[corner[1].face][corner[1].index];
    const std::uint8_t s3 = faces_[corner[2].face][corner[2].index];
    if (s1 == a && other(s2) && other(s3)) return corner[0].face;
    if (s2 == a && other(s1) && other(s3)) return corner[1].face;
    if (s3 == a && other(s1) && other(s2)) return corner[2].face;
  }
  return kNoFace;
}

int CCubeSolver::CornerSlot(std::uint8_t a, std::uint8_t b, std::uint8_t c) const {
  const auto& corners = CornerPositions();
  for (size_t k = 0; k < corners.size(); ++k) {
    std::array<std::uint8_t, 3> seen{}, wanted = {a, b, c};
    for (int s = 0; s < 3; ++s) seen[s] = faces_[corners[k][s].face][corners[k][s].index];
    std::sort(seen.begin(), seen.end());
    std::sort(wanted.begin(), wanted.end());
    if (seen == wanted) return static_cast<int>(k);
  }
  return -1;
}

bool CCubeSolver::ColoursValid() const {
  for (int colour = 1; colour <= 6; ++colour) {
    bool found = false;
    for (int f = 0; f < 6; ++f) found = found || Centre(f) == colour;
    if (!found) return false;
  }
  for (const auto& edge : EdgePositions())
    if (EdgeFace(Centre(edge[0].face), Centre(edge[1].face)) == kNoFace) return false;
  for (const auto& corner : CornerPositions())
    if (CornerFace(Centre(corner[0].face), Centre(corner[1].face), Centre(corner[2].face)) ==
        kNoFace)
      return false;
  return true;
}

bool CCubeSolver::FacesSolved() const {
  for (const auto& face : faces_)
    for (std::uint8_t sticker : face)
      if (sticker != face[4]) return false;
  return true;
}

int CCubeSolver::Solve() {
  solution_.clear();
  orientation_ = 0;
  candidates_.clear();
  if (!ColoursValid()) return kInvalidColours;
  SaveState();
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 4; ++j) {
      solution_ = kPrefixes[i];
      for (int k = 0; k < j; ++k) solution_ += "Y+.";
      Run(solution_);
      // Steps can all finish on a colouring no cube has (a mirrored corner);
      // only an attempt that leaves the cube solved counts.
      if (RunSteps() && FacesSolved()) candidates_.push_back({PostProcessSolution(solution_), 4 * i + j});
      RestoreState();
    }
  }
  // The shortest wins; on equal lengths the earlier attempt. (A length cap
  // that refused every candidate would report a solvable cube as solved with
  // an empty solution, so there is none.)
  const Candidate* best = nullptr;
  for (const auto& candidate : candidates_)
    if (!best || candidate.text.size() < best->text.size()) best = &candidate;
  solution_ = best ? best->text : std::string();
  orientation_ = best ? best->orientation : 0;
  return best ? kSolved : kNoSolution;
}

}  // namespace layered
