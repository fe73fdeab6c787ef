#pragma once
// The solver's six tables, read in the solver's frame (cross on U, last layer
// on D; pieces as in CubePieces.h). Legend:
//   cross          placement of the four cross edges     190 080 cases  next turn + 1, 0 when solved
//   F2L halves     placement of two slots' corners and edges (slots FR FL BL BR):
//     adjacent first   FR, FL                            112 896 cases  a sequence of ≤ 12 turns
//     adjacent second  BL, BR with FR, FL home            32 400 cases
//     diagonal first   FL, BR                            112 896 cases
//     diagonal second  FR, BL with FL, BR home            32 400 cases
//   last layer     placement of the D corners and edges  746 496 cases  a sequence of ≤ 16 turns
//                  (only 62 208 placements can occur)
// All are built from the stored sequence lists once per machine (then kept in
// the table cache, TablesFile.h) and loaded at first use; read-only afterwards.
#include <array>
#include <cstdint>
#include <vector>

#include "solvers/threestage/CanonicalSequences.h"
#include "solvers/threestage/CubePieces.h"

namespace threestage {

constexpr int kCrossCases = 24 * 22 * 20 * 18;
constexpr int kFirstHalfCases = (24 * 21) * (16 * 14);
constexpr int kSecondHalfCases = (18 * 15) * (12 * 10);
constexpr int kLastLayerCases = (12 * 9 * 6 * 3) * (8 * 6 * 4 * 2);
constexpr int kReachableLastLayerCases = 62208;  // 4!·3³ · 4!·2³ / 2
constexpr int kF2LMaxLength = 12;
constexpr int kLastLayerMaxLength = 16;

enum F2LTable { kAdjacentFirst = 0, kAdjacentSecond = 1, kDiagonalFirst = 2, kDiagonalSecond = 3 };
constexpr int kF2LTableCount = 4;
constexpr unsigned kAdjacentTables = 1u << kAdjacentFirst | 1u << kAdjacentSecond;
constexpr unsigned kDiagonalTables = 1u << kDiagonalFirst | 1u << kDiagonalSecond;
constexpr unsigned kAllF2LTables = kAdjacentTables | kDiagonalTables;

int F2LTableCases(int table);
// Indexes of the current placement; −1 when the table does not apply (a
// second-half table while its first-half pieces are not home, or pieces out
// of the table's cubies).
int CrossIndex(const Tracked& tracked);
int F2LIndex(int table, const Tracked& tracked);
int LastLayerIndex(const Tracked& tracked);

// A stored solution: up to 16 turns.
struct TableSequence {
  std::uint8_t length = kBlank;
  std::array<std::uint8_t, kLastLayerMaxLength> moves{};
  static constexpr std::uint8_t kBlank = 0xFF;
  bool Blank() const { return length == kBlank; }
};

// Builds the first-two-layers tables from a list of sequences; the generator
// uses the same rules to decide which sequences to store.
class F2LBuilder {
 public:
  F2LBuilder();
  // Enters one listed sequence with its mirror image and its half-turn
  // re-lettering as the stored list's rules say; returns the tables that got
  // a new case from the sequence itself.
  unsigned EnterListed(const Moves& sequence);
  // Would the sequence itself fill a blank case? (Its variants are only ever
  // entered after it fills one.)
  bool WouldFill(const Tracked& caseSolved) const;
  const std::vector<TableSequence>& Table(int table) const { return tables_[table]; }
  int Filled(int table) const { return filled_[table]; }

 private:
  unsigned Enter(const Moves& sequence, unsigned tables);
  std::array<std::vector<TableSequence>, kF2LTableCount> tables_;
  std::array<int, kF2LTableCount> filled_{};
};

class LastLayerBuilder {
 public:
  LastLayerBuilder();
  // Enters a listed sequence in its 16 re-letterings; returns how many new cases it filled.
  int EnterListed(const Moves& sequence);
  bool Filled(int index) const { return refs_[index] != 0; }
  int FilledCount() const { return filled_; }
  const std::vector<std::uint32_t>& Refs() const { return refs_; }  // 0 blank, else 1 + solution
  const std::vector<Moves>& Solutions() const { return solutions_; }

 private:
  std::vector<std::uint32_t> refs_;
  std::vector<Moves> solutions_;
  int filled_ = 0;
};

struct ThreeStageTables {
  std::vector<std::uint8_t> cross;  // next turn code + 1 towards the solved cross
  std::array<std::vector<TableSequence>, kF2LTableCount> f2l;
  std::array<int, kF2LTableCount> f2lFilled{};
  std::vector<std::uint32_t> lastLayer;
  std::vector<Moves> lastLayerSolutions;
  int lastLayerFilled = 0;
  bool dataValid = false;  // every stored record read back
};

// Breadth-first search over the cross placements; also gives each case's distance.
std::vector<std::uint8_t> BuildCrossTable(std::vector<std::uint8_t>* distances = nullptr);
// Builds a fresh set (the process-wide one below is built once).
ThreeStageTables BuildThreeStageTables();
// The process-wide tables, loaded or built on first call (thread-safe).
const ThreeStageTables& Tables();

}  // namespace threestage
