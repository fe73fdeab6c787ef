#include "solvers/twophase/KubeFacelets.h"

#include <algorithm>
#include <array>

#include "solvers/twophase/KubeLayout.h"
#include "solvers/twophase/MovesPhase1.h"

namespace twophase {

namespace {
constexpr const char* kFaceLetters = "UDLRFB";  // facelet face order

template <std::size_t N>
bool OddPermutation(const std::array<std::uint8_t, N>& a) {
  int inversions = 0;
  for (std::size_t i = 0; i < N; ++i)
    for (std::size_t j = i + 1; j < N; ++j) inversions += a[j] < a[i];
  return inversions & 1;
}
}  // namespace

std::string LabelledFacesOf(const CKube& cube) {
  CornerOrient twists;
  twists.Decode(cube.twist);
  EdgeOrient flips;
  flips.Decode(cube.flip);
  std::array<char, kFaceletCount> letters{};
  for (int f = 0; f < 6; ++f) letters[9 * f + 4] = kFaceLetters[f];
  for (int p = 0; p < kCornerCount; ++p) {
    const auto& home = kCornerFacelets[cube.cornerPerm[p]];
    for (int j = 0; j < 3; ++j) {
      letters[kCornerFacelets[p][j]] = kFaceLetters[home[(j + twists.cornerTwist[p]) % 3] / 9];
    }
  }
  for (int p = 0; p < kEdgeCount; ++p) {
    const auto& home = kEdgeFacelets[cube.edgePerm[p]];
    for (int j = 0; j < 2; ++j) letters[kEdgeFacelets[p][j]] = kFaceLetters[home[(j + flips.edgeFlip[p]) % 2] / 9];
  }
  std::string text;
  for (int f = 0; f < 6; ++f) {
    if (f) text += ' ';
    text += kFaceLetters[f];
    text += ':';
    text.append(letters.begin() + 9 * f, letters.begin() + 9 * f + 9);
  }
  return text;
}

CKube RandomKube(std::mt19937_64& rng) {
  CKube cube;
  std::shuffle(cube.cornerPerm.begin(), cube.cornerPerm.end(), rng);
  std::shuffle(cube.edgePerm.begin(), cube.edgePerm.end(), rng);
  if (OddPermutation(cube.cornerPerm) != OddPermutation(cube.edgePerm)) std::swap(cube.edgePerm[0], cube.edgePerm[1]);
  cube.twist = static_cast<std::uint16_t>(rng() % CornerOrient::kCount);
  cube.flip = static_cast<std::uint16_t>(rng() % EdgeOrient::kCount);
  return cube;
}

}  // namespace twophase
