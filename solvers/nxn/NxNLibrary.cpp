#include "solvers/nxn/NxNLibrary.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace nxn {

namespace {

using Labels = std::vector<std::uint16_t>;

// After the moves, labels[p] is the position the content now at p came from.
Labels Track(const Geometry& g, const MoveList& moves) {
  Labels labels(g.count);
  for (int s = 0; s < g.count; ++s) labels[s] = static_cast<std::uint16_t>(s);
  for (MoveCode m : moves) ApplyTurn(g, labels, AxisOf(m), LayerOf(m), AmountOf(m));
  return labels;
}

// A move sequence with the labels of it and of its inverse, so that longer
// sequences made of such parts can be followed position by position.
struct Played {
  MoveList moves;
  Labels labels;   // Track(moves)
  Labels inverse;  // Track of the inverse sequence

  Played(const Geometry& g, MoveList m) : moves(std::move(m)), labels(Track(g, moves)), inverse(labels.size()) {
    for (size_t p = 0; p < labels.size(); ++p) inverse[labels[p]] = static_cast<std::uint16_t>(p);
  }
};

// Where the content at p comes from after the parts are played in order.
template <size_t K>
int SourceAfter(const std::array<const Labels*, K>& parts, int p) {
  for (size_t i = K; i-- > 0;) p = (*parts[i])[p];
  return p;
}

// The parts of the commutator x y x⁻¹ y⁻¹.
std::array<const Labels*, 4> CommutatorParts(const Played& x, const Played& y) {
  return {&x.labels, &y.labels, &x.inverse, &y.inverse};
}

MoveList Commutator(const MoveList& x, const MoveList& y) {
  MoveList out = x;
  out.insert(out.end(), y.begin(), y.end());
  for (auto it = x.rbegin(); it != x.rend(); ++it) out.push_back(Inverse(*it));
  for (auto it = y.rbegin(); it != y.rend(); ++it) out.push_back(Inverse(*it));
  return out;
}

// A 3-cycle of positions, packed into one number for lookups: its transfers
// ordered by destination, 10 bits per position (orders up to 7 have 294
// stickers and 60 wings).
using Cycle = std::array<Transfer, 3>;
using CycleKey = std::uint64_t;

Cycle CycleOf(const std::vector<Transfer>& transfers) {
  return {transfers.at(0), transfers.at(1), transfers.at(2)};
}

CycleKey KeyOf(Cycle t) {
  auto order = [&](int a, int b) {
    if (t[b].to < t[a].to) std::swap(t[a], t[b]);
  };
  order(0, 1);
  order(1, 2);
  order(0, 1);
  CycleKey key = 0;
  for (const Transfer& x : t) key = key << 20 | static_cast<CycleKey>(x.to) << 10 | static_cast<CycleKey>(x.from);
  return key;
}

// Best known cost per cycle, open addressing (a cycle's key is never 0: its
// three sources differ).
class CycleTable {
 public:
  struct Entry {
    CycleKey key = 0;
    int cost = std::numeric_limits<int>::max();
    bool done = false;
  };

  explicit CycleTable(size_t expected) {
    size_t size = 1024;
    while (size < 2 * expected) size *= 2;
    slots_.resize(size);
  }

  // The cycle's entry, added (unknown cost, not done) when it is new.
  Entry& At(CycleKey key) {
    if (2 * (used_ + 1) > slots_.size()) Grow();
    Entry& e = Slot(key);
    if (e.key == 0) {
      e.key = key;
      ++used_;
    }
    return e;
  }

 private:
  Entry& Slot(CycleKey key) {
    const size_t mask = slots_.size() - 1;
    size_t i = static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (slots_[i].key != 0 && slots_[i].key != key) i = (i + 1) & mask;
    return slots_[i];
  }

  void Grow() {
    std::vector<Entry> old(slots_.size() * 2);
    old.swap(slots_);
    for (const Entry& e : old)
      if (e.key != 0) Slot(e.key) = e;
  }

