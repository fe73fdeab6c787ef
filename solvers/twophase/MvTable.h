#pragma once
// Move tables: row = coordinate value, column = move face (R L U D F B);
// entry = the coordinate after that face's turn (which turn: see the coordinate).
#include <cstdint>
#include <vector>

namespace twophase {

class MvTable {
 public:
  MvTable(std::uint16_t count, std::uint16_t goal)
      : entries_(static_cast<std::size_t>(count) * 6), count_(count), goal_(goal) {}
  virtual ~MvTable() = default;
  MvTable(const MvTable&) = delete;
  MvTable& operator=(const MvTable&) = delete;

  std::uint16_t Next(std::uint16_t coord, int face) const {
    return entries_[static_cast<std::size_t>(coord) * 6 + static_cast<std::size_t>(face)];
  }
  std::uint16_t Count() const { return count_; }
  std::uint16_t Goal() const { return goal_; }  // the solved cube's coordinate
  std::vector<std::uint16_t>& Entries() { return entries_; }
  const std::vector<std::uint16_t>& Entries() const { return entries_; }

 private:
  std::vector<std::uint16_t> entries_;  // count × 6
  std::uint16_t count_;
  std::uint16_t goal_;
};

// One move table per coordinate class. A coordinate class supplies kCount, kGoal
// and Next(value, face), the coordinate after one turn of the face.
template <class Coordinate>
class MTable : public MvTable {
 public:
  MTable() : MvTable(Coordinate::kCount, Coordinate::kGoal) {}
  void Build() {
    auto& e = Entries();
    for (unsigned a = 0; a < Coordinate::kCount; ++a) {
      for (int face = 0; face < 6; ++face) {
        e[a * 6 + static_cast<unsigned>(face)] = Coordinate::Next(static_cast<std::uint16_t>(a), face);
      }
    }
  }
};

}  // namespace twophase
