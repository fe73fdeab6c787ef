#pragma once
// KFacelet: a cube read from the labelled facelet text "U:……… D:……… L:……… R:……… F:……… B:………"
// (six groups in any order, nine colour characters each, in the facelet order of
// KubeLayout.h), checked and converted into its CKube part.
#include <array>
#include <cstdint>
#include <string>

#include "solvers/twophase/CKube.h"

namespace twophase {

// Results of KFacelet::Validate; every non-zero code means "the colours are wrong".
enum FaceletCode : int {
  kFaceletsOk = 0,
  kUnknownColour = 1,     // a facelet has no centre's colour
  kWrongColourCount = 2,  // a colour does not occur exactly nine times
  kSameCentres = 3,       // two centres share a colour (also: a face never given)
  kBadCorner = 4,         // a corner matches no cubie, or a cubie occurs twice
  kTwistedCorner = 5,     // corner twists do not add up
  kBadEdge = 6,           // an edge matches no cubie, or a cubie occurs twice
  kFlippedEdge = 7,       // edge flips do not add up
  kParity = 8,            // corner and edge permutation parities differ
};

class KFacelet : public CKube {
 public:
  // Never fails; a defect shows in Validate. Faces whose label is missing stay spaces.
  explicit KFacelet(const std::string& labelledFaces);

  // 0, or the first failing check's code; on 0 the CKube part holds the cube.
  int Validate();

  std::array<std::uint8_t, 54> facelets;  // colour codes, facelet order
  std::array<std::uint8_t, 6> centres{};  // colour codes of the centres, facelet face order

 private:
  int ReadCorners();
  int ReadEdges();

  std::array<std::uint8_t, 54> faces_{};  // the face (centre index) of each facelet
  std::array<std::uint8_t, 8> workCorners_{};
  std::array<std::uint8_t, 12> workEdges_{};
  std::uint16_t workTwist_ = 0;
  std::uint16_t workFlip_ = 0;
};

}  // namespace twophase