  std::vector<Entry> slots_;
  size_t used_ = 0;
};

// Block turns of a sequence X conjugated by one turn, m · X · m⁻¹, from the
// cost of X: only X's first and last runs of same-axis turns can change.
class Ends {
 public:
  Ends(int order, const MoveList& moves) : n_(order), moves_(moves) {
    const size_t len = moves.size();
    while (firstEnd_ < len && AxisOf(moves[firstEnd_]) == AxisOf(moves[0])) ++firstEnd_;
    lastBegin_ = len;
    while (lastBegin_ > 0 && AxisOf(moves[lastBegin_ - 1]) == AxisOf(moves[len - 1])) --lastBegin_;
    if (firstEnd_ < len) {
      firstCost_ = RunCost(0, firstEnd_, kNone, kNone);
      lastCost_ = RunCost(lastBegin_, len, kNone, kNone);
    }
  }

  int ConjugateCost(int cost, MoveCode m) const {
    if (moves_.empty() || firstEnd_ == moves_.size()) {  // one run: count it all
      MoveList all = {m};
      all.insert(all.end(), moves_.begin(), moves_.end());
      all.push_back(Inverse(m));
      return BlockTurnCount(n_, all);
    }
    return cost - firstCost_ - lastCost_ + RunCost(0, firstEnd_, m, kNone) +
           RunCost(lastBegin_, moves_.size(), kNone, Inverse(m));
  }

 private:
  static constexpr int kNone = -1;

  // Block turns of moves[from, to) with a turn before and after it (kNone for
  // none); a turn on another axis is a run of its own.
  int RunCost(size_t from, size_t to, int before, int after) const {
    const int axis = AxisOf(moves_[from]);
    std::array<int, 8> amount{};
    int extra = 0;
    auto add = [&](int m) {
      if (m == kNone) return;
      const auto code = static_cast<MoveCode>(m);
      if (AxisOf(code) == axis) amount[LayerOf(code)] = (amount[LayerOf(code)] + AmountOf(code)) & 3;
      else extra += LayerOf(code) == 0 || LayerOf(code) == n_ - 1 ? 1 : 2;  // a face, or an inner layer alone
    };
    add(before);
    for (size_t i = from; i < to; ++i) add(moves_[i]);
    add(after);
    int count = extra;
    for (int layer = 1; layer < n_; ++layer) count += amount[layer] != amount[layer - 1];
    return count;
  }

  int n_;
  const MoveList& moves_;
  size_t firstEnd_ = 0, lastBegin_ = 0;
  int firstCost_ = 0, lastCost_ = 0;
};

// What one transfer adds to the hash of a set of transfers: a sum, so the
// order in which a sequence's transfers are found does not matter.
std::uint64_t TransferHash(const Transfer& t) {
  std::uint64_t h = (static_cast<std::uint64_t>(t.to) << 16 | static_cast<std::uint64_t>(t.from)) + 0x9E3779B97F4A7C15ull;
  h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
  h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
  return h ^ (h >> 31);
}

std::uint64_t SetHash(const std::vector<Transfer>& transfers) {
  std::uint64_t h = 0;
  for (const Transfer& t : transfers) h += TransferHash(t);
  return h;
}

bool SameTransfers(std::vector<Transfer> a, std::vector<Transfer> b) {
  if (a.size() != b.size()) return false;
  auto byTo = [](const Transfer& x, const Transfer& y) { return x.to < y.to; };
  std::sort(a.begin(), a.end(), byTo);
  std::sort(b.begin(), b.end(), byTo);
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].to != b[i].to || a[i].from != b[i].from) return false;
  return true;
}

// The sets of moves the centre items make: items by the hash of their transfers.
class Seen {
 public:
  explicit Seen(const std::vector<LibraryItem>& items) : items_(items) {
    byHash_.reserve(2 * items.size());
    for (size_t i = 0; i < items.size(); ++i) byHash_[SetHash(items[i].transfers)].push_back(i);
  }

