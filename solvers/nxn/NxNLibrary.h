#pragma once
// Move sequences the reduction chooses from, per order (4..7), built once.
//
// Centre items: 3-cycles of centre pieces that move no other centre (edges and
// corners may change), plus single turns that keep every wing orbit's
// permutation parity (outer turns, inner half turns). Wing items: 3-cycles of
// wings that move nothing else. Base items are commutators [slice, face turn
// sequence] found by trying; the rest are their conjugates by single turns,
// until every 3-cycle of every orbit has a sequence (shortest found first).
// Centre items also include commutators of block turns [A, T B T⁻¹] (A, B
// blocks of neighbouring layers on one axis, T an outer quarter turn), which
// move whole bars of centres for eight block turns.
#include <array>
#include <cstdint>
#include <vector>

#include "solvers/nxn/NxNGeometry.h"
#include "solvers/nxn/NxNMoves.h"

namespace nxn {

struct Transfer {
  int to;    // position whose content is replaced
  int from;  // position the new content comes from
};

struct LibraryItem {
  MoveList moves;
  std::vector<Transfer> transfers;
  int cost = 0;  // block turns (BlockTurnCount)
};

// An item that changes a position p, with the two transfers that touch p:
// p ← fillsFrom, and emptiesTo ← p.
struct ItemAt {
  int item;
  std::uint16_t fillsFrom, emptiesTo;
};

struct Library {
  // Centre positions are centre sticker indexes; wing positions index Geometry::wings.
  std::vector<LibraryItem> centreItems;
  std::vector<LibraryItem> wingItems;
  // The items that replace the content of each position (items index the lists above).
  std::vector<std::vector<ItemAt>> centreItemsInto;
  std::vector<std::vector<ItemAt>> wingItemsInto;
  // mapBack[o][axis·N + layer] = the move code (amount 1) that a positive quarter
  // turn in orientation o is in the cube's own frame.
  std::array<std::vector<MoveCode>, 24> mapBack;
};

const Library& LibraryOf(int order);

}  // namespace nxn
