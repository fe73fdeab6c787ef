#pragma once
// The projection view of a 3×3×3 cube: each face turned away from the viewer
// shows as a floating translucent copy of its stickers three units further
// out, added onto what is behind. Needs a current context with the cube's
// model-view matrix loaded.
#include <array>

#include "model/WCube.h"

namespace view {

// Draws the panels of every piece of `cube`; a turning piece's panel shows
// only within its angle window. `faceTexture` are the tiles by colour 0..6.
void DrawProjectionPanels(const model::WCube& cube, const std::array<unsigned, 7>& faceTexture,
                          bool textured);

}  // namespace view