  bool Has(std::uint64_t hash, const std::vector<Transfer>& transfers) const {
    const auto at = byHash_.find(hash);
    if (at == byHash_.end()) return false;
    for (size_t i : at->second)
      if (SameTransfers(items_[i].transfers, transfers)) return true;
    return false;
  }

  // Records the item just appended to the list.
  void AddLast(std::uint64_t hash) { byHash_[hash].push_back(items_.size() - 1); }

 private:
  const std::vector<LibraryItem>& items_;
  std::unordered_map<std::uint64_t, std::vector<size_t>> byHash_;
};

struct Builder {
  const Geometry& g;
  std::vector<int> wingOfSticker;   // wing index of a wing's first sticker, else −1
  std::vector<bool> isCentre, isWing, fixedCentre;
  std::vector<std::vector<int>> movePerm;  // [single move]: where each sticker goes
  std::vector<Labels> movePrev;            // [single move]: where the content at each sticker came from
  std::vector<MoveCode> singleMoves;

  explicit Builder(const Geometry& geometry) : g(geometry) {
    wingOfSticker.assign(g.count, -1);
    isCentre.assign(g.count, false);
    isWing.assign(g.count, false);
    fixedCentre.assign(g.count, false);
    for (size_t w = 0; w < g.wings.size(); ++w) {
      wingOfSticker[g.wings[w][0]] = static_cast<int>(w);
      isWing[g.wings[w][0]] = isWing[g.wings[w][1]] = true;
    }
    for (int c : g.centres) {
      isCentre[c] = true;
      const auto& q = g.cubie[c];
      const int mid = g.n / 2;
      int atMiddle = 0;
      for (int a = 0; a < 3; ++a) atMiddle += q[a] == mid;
      fixedCentre[c] = g.n % 2 == 1 && atMiddle == 2;
    }
    for (int axis = 0; axis < 3; ++axis)
      for (int layer = 0; layer < g.n; ++layer)
        for (int amount = 1; amount <= 3; ++amount) {
          const MoveCode m = MakeMove(axis, layer, amount);
          singleMoves.push_back(m);
          const Labels l = Track(g, {m});
          std::vector<int> dest(g.count);
          for (int p = 0; p < g.count; ++p) dest[l[p]] = p;
          movePerm.push_back(dest);
          movePrev.push_back(l);
        }
  }

  bool Inner(int layer) const {
    return layer > 0 && layer < g.n - 1 && !(g.n % 2 == 1 && layer == g.n / 2);
  }

  // The centre transfers of a sequence when it moves exactly three centres of
  // one orbit and no fixed centre; empty otherwise.
  template <size_t K>
  std::vector<Transfer> CentreCycle(const std::array<const Labels*, K>& parts) const {
    std::vector<Transfer> t;
    for (int c : g.centres) {
      const int from = SourceAfter(parts, c);
      if (from != c) {
        if (fixedCentre[c] || t.size() == 3) return {};
        t.push_back({c, from});
      }
    }
    if (t.size() != 3 || g.orbit[t[0].to] != g.orbit[t[1].to] || g.orbit[t[0].to] != g.orbit[t[2].to])
      return {};
    return t;
  }

  // The wing transfers of a sequence that moves exactly three wings and nothing else.
  std::vector<Transfer> WingCycle(const Labels& l) const {
    std::vector<Transfer> t;
    for (int p = 0; p < g.count; ++p) {
      if (l[p] == p) continue;
      if (!isWing[p]) return {};
      if (wingOfSticker[p] >= 0) {
        if (wingOfSticker[l[p]] < 0 || t.size() == 3) return {};
        t.push_back({wingOfSticker[p], wingOfSticker[l[p]]});
      }
    }
    return t.size() == 3 ? t : std::vector<Transfer>{};
  }

