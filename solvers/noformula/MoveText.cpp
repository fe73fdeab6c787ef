#include "solvers/noformula/MoveText.h"

#include <array>

namespace noformula {

namespace {

constexpr int kU = 0, kD = 1, kF = 2, kB = 3, kR = 4, kL = 5;
constexpr int kX = 0, kY = 1, kZ = 2;  // whole-cube axes
constexpr int kFaceLimit = kWholeX;

// A quarter whole-cube turn about an axis: after it, a face (or rotation) named
// by cycle entry t means what entry t−1 meant before.
struct AxisCycles {
  std::array<int, 4> faces;
  std::array<int, 4> rotations;  // whole-cube codes (quarter, clockwise or anticlockwise)
};
const std::array<AxisCycles, 3> kAxisCycles = {{
    {{kF, kU, kB, kD}, {kWholeZ, kWholeY, kWholeZ + 2, kWholeY + 2}},  // x
    {{kR, kF, kL, kB}, {kWholeX, kWholeZ, kWholeX + 2, kWholeZ + 2}},  // y
    {{kL, kU, kR, kD}, {kWholeY, kWholeX, kWholeY + 2, kWholeX + 2}},  // z
}};

int Rewritten(int code, const AxisCycles& cycles) {
  if (code < kFaceLimit) {
    for (int t = 0; t < 4; ++t)
      if (code / 3 == cycles.faces[t]) return cycles.faces[(t + 3) % 4] * 3 + code % 3;
    return code;
  }
  for (int t = 0; t < 4; ++t) {
    const int entry = cycles.rotations[t];
    const bool halfOfSameAxis = code % 3 == 1 && code / 3 == entry / 3;
    if (code == entry) return cycles.rotations[(t + 3) % 4];
    if (halfOfSameAxis) return (cycles.rotations[(t + 3) % 4] / 3) * 3 + 1;
  }
  return code;
}

// The pair (0 U/D, 1 F/B, 2 R/L) of a face move, and its place in the pair.
int PairOf(int code) { return code / 6; }

void WriteAmount(std::string& out, int face, int quarters) {
  static const char* kLetters = "UDFBRL";
  static const char* kSuffix[] = {"", " ", "2 ", "' "};
  if (quarters == 0) return;
  out += kLetters[face];
  out += kSuffix[quarters];
}

}  // namespace

MoveList ReExpress(MoveList codes) {
  for (size_t i = 0; i < codes.size(); ++i) {
    const int code = codes[i];
    if (code < kWholeX || code >= kStepMarker) continue;
    const AxisCycles& cycles = kAxisCycles[(code - kWholeX) / 3];
    for (int q = 0; q < code % 3 + 1; ++q)
      for (size_t h = i + 1; h < codes.size(); ++h)
        if (codes[h] < kStepMarker) codes[h] = Rewritten(codes[h], cycles);
  }
  return codes;
}

std::string WriteText(const MoveList& codes) {
  std::string out;
  int step = 0;
  for (size_t i = 0; i < codes.size();) {
    const int code = codes[i];
    if (code == kStepMarker) {
      out += '[';
      out += std::to_string(++step);
      out += "] ";
      ++i;
    } else if (code == kSubStepMarker) {
      out += "[.] ";
      ++i;
    } else if (code < kFaceLimit) {
      // A run of moves on one pair of opposite faces, passing over silent markers.
      const int pair = PairOf(code);
      std::array<int, 2> quarters = {0, 0};
      while (i < codes.size() && (codes[i] == kSilentMarker ||
                                  (codes[i] < kFaceLimit && PairOf(codes[i]) == pair))) {
        if (codes[i] != kSilentMarker) quarters[(codes[i] / 3) % 2] += codes[i] % 3 + 1;
        ++i;
      }
      WriteAmount(out, 2 * pair, quarters[0] % 4);
      WriteAmount(out, 2 * pair + 1, quarters[1] % 4);
    } else {
      ++i;  // whole-cube turns and silent markers write nothing
    }
  }
  return out;
}

}  // namespace noformula
