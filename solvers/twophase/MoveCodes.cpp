#include "solvers/twophase/MoveCodes.h"

#include <array>

namespace twophase {

namespace {
constexpr std::array<std::uint8_t, 6> kFaceToK = {0, 1, 4, 5, 3, 2};  // R L U D F B → k
constexpr std::array<const char*, 24> kNames = {
    "", "", "", "", "", "",
    "R", "L", "B", "F", "U", "D",
    "R2", "L2", "B2", "F2", "U2", "D2",
    "R'", "L'", "B'", "F'", "U'", "D'",
};
constexpr std::size_t kLineLimit = 70;
}  // namespace

std::uint8_t MoveCode(int face, int count) {
  return static_cast<std::uint8_t>(6 * count + kFaceToK[static_cast<std::size_t>(face)]);
}

std::uint8_t InverseMoveCode(std::uint8_t code) {
  return static_cast<std::uint8_t>(code % 6 + 24 - 6 * (code / 6));
}

const char* MoveName(std::uint8_t code) { return code < kNames.size() ? kNames[code] : ""; }

std::string FormatSolution(const std::uint8_t* codes, int length) {
  std::string text;
  std::size_t lineStart = 0;
  for (int i = 0; i < length; ++i) {
    if (i > 0) {
      if (text.size() - lineStart >= kLineLimit) {
        text += "\r\n";
        lineStart = text.size();
      } else {
        text += ' ';
      }
    }
    text += MoveName(codes[i]);
  }
  return text;
}

std::string JoinMoves(const std::uint8_t* codes, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) {
    if (i > 0) text += ' ';
    text += MoveName(codes[i]);
  }
  return text;
}

}  // namespace twophase
