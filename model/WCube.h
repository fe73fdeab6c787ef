#pragma once
// The cube model: one N×N×N cube (N = 2..7) held as a grid of cubies, each
// carrying the colours of its six sides.
//
// Frame. Right-handed, origin at the cube's centre, one cubie edge = 1.
//   X runs from L to R, Y from D to U, Z from B to F. The home view looks at F
//   (+Z) with U (+Y) on top and R (+X) to the right.
// Slots [x][y][z], each 0..N-1 from the negative side: layer 0 of X is the L
//   face layer, layer N-1 the R face layer; likewise D..U for Y and B..F for Z.
//   A slot's centre is (x - h, y - h, z - h) with h = (N - 1) / 2.
// dir. 1 = a quarter turn of +90° about the positive axis (counter-clockwise as
//   seen from the positive end), 0 = -90°. So the clockwise face turns are
//   R = (X, N-1, 0), L = (X, 0, 1), U = (Y, N-1, 0), D = (Y, 0, 1),
//   F = (Z, N-1, 0), B = (Z, 0, 1).
// Sides of a cubie are stored by direction (FaceSlot: +X -X +Y -Y +Z -Z);
//   colours are indices U F R B L D = 0..5, 6 for an inside side.
//
// Facelet text: 6N² characters '0' + value, faces U F R B L D, each face row by
// row as seen from outside. For N = 3 (B = back row, F = front row):
//
//              +---------+
//              | U  z=0  |  rows z = 0..N-1, columns x = 0..N-1
//              |    z=N-1|
//    +---------+---------+---------+---------+
//    | L       | F       | R       | B       |  rows y = N-1..0 (U at the top);
//    | z=0..N-1| x=0..N-1| z=N-1..0| x=N-1..0|  columns as shown
//    +---------+---------+---------+---------+
//              | D  z=N-1|  rows z = N-1..0 (F at the top), columns x = 0..N-1
//              |    z=0  |
//              +---------+
//
// The character of face f, row r, column c is at index f·N² + r·N + c; the
// solved order-3 cube reads 000000000111111111222222222333333333444444444555555555.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/FaceVisibility.h"
#include "model/TurnPresenter.h"
#include "model/TurnRecord.h"
#include "model/Vec3f.h"
#include "model/WCubePiece.h"

namespace model {

constexpr int kMinOrder = 2;
constexpr int kMaxOrder = 7;
constexpr int kSlotsPerAxis = 8;  // the slot grid's capacity; only N of each axis are used
constexpr int kSlotCount = kSlotsPerAxis * kSlotsPerAxis * kSlotsPerAxis;

class WCube {
 public:
  // A solved order-3 cube with an empty history.
  WCube();
  // A solved cube of the order (2..7, else 3) that leaves gFaceVisibility
  // alone: a scratch cube for checking, on any thread, that belongs to no view.
  struct Scratch {};
  WCube(Scratch, int order);
  // Copies the cubies and the history; the copy has no presenter.
  WCube(const WCube& other);
  WCube& operator=(const WCube& other);
  virtual ~WCube() = default;

  // Rebuilds a solved cube of the current order, empties the history and resets
  // gFaceVisibility.
  void Init();
  // Sets the order and rebuilds. An order outside 2..7 keeps the current one.
  void Init(int newOrder);

  int Order() const { return order_; }

  // The cubie in slot (x, y, z); null outside the N×N×N grid in use.
  WCubePiece* Piece(int x, int y, int z);
  const WCubePiece* Piece(int x, int y, int z) const;
  Vec3f SlotCentre(int x, int y, int z) const;

  // Facelet texts of the surface (layout above). Export gives 6N² characters.
  std::string ExportColours() const;
  std::string ExportStickerTurns() const;
  // Read 6N² characters and store character - '0' without any check, so an
  // export gives the same text back. Interior sides are not touched. Return the
  // characters consumed: 6N², or 0 (and nothing changed) when the text is shorter.
  // A read text empties what could be redone.
  int ImportColours(std::string_view text);
  int ImportStickerTurns(std::string_view text);

  // Turns. Flags: animate when non-zero, record when non-zero, sound only when
  // exactly 1. Only TurnLayer records, and only a turn of a layer that exists.
  // Layers outside 0..N-1 and axes outside 0..2 are left alone; a layer named
  // twice (TurnBoth with 2·count > N) turns once.
  void TurnLayer(int axis, int layer, int dir, int animate, int record, int sound);
  void TurnFirst(int axis, int count, int dir, int animate, int sound);  // layers 0..count-1
  void TurnLast(int axis, int count, int dir, int animate, int sound);   // layers N-count..N-1
  void TurnRange(int axis, int start, int count, int dir, int animate, int sound);
  void TurnBoth(int axis, int count, int dir, int animate, int sound);  // first and last count
  // Reverses the last recorded turn (animated, with sound) and keeps it for redo.
  void UndoLast();
  // Turns the most recently undone turn again (animated, with sound) and records it.
  void RedoNext();
  bool CanRedo() const { return !redo_.empty(); }
  // Empties the history and what could be redone.
  void ClearHistory();

  // The recorded single-layer turns, oldest first; its size is the move count.
  std::vector<TurnRecord> history;
  int MoveCount() const { return static_cast<int>(history.size()); }

  // Set once when the program closes: running and later animations stop at once.
  std::int32_t abortAnimation = 0;

  void SetPresenter(TurnPresenter* presenter) { presenter_ = presenter; }
  TurnPresenter* Presenter() const { return presenter_; }

 private:
  using LayerMask = std::uint32_t;  // bit i = layer i
  void BuildSolved();  // Init without touching gFaceVisibility
  void TurnLayers(int axis, LayerMask layers, int dir, int animate, int sound);
  void PermuteLayer(int axis, int layer, int dir);
  LayerMask MaskOfRange(int start, int count) const;
  static int SlotIndex(int x, int y, int z) { return (x * kSlotsPerAxis + y) * kSlotsPerAxis + z; }
  // Slot index of position (u, v) in a layer: (u, v) are (y, z) for X, (z, x) for Y, (x, y) for Z.
  static int LayerSlot(int axis, int layer, int u, int v);

  int order_ = 3;
  // Undone turns, the next one to redo last. Any other change of the cubies
  // (a turn, Init, an import) empties it: the turns would no longer fit.
  std::vector<TurnRecord> redo_;
  bool replaying_ = false;  // set while UndoLast or RedoNext turns
  std::array<std::unique_ptr<WCubePiece>, kSlotCount> slots_;
  std::array<std::array<float, 3>, kSlotCount> slotCentre_{};
  TurnPresenter* presenter_ = nullptr;  // not owned
};

}  // namespace model
