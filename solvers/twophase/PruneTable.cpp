#include "solvers/twophase/PruneTable.h"

#include "solvers/twophase/KubeLayout.h"

namespace twophase {

PruneTable::PruneTable(const MvTable& rows, const MvTable& columns, char name)
    : rows_(rows),
      columns_table_(columns),
      columns_(columns.Count()),
      name_(name),
      entries_(static_cast<std::uint32_t>(rows.Count()) * columns.Count()),
      bytes_((entries_ + 1) / 2, 0xFF) {}

bool PruneTable::Build(const std::function<void(const std::string&)>& progress,
                       const std::atomic<bool>* cancel) {
  std::fill(bytes_.begin(), bytes_.end(), std::uint8_t{0xFF});
  Set(GoalEntry(), 0);
  std::uint32_t reached = 1;
  std::string bar;
  for (int d = 0; reached < entries_ && d < kMaxDistance; ++d) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return false;
    bar += '=';
    for (std::uint32_t k = 0; k < entries_; ++k) {
      if (Get(k) != d) continue;
      const std::uint16_t row0 = static_cast<std::uint16_t>(k / columns_);
      const std::uint16_t column0 = static_cast<std::uint16_t>(k % columns_);
      for (int face = 0; face < kMoveFaceCount; ++face) {
        const int turns = IsPhase2() && !IsQuarterTurnFaceInPhase2(face) ? 1 : 3;
        std::uint16_t row = row0, column = column0;
        for (int t = 0; t < turns; ++t) {
          row = rows_.Next(row, face);
          column = columns_table_.Next(column, face);
          const std::uint32_t next = static_cast<std::uint32_t>(row) * columns_ + column;
          if (Get(next) == kUnset) {
            Set(next, d + 1);
            ++reached;
          }
        }
      }
    }
    if (progress) progress("初始化" + bar + ">>||");
  }
  return reached == entries_;
}

}  // namespace twophase
