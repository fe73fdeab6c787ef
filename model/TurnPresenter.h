#pragma once
// How a turn reaches the screen and the speakers. The 3D view implements this
// and attaches itself with WCube::SetPresenter; a cube without a presenter
// turns silently and without animation (tests, rovan-cli, solvers).
#include <span>

#include "model/Vec3f.h"

namespace model {

class WCube;
class WCubePiece;

class TurnPresenter {
 public:
  virtual ~TurnPresenter() = default;

  // Called before the turn changes anything, with the cubies of the turning
  // layers still in their old slots. Shows the rotation frame by frame (set
  // inTurn, turnAxis and turnAngle on each piece, repaint, wait) and returns
  // when it is over, putting turnAngle and inTurn back to 0. When
  // cube.abortAnimation is set it returns at once; the turn still completes.
  virtual void AnimateTurn(WCube& cube, std::span<WCubePiece* const> pieces, const Vec3f& axis,
                           float targetAngle) = 0;

  // Starts the sound of a turn about axis 0 X, 1 Y, 2 Z, cutting off any sound
  // still playing, and returns without waiting for it.
  virtual void PlayAxisSound(int axis) = 0;
};

}  // namespace model