  // Adds conjugates by single turns until no new cycle appears, cheapest (in
  // block turns) first, so that every cycle keeps its cheapest sequence.
  // A conjugate can cost less than its parent (the turn cancels into the
  // sequence's first run); it is then taken before anything dearer.
  // Candidates are kept as (parent, turn) and written out only once taken:
  // most of them lose to a cheaper sequence of the same cycle.
  void Close(std::vector<LibraryItem>& items, bool wings) const {
    struct Candidate {
      int parent;  // index into seeds (turn < 0) or into items
      int turn;    // index into singleMoves, −1 for a seed
      int cost;
      CycleKey key;
      Cycle cycle;
    };
    const std::vector<LibraryItem> seeds = std::move(items);
    items.clear();
    CycleTable best(seeds.size());
    std::vector<std::vector<Candidate>> byCost;
    std::vector<size_t> taken;  // per cost: candidates looked at so far
    size_t cost = 0;            // the cheapest cost that may have candidates left
    // Queues the candidate unless its cycle already has a sequence as cheap.
    // `at` is the cycle's entry (no other lookup in between).
    auto queue = [&](CycleTable::Entry& at, Candidate c) {
      if (at.cost <= c.cost) return;
      at.cost = c.cost;
      if (byCost.size() <= static_cast<size_t>(c.cost)) {
        byCost.resize(c.cost + 1);
        taken.resize(c.cost + 1, 0);
      }
      byCost[c.cost].push_back(c);
      cost = std::min(cost, static_cast<size_t>(c.cost));
    };
    for (size_t i = 0; i < seeds.size(); ++i) {
      const Cycle cycle = CycleOf(seeds[i].transfers);
      const CycleKey key = KeyOf(cycle);
      CycleTable::Entry& at = best.At(key);
      if (!at.done) queue(at, {static_cast<int>(i), -1, BlockTurnCount(g.n, seeds[i].moves), key, cycle});
    }
    cost = 0;
    while (cost < byCost.size()) {
      if (taken[cost] == byCost[cost].size()) {
        ++cost;
        continue;
      }
      const Candidate c = byCost[cost][taken[cost]++];  // a copy: queueing may grow this bucket
      CycleTable::Entry& mine = best.At(c.key);
      if (mine.done || mine.cost < c.cost) continue;
      mine.done = true;
      LibraryItem item;
      if (c.turn < 0) {
        item.moves = seeds[c.parent].moves;
      } else {
        const MoveCode m = singleMoves[c.turn];
        const MoveList& inner = items[c.parent].moves;
        item.moves.reserve(inner.size() + 2);
        item.moves.push_back(m);
        item.moves.insert(item.moves.end(), inner.begin(), inner.end());
        item.moves.push_back(Inverse(m));
      }
      item.transfers.assign(c.cycle.begin(), c.cycle.end());
      item.cost = c.cost;
      items.push_back(std::move(item));
      const int parent = static_cast<int>(items.size() - 1);
      const Ends ends(g.n, items.back().moves);
      for (size_t k = 0; k < singleMoves.size(); ++k) {
        // Conjugate m · item · m⁻¹: each position p of the item becomes m⁻¹(p).
        const Labels& prev = movePrev[k];
        Cycle t;
        for (int i = 0; i < 3; ++i) {
          const Transfer& x = c.cycle[i];
          if (wings)
            t[i] = {wingOfSticker[prev[g.wings[x.to][0]]], wingOfSticker[prev[g.wings[x.from][0]]]};
          else
            t[i] = {prev[x.to], prev[x.from]};
        }
        if (!wings && (fixedCentre[t[0].to] || fixedCentre[t[1].to] || fixedCentre[t[2].to])) continue;
        const CycleKey key = KeyOf(t);
        CycleTable::Entry& at = best.At(key);
        if (!at.done) queue(at, {parent, static_cast<int>(k), ends.ConjugateCost(c.cost, singleMoves[k]), key, t});
      }
    }
  }

