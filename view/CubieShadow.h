#pragma once
// Which parts of a cubie's body lie hidden behind a neighbouring cubie, for a
// viewer looking along one direction (the view is orthographic). A cubie
// whose sides towards the viewer all carry stickers is a closed, convex solid
// on that side: whatever lies behind it along the line of sight is covered.
#include <array>
#include <cstdint>

#include "model/Vec3f.h"

namespace view {

// Bit q is set when every point of body quad q (view/CubieGeometry.h) of a
// cubie at the origin is covered, seen from `towardViewer`, by a closed cubie
// centred at `offset` (in whole cubies). Errs towards leaving bits clear.
std::uint64_t BodyQuadsBehind(const model::Vec3f& towardViewer, const std::array<int, 3>& offset);

}  // namespace view
