#include "solvers/twophase/Phase1Tables.h"

namespace twophase {

OrientMoveTables::OrientMoveTables() {
  twist.Build();
  flip.Build();
}

const OrientMoveTables& OrientTables() {
  static const OrientMoveTables tables;
  return tables;
}

namespace {
struct SliceMoveTable {
  SliceMoveTable() {
    OrientTables();
    table.Build();
  }
  MTable<MiddleSliceEdgesPermut> table;
};
}  // namespace

const MTable<MiddleSliceEdgesPermut>& SliceTable() {
  static const SliceMoveTable slice;
  return slice.table;
}

}  // namespace twophase
