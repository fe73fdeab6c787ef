#include "solvers/nxn/NxNLibrary.h"

#include <algorithm>
#include <map>
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

MoveList Commutator(const MoveList& x, const MoveList& y) {
  MoveList out = x;
  out.insert(out.end(), y.begin(), y.end());
  for (auto it = x.rbegin(); it != x.rend(); ++it) out.push_back(Inverse(*it));
  for (auto it = y.rbegin(); it != y.rend(); ++it) out.push_back(Inverse(*it));
  return out;
}

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
  std::vector<Transfer> CentreCycle(const Labels& l) const {
    std::vector<Transfer> t;
    for (int c : g.centres)
      if (l[c] != c) {
        if (fixedCentre[c] || t.size() == 3) return {};
        t.push_back({c, l[c]});
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

  static std::vector<int> Key(std::vector<Transfer> t) {
    std::sort(t.begin(), t.end(), [](const Transfer& a, const Transfer& b) { return a.to < b.to; });
    std::vector<int> key;
    for (const auto& x : t) {
      key.push_back(x.to);
      key.push_back(x.from);
    }
    return key;
  }

  struct KeyHash {
    size_t operator()(const std::vector<int>& key) const {
      size_t h = key.size();
      for (int v : key) h = h * 1000003u ^ static_cast<size_t>(v);
      return h;
    }
  };

  // Adds conjugates by single turns until no new cycle appears, cheapest (in
  // block turns) first, so that every cycle keeps its cheapest sequence.
  void Close(std::vector<LibraryItem>& items, bool wings) const {
    struct Best {
      int cost;
      bool done;
    };
    std::unordered_map<std::vector<int>, Best, KeyHash> best;  // by cycle
    std::vector<std::vector<LibraryItem>> byCost;
    // Queues the item unless its cycle already has a sequence as cheap.
    auto queue = [&](const MoveList& moves, const std::vector<Transfer>& transfers, std::vector<int> key) {
      auto at = best.find(key);
      if (at != best.end() && at->second.done) return;
      const int cost = BlockTurnCount(g.n, moves);
      if (at == best.end()) at = best.emplace(std::move(key), Best{cost, false}).first;
      else if (at->second.cost <= cost) return;
      at->second.cost = cost;
      if (byCost.size() <= static_cast<size_t>(cost)) byCost.resize(cost + 1);
      byCost[cost].push_back({moves, transfers, cost});
    };
    for (auto& it : items) queue(it.moves, it.transfers, Key(it.transfers));
    items.clear();
    MoveList next;
    std::vector<Transfer> t;
    for (size_t cost = 0; cost < byCost.size(); ++cost)
      for (size_t j = 0; j < byCost[cost].size(); ++j) {
        const LibraryItem item = byCost[cost][j];  // a copy: queueing may grow this bucket
        Best& mine = best.at(Key(item.transfers));
        if (mine.done || mine.cost < item.cost) continue;
        mine.done = true;
        for (size_t k = 0; k < singleMoves.size(); ++k) {
          const MoveCode m = singleMoves[k];
          // Conjugate m · item · m⁻¹: each position p of the item becomes m⁻¹(p).
          const Labels& prev = movePrev[k];
          t.clear();
          for (const auto& x : item.transfers) {
            if (wings)
              t.push_back({wingOfSticker[prev[g.wings[x.to][0]]], wingOfSticker[prev[g.wings[x.from][0]]]});
            else
              t.push_back({prev[x.to], prev[x.from]});
          }
          if (!wings && std::any_of(t.begin(), t.end(), [&](const Transfer& x) { return fixedCentre[x.to]; }))
            continue;
          next.clear();
          next.push_back(m);
          next.insert(next.end(), item.moves.begin(), item.moves.end());
          next.push_back(Inverse(m));
          queue(next, t, Key(t));
        }
        items.push_back(item);
      }
  }

  std::vector<LibraryItem> CentreItems() const {
    std::vector<LibraryItem> items;
    // The turns that slide centres: one inner layer, or a face with the
    // layers next to it (one block turn, and on the centres of other faces
    // the same as its inner layers alone).
    std::vector<MoveList> slides;
    for (int axis = 0; axis < 3; ++axis)
      for (int amount = 1; amount <= 3; ++amount)
        for (int layer = 1; layer < g.n - 1; ++layer) {
          // The middle slice of odd orders may take part as long as the fixed centres end in place.
          slides.push_back({MakeMove(axis, layer, amount)});
          slides.push_back(LayerRange(axis, 0, layer, amount));
          slides.push_back(LayerRange(axis, g.n - 1 - layer, g.n - 1, amount));
        }
    std::vector<MoveCode> faces;
    for (MoveCode m : singleMoves)
      if ((LayerOf(m) == 0 || LayerOf(m) == g.n - 1) && AmountOf(m) != 2) faces.push_back(m);
    for (const MoveList& x : slides)
      for (MoveCode t : faces) {
        if (AxisOf(t) == AxisOf(x[0])) continue;
        for (const MoveList& y : slides) {
          if (AxisOf(y[0]) != AxisOf(x[0])) continue;
          MoveList conj = {t};
          conj.insert(conj.end(), y.begin(), y.end());
          conj.push_back(Inverse(t));
          const MoveList seq = Commutator(x, conj);
          auto cycle = CentreCycle(Track(g, seq));
          if (!cycle.empty()) items.push_back({seq, cycle});
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
  void AddCentreMove(std::vector<LibraryItem>& items, std::map<std::vector<int>, size_t>& seen,
                     const MoveList& seq) const {
    const Labels l = Track(g, seq);
    std::vector<Transfer> moved;
    for (int c : g.centres)
      if (l[c] != c) {
        if (fixedCentre[c]) return;
        moved.push_back({c, l[c]});
      }
    if (!moved.empty() && seen.emplace(Key(moved), 0).second) items.push_back({seq, moved});
  }

  std::map<std::vector<int>, size_t> SeenOf(const std::vector<LibraryItem>& items) const {
    std::map<std::vector<int>, size_t> seen;
    for (const auto& it : items) seen.emplace(Key(it.transfers), 0);
    return seen;
  }

  // [A, T B T⁻¹] for blocks A and B on one axis and outer quarter turns T on
  // another.
  void AddBlockCommutators(std::vector<LibraryItem>& items) const {
    const auto blocks = Blocks();
    auto seen = SeenOf(items);
    for (int axis = 0; axis < 3; ++axis)
      for (const auto& a : blocks)
        for (const auto& b : blocks)
          for (int amountA : {1, 3})
            for (int amountB : {1, 3})
              for (int tAxis = 0; tAxis < 3; ++tAxis) {
                if (tAxis == axis) continue;
                for (int tLayer : {0, g.n - 1})
                  for (int tAmount : {1, 3}) {
                    const MoveCode t = MakeMove(tAxis, tLayer, tAmount);
                    MoveList conj = {t};
                    const MoveList bTurn = BlockTurn(axis, b, amountB);
                    conj.insert(conj.end(), bTurn.begin(), bTurn.end());
                    conj.push_back(Inverse(t));
                    AddCentreMove(items, seen, Commutator(BlockTurn(axis, a, amountA), conj));
                  }
              }
  }

  // X Y X⁻¹ and X Y X⁻¹ Y⁻¹ for every turn X of neighbouring layers that
  // takes an inner layer along, and Y an outer turn or a half block turn on
  // another axis: three to five block turns that trade bars of centres
  // between faces and keep every wing orbit's parity.
  void AddConjugatedTurns(std::vector<LibraryItem>& items) const {
    auto seen = SeenOf(items);
    for (int axis = 0; axis < 3; ++axis)
      for (int from = 0; from < g.n - 1; ++from)
        for (int to = std::max(from, 1); to < g.n; ++to) {
          if (from == 0 && to == g.n - 1) continue;  // the whole cube
          for (int amount = 1; amount <= 3; ++amount) {
            const MoveList x = LayerRange(axis, from, to, amount);
            std::vector<MoveList> ys;
            for (int yAxis = 0; yAxis < 3; ++yAxis) {
              if (yAxis == axis) continue;
              for (int yAmount = 1; yAmount <= 3; ++yAmount) {
                ys.push_back(LayerRange(yAxis, 0, 0, yAmount));
                ys.push_back(LayerRange(yAxis, g.n - 1, g.n - 1, yAmount));
              }
              for (int depth = 1; depth <= g.n - 2; ++depth) {
                ys.push_back(LayerRange(yAxis, 0, depth, 2));
                ys.push_back(LayerRange(yAxis, g.n - 1 - depth, g.n - 1, 2));
              }
            }
            for (const MoveList& y : ys) {
              MoveList seq = x;
              seq.insert(seq.end(), y.begin(), y.end());
              for (MoveCode m : x) seq.push_back(Inverse(m));
              AddCentreMove(items, seen, seq);
              for (MoveCode m : y) seq.push_back(Inverse(m));
              AddCentreMove(items, seen, seq);
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
  for (auto* items : {&lib->centreItems, &lib->wingItems})
    for (auto& item : *items) item.cost = BlockTurnCount(order, item.moves);
  auto index = [](const std::vector<LibraryItem>& items, size_t positions) {
    std::vector<std::vector<int>> into(positions);
    for (size_t i = 0; i < items.size(); ++i)
      for (const auto& t : items[i].transfers) into[t.to].push_back(static_cast<int>(i));
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
