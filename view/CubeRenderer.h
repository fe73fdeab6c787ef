#pragma once
// OpenGL 1.x fixed-function drawing of the cube: the context's fixed state and
// lights, and the frame (background picture, camera, pieces). The pieces are
// drawn from vertex arrays gathered each frame (view/PieceBatches.h). Owns
// nothing but GL names of the current context; the caller makes the context
// current around every call.
#include <array>

#include "model/WCube.h"
#include "model/viewmath/ViewMath.h"
#include "view/PieceBatches.h"

namespace view {

struct BackgroundPicture {
  unsigned texture = 0;
  int width = 0, height = 0;  // only the aspect ratio matters
};

class CubeRenderer {
 public:
  // Fixed state and lights. Needs a current context.
  void Initialise();
  // Deletes the textures. Needs the context current.
  void Release();

  void ApplySunlight(bool on);

  // One frame (without the buffer swap). `volume` is the orthographic volume
  // set by the last resize, `modelView` the frame's camera matrix.
  void DrawFrame(const model::WCube& cube, const viewmath::Mat4& modelView,
                 const viewmath::OrthoVolume& volume);

  // Textures of the stickers by colour index 0..6 and of the background.
  std::array<unsigned, 7> faceTexture{};
  BackgroundPicture background;

 private:
  void DrawBackground(const viewmath::OrthoVolume& volume);
  void DrawBodies(const PieceGroup& group);
  void DrawFlatStickers(const PieceGroup& group);
  void DrawTexturedStickers(const PieceGroup& group);

  PieceBatches batches_;
};

}  // namespace view
