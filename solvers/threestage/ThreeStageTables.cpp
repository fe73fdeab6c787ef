#include "solvers/threestage/ThreeStageTables.h"

#include "solvers/threestage/MoveSequences.h"
#include "solvers/threestage/SequenceRecord.h"
#include "solvers/threestage/TablesFile.h"
#include "solvers/threestage/data/StoredSequences.h"

namespace threestage {

namespace {

AllowedCubies Allowed(std::initializer_list<int> cubies) {
  AllowedCubies a{};
  a.fill(-1);
  std::int8_t order = 0;
  for (int c : cubies) a[c] = order++;
  return a;
}

// One first-two-layers half: its two slots, the slots that must be home
// before it applies, and the cubies its pieces can be on.
struct HalfLayout {
  std::array<int, 2> slots;
  std::array<int, 2> home;  // −1: none
  AllowedCubies corners, edges;
  int cornerCount, edgeCount;
};

const std::array<HalfLayout, kF2LTableCount>& Halves() {
  static const std::array<HalfLayout, kF2LTableCount> halves = {{
      {{0, 1}, {-1, -1}, Allowed({0, 1, 2, 3, 4, 5, 6, 7}), Allowed({4, 5, 6, 7, 8, 9, 10, 11}), 8, 8},
      {{2, 3}, {0, 1}, Allowed({2, 3, 4, 5, 6, 7}), Allowed({6, 7, 8, 9, 10, 11}), 6, 6},
      {{1, 3}, {-1, -1}, Allowed({0, 1, 2, 3, 4, 5, 6, 7}), Allowed({4, 5, 6, 7, 8, 9, 10, 11}), 8, 8},
      {{0, 2}, {1, 3}, Allowed({0, 2, 4, 5, 6, 7}), Allowed({4, 6, 8, 9, 10, 11}), 6, 6},
  }};
  return halves;
}

const AllowedCubies& AllEdges() {
  static const AllowedCubies a = Allowed({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  return a;
}

constexpr int kSlotEdge = 4;  // edge cubie of slot s is kSlotEdge + s

bool SlotHome(const Tracked& t, int slot) {
  return t[slot] == CornerStickers(slot)[0] && t[kCornerCount + kSlotEdge + slot] == EdgeStickers(kSlotEdge + slot)[0];
}

Tracked CaseSolvedBy(const Moves& sequence) {
  Tracked t = SolvedTracked();
  for (auto it = sequence.rbegin(); it != sequence.rend(); ++it) ApplyTurn(t, InverseTurn(*it));
  return t;
}

TableSequence ToEntry(const Moves& moves) {
  TableSequence e;
  e.length = static_cast<std::uint8_t>(moves.size());
  for (size_t i = 0; i < moves.size(); ++i) e.moves[i] = moves[i];
  return e;
}

const std::array<int, 6>& HalfTurnFaces() {  // a half turn about the U–D axis
  static const std::array<int, 6> map = {kL, kU, kB, kR, kD, kF};
  return map;
}

}  // namespace

int F2LTableCases(int table) { return table == kAdjacentFirst || table == kDiagonalFirst ? kFirstHalfCases : kSecondHalfCases; }

int CrossIndex(const Tracked& t) {
  int spots[4];
  for (int e = 0; e < 4; ++e) spots[e] = EdgeSpot(t[kCornerCount + e]);
  return RankPlacement(spots, 4, 2, AllEdges().data(), kEdgeCount);
}

int F2LIndex(int table, const Tracked& t) {
  const HalfLayout& h = Halves()[table];
  for (int s : h.home) {
    if (s >= 0 && !SlotHome(t, s)) return -1;
  }
  int corners[2], edges[2];
  for (int k = 0; k < 2; ++k) {
    corners[k] = CornerSpot(t[h.slots[k]]);
    edges[k] = EdgeSpot(t[kCornerCount + kSlotEdge + h.slots[k]]);
  }
  const int c = RankPlacement(corners, 2, 3, h.corners.data(), h.cornerCount);
  const int e = RankPlacement(edges, 2, 2, h.edges.data(), h.edgeCount);
  if (c < 0 || e < 0) return -1;
  return c * (h.edgeCount * 2) * ((h.edgeCount - 1) * 2) + e;
}

int LastLayerIndex(const Tracked& t) {
  static const AllowedCubies corners = Allowed({4, 5, 6, 7}), edges = Allowed({8, 9, 10, 11});
  int c[4], e[4];
  for (int k = 0; k < 4; ++k) {
    c[k] = CornerSpot(t[4 + k]);
    e[k] = EdgeSpot(t[kCornerCount + 8 + k]);
  }
  const int cr = RankPlacement(c, 4, 3, corners.data(), 4);
  const int er = RankPlacement(e, 4, 2, edges.data(), 4);
  if (cr < 0 || er < 0) return -1;
  return cr * (8 * 6 * 4 * 2) + er;
}

std::vector<std::uint8_t> BuildCrossTable(std::vector<std::uint8_t>* distances) {
  std::vector<std::uint8_t> next(kCrossCases, 0), depth(kCrossCases, 0xFF);
  std::vector<int> queue;
  queue.reserve(kCrossCases);
  const int solved = CrossIndex(SolvedTracked());
  depth[solved] = 0;
  queue.push_back(solved);
  for (size_t head = 0; head < queue.size(); ++head) {
    const int index = queue[head];
    int spots[4];
    UnrankPlacement(index, 4, 2, AllEdges().data(), kEdgeCount, spots);
    for (int code = 0; code < kTurnCodes; ++code) {
      Tracked t{};
      for (int e = 0; e < 4; ++e) t[kCornerCount + e] = TurnPerm(code)[EdgeStickers(spots[e] / 2)[spots[e] % 2]];
      const int reached = CrossIndex(t);
      if (depth[reached] != 0xFF) continue;
      depth[reached] = static_cast<std::uint8_t>(depth[index] + 1);
      next[reached] = static_cast<std::uint8_t>(InverseTurn(code) + 1);
      queue.push_back(reached);
    }
  }
  if (distances) *distances = std::move(depth);
  return next;
}

F2LBuilder::F2LBuilder() {
  for (int t = 0; t < kF2LTableCount; ++t) tables_[t].assign(F2LTableCases(t), TableSequence{});
}

unsigned F2LBuilder::Enter(const Moves& sequence, unsigned tables) {
  const Tracked t = CaseSolvedBy(sequence);
  unsigned entered = 0;
  for (int table = 0; table < kF2LTableCount; ++table) {
    if (!(tables >> table & 1u)) continue;
    const int index = F2LIndex(table, t);
    if (index < 0 || !tables_[table][index].Blank()) continue;
    tables_[table][index] = ToEntry(sequence);
    ++filled_[table];
    entered |= 1u << table;
  }
  return entered;
}

unsigned F2LBuilder::EnterListed(const Moves& sequence) {
  const unsigned entered = Enter(sequence, kAllF2LTables);
  if (entered & kAdjacentTables) Enter(Mirrored(sequence), kAdjacentTables);
  if (entered & kDiagonalTables) Enter(Relettered(sequence, HalfTurnFaces()), kDiagonalTables);
  return entered;
}

bool F2LBuilder::WouldFill(const Tracked& caseSolved) const {
  for (int table = 0; table < kF2LTableCount; ++table) {
    if (filled_[table] == F2LTableCases(table)) continue;
    const int index = F2LIndex(table, caseSolved);
    if (index >= 0 && tables_[table][index].Blank()) return true;
  }
  return false;
}

LastLayerBuilder::LastLayerBuilder() : refs_(kLastLayerCases, 0) {}

int LastLayerBuilder::EnterListed(const Moves& sequence) {
  const auto& quarter = RotationFaceMap(RotationIndex(0, 1, 0));
  int added = 0;
  Moves turned = sequence;
  for (int r = 0; r < 4; ++r, turned = Relettered(turned, quarter)) {
    const Moves mirror = Mirrored(turned);
    for (const Moves& solution : {Inverse(turned), turned, Inverse(mirror), mirror}) {
      const int index = LastLayerIndex(CaseSolvedBy(solution));
      if (index < 0 || refs_[index] != 0) continue;
      solutions_.push_back(solution);
      refs_[index] = static_cast<std::uint32_t>(solutions_.size());
      ++filled_;
      ++added;
    }
  }
  return added;
}

namespace {

// Reads every record of a list; false when a record is damaged.
template <typename Enter>
bool ReadList(const RecordFormat& format, const std::vector<std::uint8_t>& bytes, Enter enter) {
  Moves moves;
  for (size_t at = 0; at < bytes.size();) {
    const size_t used = ReadRecord(format, bytes.data() + at, bytes.size() - at, moves);
    if (used == 0) return false;
    enter(moves);
    at += used;
  }
  return true;
}

}  // namespace

ThreeStageTables BuildThreeStageTables() {
  ThreeStageTables tables;
  tables.cross = BuildCrossTable();
  F2LBuilder f2l;
  const bool f2lRead = ReadList(kF2LRecords, StoredF2LRecords(), [&](const Moves& m) { f2l.EnterListed(m); });
  for (int t = 0; t < kF2LTableCount; ++t) {
    tables.f2l[t] = f2l.Table(t);
    tables.f2lFilled[t] = f2l.Filled(t);
  }
  LastLayerBuilder ll;
  const bool llRead = ReadList(kLastLayerRecords, StoredLastLayerRecords(), [&](const Moves& m) { ll.EnterListed(m); });
  tables.lastLayer = ll.Refs();
  tables.lastLayerSolutions = ll.Solutions();
  tables.lastLayerFilled = ll.FilledCount();
  tables.dataValid = f2lRead && llRead;
  return tables;
}

const ThreeStageTables& Tables() {
  static const ThreeStageTables tables = LoadOrBuildThreeStageTables();
  return tables;
}

}  // namespace threestage