  std::vector<LibraryItem> CentreItems() const {
    std::vector<LibraryItem> items;
    // The turns that slide centres: one inner layer, or a face with the
    // layers next to it (one block turn, and on the centres of other faces
    // the same as its inner layers alone).
    std::vector<Played> slides;
    for (int axis = 0; axis < 3; ++axis)
      for (int amount = 1; amount <= 3; ++amount)
        for (int layer = 1; layer < g.n - 1; ++layer) {
          // The middle slice of odd orders may take part as long as the fixed centres end in place.
          slides.emplace_back(g, MoveList{MakeMove(axis, layer, amount)});
          slides.emplace_back(g, LayerRange(axis, 0, layer, amount));
          slides.emplace_back(g, LayerRange(axis, g.n - 1 - layer, g.n - 1, amount));
        }
    std::vector<MoveCode> faces;
    for (MoveCode m : singleMoves)
      if ((LayerOf(m) == 0 || LayerOf(m) == g.n - 1) && AmountOf(m) != 2) faces.push_back(m);
    // conjugated[f][y]: faces[f] · slides[y] · faces[f]⁻¹, for slides on another axis.
    std::vector<std::vector<std::unique_ptr<Played>>> conjugated(faces.size());
    for (size_t f = 0; f < faces.size(); ++f)
      for (const Played& y : slides) {
        if (AxisOf(y.moves[0]) == AxisOf(faces[f])) {
          conjugated[f].push_back(nullptr);
          continue;
        }
        MoveList conj = {faces[f]};
        conj.insert(conj.end(), y.moves.begin(), y.moves.end());
        conj.push_back(Inverse(faces[f]));
        conjugated[f].push_back(std::make_unique<Played>(g, std::move(conj)));
      }
    for (const Played& x : slides)
      for (size_t f = 0; f < faces.size(); ++f) {
        if (AxisOf(faces[f]) == AxisOf(x.moves[0])) continue;
        for (size_t y = 0; y < slides.size(); ++y) {
          if (AxisOf(slides[y].moves[0]) != AxisOf(x.moves[0])) continue;
          const Played& conj = *conjugated[f][y];
          auto cycle = CentreCycle(CommutatorParts(x, conj));
          if (!cycle.empty()) items.push_back({Commutator(x.moves, conj.moves), cycle});
        }
      }
    Close(items, false);
    AddBlockCommutators(items);
    AddConjugatedTurns(items);
    // Single turns that keep wing parities: outer turns and inner half turns.
    for (MoveCode m : singleMoves) {
      const bool outer = LayerOf(m) == 0 || LayerOf(m) == g.n - 1;
      if (!(outer || (Inner(LayerOf(m)) && AmountOf(m) == 2))) continue;
      const Labels l = Track(g, {m});
      LibraryItem item{{m}, {}};
      for (int c : g.centres)
        if (l[c] != c) item.transfers.push_back({c, l[c]});
      item.cost = BlockTurnCount(g.n, item.moves);
      if (!item.transfers.empty()) items.push_back(item);
    }
    return items;
  }

  // Every layer set turned by one block turn on the axis: from one face in to
  // each depth, the outer layer alone included.
  std::vector<std::vector<int>> Blocks() const {
    std::vector<std::vector<int>> blocks;
    for (int k = 0; k < g.n - 1; ++k) {
      std::vector<int> fromFirst, fromLast;
      for (int layer = 0; layer <= k; ++layer) {
        fromFirst.push_back(layer);
        fromLast.push_back(g.n - 1 - layer);
      }
      blocks.push_back(fromFirst);
      blocks.push_back(fromLast);
    }
    return blocks;
  }

  static MoveList BlockTurn(int axis, const std::vector<int>& layers, int amount) {
    MoveList out;
    for (int layer : layers) out.push_back(MakeMove(axis, layer, amount));
    return out;
  }

