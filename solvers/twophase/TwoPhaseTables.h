#pragma once
// Everything the search looks up besides the phase-1 move tables: the three
// phase-2 move tables and the five pruning tables.
//
//   table  rows (count)                columns (count)             used by
//   a      twist (2187)                flip (2048)                 h1
//   b      twist (2187)                slice (495)                 h1
//   c      flip (2048)                 slice (495)                 h1
//   D      corner permutation (40320)  slice edge permutation (24) h2
//   E      U/D edge permutation (40320) slice edge permutation (24) h2
#include <atomic>
#include <functional>
#include <string>

#include "solvers/twophase/Coordinates.h"
#include "solvers/twophase/MvTable.h"
#include "solvers/twophase/PruneTable.h"

namespace twophase {

class TwoPhaseTables {
 public:
  TwoPhaseTables();  // allocates; the contents are valid after Build or a file read
  TwoPhaseTables(const TwoPhaseTables&) = delete;
  TwoPhaseTables& operator=(const TwoPhaseTables&) = delete;

  // Phase-2 move tables, then the pruning tables c, a, b, E, D (progress texts
  // as PruneTable::Build). False when cancelled.
  bool Build(const std::function<void(const std::string&)>& progress,
             const std::atomic<bool>* cancel = nullptr);

  const MvTable& twist;
  const MvTable& flip;
  const MvTable& slice;
  MTable<NonMiddleSliceEdgePermutation> udEdgePerm;
  MTable<MiddleSliceEdgePermutation> slicePerm;
  MTable<CornerPermutation> cornerPerm;
  PruneTable pruneA, pruneB, pruneC, pruneD, pruneE;
};

}  // namespace twophase
