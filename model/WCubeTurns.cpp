// Quarter turns of one or more parallel layers, and undo.
#include "model/WCube.h"

namespace model {

namespace {
constexpr Vec3f kAxisVectors[3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}};
}  // namespace

int WCube::LayerSlot(int axis, int layer, int u, int v) {
  switch (axis) {
    case 0: return SlotIndex(layer, u, v);
    case 1: return SlotIndex(v, layer, u);
    default: return SlotIndex(u, v, layer);
  }
}

WCube::LayerMask WCube::MaskOfRange(int start, int count) const {
  LayerMask mask = 0;
  for (int layer = start; layer < start + count; ++layer) {
    if (layer >= 0 && layer < order_) mask |= LayerMask{1} << layer;
  }
  return mask;
}

void WCube::TurnLayer(int axis, int layer, int dir, int animate, int record, int sound) {
  const LayerMask mask = MaskOfRange(layer, 1);
  if (axis < 0 || axis > 2 || mask == 0) return;
  dir = dir != 0 ? 1 : 0;
  TurnLayers(axis, mask, dir, animate, sound);
  if (record) history.push_back({axis, layer, dir});
}

void WCube::TurnFirst(int axis, int count, int dir, int animate, int sound) {
  TurnLayers(axis, MaskOfRange(0, count), dir, animate, sound);
}

void WCube::TurnLast(int axis, int count, int dir, int animate, int sound) {
  TurnLayers(axis, MaskOfRange(order_ - count, count), dir, animate, sound);
}

void WCube::TurnRange(int axis, int start, int count, int dir, int animate, int sound) {
  TurnLayers(axis, MaskOfRange(start, count), dir, animate, sound);
}

void WCube::TurnBoth(int axis, int count, int dir, int animate, int sound) {
  TurnLayers(axis, MaskOfRange(0, count) | MaskOfRange(order_ - count, count), dir, animate, sound);
}

void WCube::UndoLast() {
  if (history.empty()) return;
  const TurnRecord last = history.back();
  replaying_ = true;
  TurnLayer(last.axis, last.layer, last.dir != 0 ? 0 : 1, 1, 0, 1);
  replaying_ = false;
  history.pop_back();
  redo_.push_back(last);
}

void WCube::RedoNext() {
  if (redo_.empty()) return;
  const TurnRecord next = redo_.back();
  redo_.pop_back();
  replaying_ = true;
  TurnLayer(next.axis, next.layer, next.dir, 1, 1, 1);
  replaying_ = false;
}

void WCube::ClearHistory() {
  history.clear();
  redo_.clear();
}

// Sound, animation, re-mapping of every moving cubie, then the slot permutation.
// Allocates nothing: the moving cubies are listed in a fixed local array.
void WCube::TurnLayers(int axis, LayerMask layers, int dir, int animate, int sound) {
  if (axis < 0 || axis > 2 || layers == 0) return;
  if (!replaying_) redo_.clear();
  dir = dir != 0 ? 1 : 0;
  const int n = order_;
  if (sound == 1 && presenter_) presenter_->PlayAxisSound(axis);

  std::array<WCubePiece*, kSlotCount> moving;
  int movingCount = 0;
  for (int layer = 0; layer < n; ++layer) {
    if (!(layers >> layer & 1)) continue;
    for (int u = 0; u < n; ++u) {
      for (int v = 0; v < n; ++v) moving[movingCount++] = slots_[LayerSlot(axis, layer, u, v)].get();
    }
  }
  if (animate && presenter_) {
    presenter_->AnimateTurn(*this, std::span<WCubePiece* const>(moving.data(), movingCount),
                            kAxisVectors[axis], dir == 1 ? 90.0f : -90.0f);
  }
  for (int i = 0; i < movingCount; ++i) moving[i]->Rotate(axis, dir);
  for (int layer = 0; layer < n; ++layer) {
    if (layers >> layer & 1) PermuteLayer(axis, layer, dir);
  }
}

// In layer coordinates (u, v) a +90° turn takes (u, v) to (N-1-v, u) for every
// axis. The slots form concentric rings; in ring j each start (j, j+k) and its
// three images form one 4-cycle, shifted in place. An odd layer's centre stays.
void WCube::PermuteLayer(int axis, int layer, int dir) {
  const int max = order_ - 1;
  for (int ring = 0; ring < order_ / 2; ++ring) {
    for (int k = 0; k <= max - 2 * ring - 1; ++k) {
      int cycle[4];
      int u = ring;
      int v = ring + k;
      for (int& slot : cycle) {
        slot = LayerSlot(axis, layer, u, v);
        const int oldU = u;
        if (dir == 1) {
          u = max - v;
          v = oldU;
        } else {
          u = v;
          v = max - oldU;
        }
      }
      // The cubie in cycle[i] moves to cycle[i + 1].
      std::unique_ptr<WCubePiece> last = std::move(slots_[cycle[3]]);
      slots_[cycle[3]] = std::move(slots_[cycle[2]]);
      slots_[cycle[2]] = std::move(slots_[cycle[1]]);
      slots_[cycle[1]] = std::move(slots_[cycle[0]]);
      slots_[cycle[0]] = std::move(last);
    }
  }
}

}  // namespace model