  // Keeps a sequence as a centre item when it moves centres, no fixed centre,
  // and no set of moves `seen` already has.
  // The sequence is given by its parts' labels, and written out only when kept.
  template <size_t K, class Moves>
  void AddCentreMove(std::vector<LibraryItem>& items, Seen& seen, const std::array<const Labels*, K>& parts,
                     Moves moves) const {
    std::vector<Transfer> moved;
    std::uint64_t hash = 0;
    for (int c : g.centres) {
      const int from = SourceAfter(parts, c);
      if (from != c) {
        if (fixedCentre[c]) return;
        moved.push_back({c, from});
        hash += TransferHash(moved.back());
      }
    }
    if (moved.empty() || seen.Has(hash, moved)) return;
    MoveList seq = moves();
    const int cost = BlockTurnCount(g.n, seq);
    items.push_back({std::move(seq), std::move(moved), cost});
    seen.AddLast(hash);
  }

  // [A, T B T⁻¹] for blocks A and B on one axis and outer quarter turns T on
  // another.
  void AddBlockCommutators(std::vector<LibraryItem>& items) const {
    const auto blocks = Blocks();
    Seen seen(items);
    for (int axis = 0; axis < 3; ++axis) {
      // turns[b][amount == 3]: block b turned on this axis.
      std::vector<std::array<Played, 2>> turns;
      for (const auto& b : blocks)
        turns.push_back({Played(g, BlockTurn(axis, b, 1)), Played(g, BlockTurn(axis, b, 3))});
      // conjugated[b][amount == 3]: T · block b turned · T⁻¹ for each T, in the order tried.
      std::vector<std::array<std::vector<Played>, 2>> conjugated(blocks.size());
      for (size_t b = 0; b < blocks.size(); ++b)
        for (int amountB : {1, 3})
          for (int tAxis = 0; tAxis < 3; ++tAxis) {
            if (tAxis == axis) continue;
            for (int tLayer : {0, g.n - 1})
              for (int tAmount : {1, 3}) {
                const MoveCode t = MakeMove(tAxis, tLayer, tAmount);
                MoveList conj = {t};
                const MoveList& bTurn = turns[b][amountB == 3].moves;
                conj.insert(conj.end(), bTurn.begin(), bTurn.end());
                conj.push_back(Inverse(t));
                conjugated[b][amountB == 3].emplace_back(g, std::move(conj));
              }
          }
      for (size_t a = 0; a < blocks.size(); ++a)
        for (size_t b = 0; b < blocks.size(); ++b)
          for (int amountA : {1, 3})
            for (int amountB : {1, 3})
              for (const Played& conj : conjugated[b][amountB == 3]) {
                const Played& aTurn = turns[a][amountA == 3];
                AddCentreMove(items, seen, CommutatorParts(aTurn, conj),
                              [&] { return Commutator(aTurn.moves, conj.moves); });
              }
    }
  }

  // X Y X⁻¹ and X Y X⁻¹ Y⁻¹ for every turn X of neighbouring layers that
  // takes an inner layer along, and Y an outer turn or a half block turn on
  // another axis: three to five block turns that trade bars of centres
  // between faces and keep every wing orbit's parity.
  void AddConjugatedTurns(std::vector<LibraryItem>& items) const {
    Seen seen(items);
    for (int axis = 0; axis < 3; ++axis) {
      std::vector<Played> ys;
      for (int yAxis = 0; yAxis < 3; ++yAxis) {
        if (yAxis == axis) continue;
        for (int yAmount = 1; yAmount <= 3; ++yAmount) {
          ys.emplace_back(g, LayerRange(yAxis, 0, 0, yAmount));
          ys.emplace_back(g, LayerRange(yAxis, g.n - 1, g.n - 1, yAmount));
        }
        for (int depth = 1; depth <= g.n - 2; ++depth) {
          ys.emplace_back(g, LayerRange(yAxis, 0, depth, 2));
          ys.emplace_back(g, LayerRange(yAxis, g.n - 1 - depth, g.n - 1, 2));
        }
      }
      for (int from = 0; from < g.n - 1; ++from)
        for (int to = std::max(from, 1); to < g.n; ++to) {
          if (from == 0 && to == g.n - 1) continue;  // the whole cube
          for (int amount = 1; amount <= 3; ++amount) {
            const Played x(g, LayerRange(axis, from, to, amount));
            for (const Played& y : ys) {
              auto conjugate = [&] {
                MoveList seq = x.moves;
                seq.insert(seq.end(), y.moves.begin(), y.moves.end());
                for (MoveCode m : x.moves) seq.push_back(Inverse(m));
                return seq;
              };
              AddCentreMove(items, seen, std::array<const Labels*, 3>{&x.labels, &y.labels, &x.inverse},
                            conjugate);
              AddCentreMove(items, seen, CommutatorParts(x, y), [&] {
                MoveList seq = conjugate();
                for (MoveCode m : y.moves) seq.push_back(Inverse(m));  // one axis: any order
                return seq;
              });
            }
          }
        }
    }
  }

