#include "solvers/twophase/TwoPhaseTables.h"

#include "solvers/twophase/Phase1Tables.h"

namespace twophase {

TwoPhaseTables::TwoPhaseTables()
    : twist(OrientTables().twist),
      flip(OrientTables().flip),
      slice(SliceTable()),
      pruneA(twist, flip, 'a'),
      pruneB(twist, slice, 'b'),
      pruneC(flip, slice, 'c'),
      pruneD(cornerPerm, slicePerm, 'D'),
      pruneE(udEdgePerm, slicePerm, 'E') {}

bool TwoPhaseTables::Build(const std::function<void(const std::string&)>& progress,
                           const std::atomic<bool>* cancel) {
  udEdgePerm.Build();
  slicePerm.Build();
  cornerPerm.Build();
  for (PruneTable* table : {&pruneC, &pruneA, &pruneB, &pruneE, &pruneD}) {
    if (!table->Build(progress, cancel)) return false;
  }
  return true;
}

}  // namespace twophase
