#pragma once
// A presenter that notes what a turn asks of the view, and what the cube looked
// like when the animation started.
#include <string>
#include <vector>

#include "model/WCube.h"

struct RecordingPresenter : model::TurnPresenter {
  struct Animation {
    int pieces;
    model::Vec3f axis;
    float angle;
    std::string coloursAtStart;
  };
  std::vector<int> sounds;
  std::vector<Animation> animations;

  void AnimateTurn(model::WCube& cube, std::span<model::WCubePiece* const> pieces, const model::Vec3f& axis,
                   float targetAngle) override {
    animations.push_back({static_cast<int>(pieces.size()), axis, targetAngle, cube.ExportColours()});
  }
  void PlayAxisSound(int axis) override { sounds.push_back(axis); }
};