  std::vector<LibraryItem> WingItems() const {
    std::vector<LibraryItem> items;
    std::vector<MoveCode> slices, faces;
    for (MoveCode m : singleMoves) {
      if (Inner(LayerOf(m))) slices.push_back(m);
      if (LayerOf(m) == 0 || LayerOf(m) == g.n - 1) faces.push_back(m);
    }
    for (MoveCode x : slices)
      for (MoveCode f : faces)
        for (MoveCode h : faces) {
          if (AxisOf(f) == AxisOf(h)) continue;
          const MoveList seq = Commutator({x}, {f, h, Inverse(f)});
          auto cycle = WingCycle(Track(g, seq));
          if (!cycle.empty()) items.push_back({seq, cycle});
        }
    Close(items, true);
    return items;
  }

  std::vector<MoveCode> MapBack(const std::vector<int>& rot) const {
    std::vector<int> inv(g.count);
    for (int s = 0; s < g.count; ++s) inv[rot[s]] = s;
    std::vector<MoveCode> out(3 * g.n);
    for (int axis = 0; axis < 3; ++axis)
      for (int layer = 0; layer < g.n; ++layer) {
        const auto& p = movePerm[(axis * g.n + layer) * 3];  // amount 1
        // In the cube's own frame: rotate, turn, rotate back.
        std::vector<int> own(g.count);
        for (int s = 0; s < g.count; ++s) own[s] = inv[p[rot[s]]];
        for (size_t k = 0; k < singleMoves.size(); ++k)
          if (movePerm[k] == own) out[axis * g.n + layer] = singleMoves[k];
      }
    return out;
  }
};

std::unique_ptr<Library> Build(int order) {
  const Geometry& g = GeometryOf(order);
  Builder b(g);
  auto lib = std::make_unique<Library>();
  lib->centreItems = b.CentreItems();
  lib->wingItems = b.WingItems();
  auto index = [](const std::vector<LibraryItem>& items, size_t positions) {
    std::vector<std::vector<ItemAt>> into(positions);
    std::vector<std::uint16_t> emptiesTo(positions);  // per position: where its content goes
    for (size_t i = 0; i < items.size(); ++i) {
      // An item's transfers move its positions among themselves: every
      // position filled is also emptied.
      const auto& transfers = items[i].transfers;
      for (const auto& t : transfers) emptiesTo[t.from] = static_cast<std::uint16_t>(t.to);
      for (const auto& t : transfers)
        into[t.to].push_back({static_cast<int>(i), static_cast<std::uint16_t>(t.from), emptiesTo[t.to]});
    }
    return into;
  };
  lib->centreItemsInto = index(lib->centreItems, g.count);
  lib->wingItemsInto = index(lib->wingItems, g.wings.size());
  for (int o = 0; o < 24; ++o) lib->mapBack[o] = b.MapBack(g.rotation[o]);
  return lib;
}

}  // namespace

const Library& LibraryOf(int order) {
  static std::array<std::unique_ptr<Library>, 8> built;
  static std::array<std::once_flag, 8> once;
  std::call_once(once[order], [order] { built[order] = Build(order); });
  return *built[order];
}

}  // namespace nxn
