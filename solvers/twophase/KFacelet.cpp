#include "solvers/twophase/KFacelet.h"

#include "solvers/twophase/KubeLayout.h"

namespace twophase {

namespace {
constexpr const char* kFaceLabels = "UDLRFB";  // facelet face order

// The home faces of a cubie's facelets read starting at the given twist.
template <std::size_t N>
int PieceValue(const std::array<std::uint8_t, N>& facelets, int twist, int base) {
  int value = 0;
  for (std::size_t j = 0; j < N; ++j) value = value * base + facelets[(j + twist) % N] / 9;
  return value;
}

template <std::size_t N>
bool AllDifferent(const std::array<std::uint8_t, N>& perm) {
  unsigned seen = 0;
  for (auto v : perm) seen |= 1u << v;
  return seen == (1u << N) - 1;
}

template <std::size_t N>
int InversionParity(const std::array<std::uint8_t, N>& a) {
  int inversions = 0;
  for (std::size_t i = 0; i < N; ++i)
    for (std::size_t j = i + 1; j < N; ++j) inversions += a[j] < a[i];
  return inversions & 1;
}
}  // namespace

KFacelet::KFacelet(const std::string& labelledFaces) {
  facelets.fill(' ');
  const std::size_t length = labelledFaces.size();
  std::size_t i = 0;
  while (i + 10 < length) {
    int face = -1;
    if (labelledFaces[i + 1] == ':') {
      for (int f = 0; f < 6; ++f) {
        if (labelledFaces[i] == kFaceLabels[f]) face = f;
      }
    }
    if (face < 0) {
      ++i;
      continue;
    }
    for (int k = 0; k < 9; ++k) {
      facelets[9 * face + k] = static_cast<std::uint8_t>(labelledFaces[i + 2 + k]);
    }
    i += 11;
  }
}

int KFacelet::Validate() {
  for (int f = 0; f < 6; ++f) centres[f] = facelets[9 * f + 4];
  for (int f = 0; f < 6; ++f)
    for (int g = f + 1; g < 6; ++g)
      if (centres[f] == centres[g]) return kSameCentres;

  std::array<int, 6> counts{};
  for (int k = 0; k < kFaceletCount; ++k) {
    int face = -1;
    for (int f = 0; f < 6; ++f) {
      if (facelets[k] == centres[f]) face = f;
    }
    if (face < 0) return kUnknownColour;
    faces_[k] = static_cast<std::uint8_t>(face);
    ++counts[face];
  }
  for (int c : counts)
    if (c != 9) return kWrongColourCount;

  if (int code = ReadCorners()) return code;
  if (int code = ReadEdges()) return code;
  if (InversionParity(workEdges_) != InversionParity(workCorners_)) return kParity;

  cornerPerm = workCorners_;
  edgePerm = workEdges_;
  twist = workTwist_;
  flip = workFlip_;
  return kFaceletsOk;
}

int KFacelet::ReadCorners() {
  unsigned twists = 0;
  int twistSum = 0;
  for (int p = 0; p < kCornerCount; ++p) {
    const auto& at = kCornerFacelets[p];
    const int seen = 36 * faces_[at[0]] + 6 * faces_[at[1]] + faces_[at[2]];
    int found = -1, foundTwist = 0;
    for (int k = 0; k < kCornerCount && found < 0; ++k) {
      for (int t = 0; t < 3 && found < 0; ++t) {
        if (PieceValue(kCornerFacelets[k], t, 6) == seen) {
          found = k;
          foundTwist = t;
        }
      }
    }
    if (found < 0) return kBadCorner;
    workCorners_[p] = static_cast<std::uint8_t>(found);
    twists = twists * 3 + static_cast<unsigned>(foundTwist);
    twistSum += foundTwist;
  }
  workTwist_ = static_cast<std::uint16_t>(twists / 3);
  if (!AllDifferent(workCorners_)) return kBadCorner;
  if (twistSum % 3 != 0) return kTwistedCorner;
  return kFaceletsOk;
}

int KFacelet::ReadEdges() {
  unsigned flips = 0;
  int flipSum = 0;
  for (int p = 0; p < kEdgeCount; ++p) {
    const auto& at = kEdgeFacelets[p];
    const int seen = 6 * faces_[at[0]] + faces_[at[1]];
    int found = -1, foundFlip = 0;
    for (int k = 0; k < kEdgeCount && found < 0; ++k) {
      for (int f = 0; f < 2 && found < 0; ++f) {
        if (PieceValue(kEdgeFacelets[k], f, 6) == seen) {
          found = k;
          foundFlip = f;
        }
      }
    }
    if (found < 0) return kBadEdge;
    workEdges_[p] = static_cast<std::uint8_t>(found);
    flips = flips * 2 + static_cast<unsigned>(foundFlip);
    flipSum += foundFlip;
  }
  workFlip_ = static_cast<std::uint16_t>(flips / 2);
  if (!AllDifferent(workEdges_)) return kBadEdge;
  if (flipSum % 2 != 0) return kFlippedEdge;
  return kFaceletsOk;
}

}  // namespace twophase
