#pragma once
// Stands between a cube and its view to count what the player sees and hears:
// each animated turn and each axis sound, passed on to the view unchanged.
#include <vector>

#include "model/TurnPresenter.h"
#include "model/WCube.h"

struct RecordingPresenter : model::TurnPresenter {
  model::WCube& cube;
  model::TurnPresenter* inner;
  int animations = 0;
  std::vector<int> sounds;

  explicit RecordingPresenter(model::WCube& c) : cube(c), inner(c.Presenter()) { cube.SetPresenter(this); }
  ~RecordingPresenter() override { cube.SetPresenter(inner); }

  void AnimateTurn(model::WCube& c, std::span<model::WCubePiece* const> pieces, const model::Vec3f& axis,
                   float angle) override {
    ++animations;
    if (inner) inner->AnimateTurn(c, pieces, axis, angle);
  }
  void PlayAxisSound(int axis) override {
    sounds.push_back(axis);
    if (inner) inner->PlayAxisSound(axis);
  }
  void Reset() {
    animations = 0;
    sounds.clear();
  }
};
