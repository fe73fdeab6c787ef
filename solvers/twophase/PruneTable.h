#pragma once
// A pruning table: for every pair (row coordinate, column coordinate) the number
// of moves that bring both to their goals, 4 bits per entry (entry k in byte k/2,
// low nibble for even k). Rows and columns are two move tables; entry k stands
// for row k / columns, column k % columns.
//
// Names: lower case a, b, c are phase-1 tables (every face, quarter turns),
// upper case D, E phase-2 tables (U, D quarter turns, R L F B half turns).
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "solvers/twophase/MvTable.h"

namespace twophase {

class PruneTable {
 public:
  static constexpr int kUnset = 15;  // only while building
  static constexpr int kMaxDistance = 14;

  PruneTable(const MvTable& rows, const MvTable& columns, char name);

  // Breadth-first by depth layers. After each layer calls progress with
  // "初始化" + one "=" per layer + ">>||". Gives up (false, table unusable) when
  // cancel becomes true.
  bool Build(const std::function<void(const std::string&)>& progress,
             const std::atomic<bool>* cancel = nullptr);

  int Get(std::uint32_t k) const { return (bytes_[k >> 1] >> ((k & 1) * 4)) & 15; }
  int Lookup(std::uint16_t row, std::uint16_t column) const {
    return Get(static_cast<std::uint32_t>(row) * columns_ + column);
  }

  char Name() const { return name_; }
  bool IsPhase2() const { return name_ >= 'A' && name_ <= 'Z'; }
  std::uint32_t EntryCount() const { return entries_; }
  std::uint32_t GoalEntry() const { return static_cast<std::uint32_t>(rows_.Goal()) * columns_ + columns_table_.Goal(); }
  const MvTable& RowTable() const { return rows_; }
  const MvTable& ColumnTable() const { return columns_table_; }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void Set(std::uint32_t k, int value) {
    std::uint8_t& b = bytes_[k >> 1];
    const int shift = (k & 1) * 4;
    b = static_cast<std::uint8_t>((b & ~(15 << shift)) | (value << shift));
  }

  const MvTable& rows_;
  const MvTable& columns_table_;
  std::uint32_t columns_;
  char name_;
  std::uint32_t entries_;
  std::vector<std::uint8_t> bytes_;  // (entries + 1) / 2
};

}  // namespace twophase
