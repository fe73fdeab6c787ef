#pragma once
// The phase-1 move tables: built once on first use, read-only afterwards, shared
// by every thread.
#include "solvers/twophase/Coordinates.h"
#include "solvers/twophase/MovesPhase1.h"
#include "solvers/twophase/MvTable.h"

namespace twophase {

// Twist and flip come first: CKube turns move its twist and flip through them.
struct OrientMoveTables {
  OrientMoveTables();  // builds both
  MTable<CornerOrient> twist;
  MTable<EdgeOrient> flip;
};
const OrientMoveTables& OrientTables();

// Built with CKube turns, so after the orientation tables.
const MTable<MiddleSliceEdgesPermut>& SliceTable();

}  // namespace twophase
