#include "solvers/nxn/EdgePairing.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>

#include "solvers/nxn/NxNLibrary.h"

namespace nxn {

namespace {

// An edge piece's two stickers, ordered by the faces of its slot.
struct Member {
  int first, second;
};

struct Bracket {
  MoveList moves;
  int sliceTurns = 0;  // moves of S at the start (0 for a wing 3-cycle)
  int cost = 0;
  std::vector<std::array<int, 2>> transfers;  // edge sticker ← sticker its content comes from
  std::vector<int> slots;                     // slots whose pieces change
};

struct Pairing {
  std::vector<std::vector<Member>> slots;  // the pieces of each of the 12 edge slots
  std::vector<Bracket> brackets;
  std::vector<Bracket> innerBrackets;  // S of inner layers only: tried without setup turns
  std::vector<Bracket> cycles;  // wing 3-cycles: tried without setup turns
  std::vector<MoveCode> setups;  // outer turns
};

int SlotKey(int fa, int fb) { return std::min(fa, fb) * 6 + std::max(fa, fb); }

std::unique_ptr<Pairing> Build(int order) {
  const Geometry& g = GeometryOf(order);
  auto p = std::make_unique<Pairing>();
  std::vector<int> slotOfKey(36, -1), slotOfSticker(g.count, -1);
  auto add = [&](const std::array<int, 2>& st) {
    const int key = SlotKey(g.face[st[0]], g.face[st[1]]);
    if (slotOfKey[key] < 0) {
      slotOfKey[key] = static_cast<int>(p->slots.size());
      p->slots.emplace_back();
    }
    const int slot = slotOfKey[key];
    const bool inOrder = g.face[st[0]] < g.face[st[1]];
    p->slots[slot].push_back({inOrder ? st[0] : st[1], inOrder ? st[1] : st[0]});
    slotOfSticker[st[0]] = slotOfSticker[st[1]] = slot;
  };
  for (const auto& w : g.wings) add(w);
  for (const auto& e : g.middleEdges) add(e);

  const int n = g.n;
  // S: a face with the layers next to it (one block turn), or a run of inner
  // layers alone (two), which can pick out one wing orbit.
  std::vector<std::pair<MoveList, bool>> slices;  // (S, inner layers only)
  for (int axis = 0; axis < 3; ++axis)
    for (int amount = 1; amount <= 3; ++amount)
      for (int from = 0; from < n; ++from)
        for (int to = from; to < n; ++to) {
          const bool inner = from > 0 && to < n - 1;
          const bool block = (from == 0) != (to == n - 1) && from != to;
          if (inner || block) slices.push_back({LayerRange(axis, from, to, amount), inner});
        }
  for (const auto& [slice, inner] : slices) {
    const int axis = AxisOf(slice[0]);
    for (int xAxis = 0; xAxis < 3; ++xAxis) {
      if (xAxis == axis) continue;
      for (int xLayer : {0, n - 1})
        for (int xAmount = 1; xAmount <= 3; ++xAmount)
          for (int yLayer : {0, n - 1})
            for (int yAmount = 1; yAmount <= 3; ++yAmount) {
              Bracket b;
              b.moves = slice;
              b.sliceTurns = static_cast<int>(slice.size());
              const MoveCode x = MakeMove(xAxis, xLayer, xAmount);
              b.moves.push_back(x);
              b.moves.push_back(MakeMove(axis, yLayer, yAmount));
              b.moves.push_back(Inverse(x));
              for (MoveCode m : slice) b.moves.push_back(Inverse(m));
              b.cost = BlockTurnCount(n, b.moves);
              std::vector<std::uint16_t> from(g.count);
              for (int i = 0; i < g.count; ++i) from[i] = static_cast<std::uint16_t>(i);
              for (MoveCode m : b.moves) ApplyTurn(g, from, AxisOf(m), LayerOf(m), AmountOf(m));
              for (int i = 0; i < g.count; ++i) {
                if (from[i] == i || slotOfSticker[i] < 0) continue;
                b.transfers.push_back({i, from[i]});
                b.slots.push_back(slotOfSticker[i]);
              }
              std::sort(b.slots.begin(), b.slots.end());
              b.slots.erase(std::unique(b.slots.begin(), b.slots.end()), b.slots.end());
              (inner ? p->innerBrackets : p->brackets).push_back(std::move(b));
            }
    }
  }
  // The wing 3-cycles, for the pairs that no single bracket makes.
  for (const LibraryItem& item : LibraryOf(order).wingItems) {
    Bracket b;
    b.moves = item.moves;
    b.cost = item.cost;
    for (const Transfer& t : item.transfers)
      for (int i = 0; i < 2; ++i) {
        b.transfers.push_back({g.wings[t.to][i], g.wings[t.from][i]});
        b.slots.push_back(slotOfSticker[g.wings[t.to][i]]);
      }
    std::sort(b.slots.begin(), b.slots.end());
    b.slots.erase(std::unique(b.slots.begin(), b.slots.end()), b.slots.end());
    p->cycles.push_back(std::move(b));
  }
  for (int axis = 0; axis < 3; ++axis)
    for (int layer : {0, n - 1})
      for (int amount = 1; amount <= 3; ++amount) p->setups.push_back(MakeMove(axis, layer, amount));
  return p;
}

const Pairing& PairingOf(int order) {
  static std::array<std::unique_ptr<Pairing>, 8> built;
  static std::array<std::once_flag, 8> once;
  std::call_once(once[order], [order] { built[order] = Build(order); });
  return *built[order];
}

// How many pieces of a slot already agree: at odd orders those that show the
// middle edge's colours (the last member), else the most that show one pair.
// `colour` reads a sticker.
template <class Colour>
int SlotScore(const std::vector<Member>& members, bool middleLast, const Colour& colour) {
  std::array<int, 8> pair{};
  const int k = static_cast<int>(members.size());
  for (int i = 0; i < k; ++i) pair[i] = colour(members[i].first) * 16 + colour(members[i].second);
  int best = 0;
  for (int i = middleLast ? k - 1 : 0; i < k; ++i) {
    int same = 0;
    for (int j = 0; j < k; ++j) same += pair[j] == pair[i];
    best = std::max(best, same);
  }
  return best;
}

// Even orders: swaps two paired edges (the 3×3×3 view's permutation parity
// changes), keeping the centres: r2 U2 r2 Uw2 r2 Uw2 with r every inner layer
// on the R half and Uw the U half.
MoveList SwapTwoEdges(int n) {
  MoveList out;
  auto innerR = [&] {
    for (int layer = (n + 1) / 2; layer <= n - 2; ++layer) out.push_back(MakeMove(0, layer, 2));
  };
  auto upperHalf = [&] {
    for (int layer = 0; layer < n / 2; ++layer) out.push_back(MakeMove(1, layer, 2));
  };
  innerR();
  out.push_back(MakeMove(1, 0, 2));
  innerR();
  upperHalf();
  innerR();
  upperHalf();
  return out;
}

int TotalScore(const Pairing& p, bool odd, const Stickers& s) {
  int total = 0;
  for (const auto& members : p.slots) total += SlotScore(members, odd, [&](int i) { return s[i]; });
  return total;
}

// While S is still turned, more X Y X⁻¹ moves may pair further edges before
// S is undone: adds them one at a time while that pairs more per block turn.
// `step` is [setup] S X Y X⁻¹ S⁻¹ with S of `sliceTurns` moves, gaining `gain`.
MoveList Extend(const Geometry& g, const Pairing& p, const Stickers& s, MoveList step, int sliceTurns, int gain) {
  constexpr int kMostMoves = 4;  // X Y X⁻¹ moves inside one bracket
  const bool odd = g.n % 2 == 1;
  const int before = TotalScore(p, odd, s);
  const int axis = AxisOf(step[step.size() - 1]);
  int cost = BlockTurnCount(g.n, step);
  for (int added = 1; added < kMostMoves; ++added) {
    const MoveList open(step.begin(), step.end() - sliceTurns);
    const MoveList close(step.end() - sliceTurns, step.end());
    MoveList best;
    int bestGain = gain, bestCost = cost;
    for (MoveCode x : p.setups) {
      if (AxisOf(x) == axis) continue;
      for (MoveCode y : p.setups) {
        if (AxisOf(y) != axis) continue;
        MoveList trial = open;
        trial.insert(trial.end(), {x, y, Inverse(x)});
        trial.insert(trial.end(), close.begin(), close.end());
        Stickers t = s;
        for (MoveCode m : trial) ApplyTurn(g, t, AxisOf(m), LayerOf(m), AmountOf(m));
        const int trialGain = TotalScore(p, odd, t) - before;
        const int trialCost = BlockTurnCount(g.n, trial);
        if (trialGain * bestCost > bestGain * trialCost) {
          best = trial;
          bestGain = trialGain;
          bestCost = trialCost;
        }
      }
    }
    if (best.empty()) break;
    step = best;
    gain = bestGain;
    cost = bestCost;
  }
  return step;
}

}  // namespace

int UnpairedEdges(const Geometry& g, const Stickers& s) {
  const Pairing& p = PairingOf(g.n);
  int unpaired = 0;
  for (const auto& members : p.slots)
    unpaired += SlotScore(members, g.n % 2 == 1, [&](int i) { return s[i]; }) != static_cast<int>(members.size());
  return unpaired;
}

void PairEdgesBySlices(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves) {
  const Pairing& p = PairingOf(g.n);
  std::vector<int> source(g.count);
  for (int i = 0; i < g.count; ++i) source[i] = i;
  for (;;) {
    int bestGain = 0, bestCost = 1, bestSetup = -1;
    const Bracket* best = nullptr;
    for (int setup = -2; setup < static_cast<int>(p.setups.size()); ++setup) {
      Stickers t = s;
      if (setup >= 0) ApplyTurn(g, t, AxisOf(p.setups[setup]), LayerOf(p.setups[setup]), AmountOf(p.setups[setup]));
      std::vector<int> score(p.slots.size());
      for (size_t k = 0; k < p.slots.size(); ++k) score[k] = SlotScore(p.slots[k], g.n % 2 == 1, [&](int i) { return t[i]; });
      auto weigh = [&](const std::vector<Bracket>& candidates) {
        for (const Bracket& b : candidates) {
          // Only a slot that is not yet paired can gain.
          if (std::all_of(b.slots.begin(), b.slots.end(),
                          [&](int k) { return score[k] == static_cast<int>(p.slots[k].size()); }))
            continue;
          for (const auto& x : b.transfers) source[x[0]] = x[1];
          int gain = 0;
          for (int k : b.slots)
            gain += SlotScore(p.slots[k], g.n % 2 == 1, [&](int i) { return t[source[i]]; }) - score[k];
          for (const auto& x : b.transfers) source[x[0]] = x[0];
          const int cost = b.cost + (setup >= 0 ? 1 : 0);
          if (gain > 0 && gain * bestCost > bestGain * cost) {
            bestGain = gain;
            bestCost = cost;
            best = &b;
            bestSetup = setup;
          }
        }
      };
      weigh(setup == -2 ? p.cycles : p.brackets);
      if (setup == -1) weigh(p.innerBrackets);
    }
    if (!best) break;
    MoveList step;
    if (bestSetup >= 0) step.push_back(p.setups[bestSetup]);
    step.insert(step.end(), best->moves.begin(), best->moves.end());
    if (best->sliceTurns > 0) step = Extend(g, p, s, step, best->sliceTurns, bestGain);
    for (MoveCode m : step) ApplyTurn(g, s, AxisOf(m), LayerOf(m), AmountOf(m));
    moves.insert(moves.end(), step.begin(), step.end());
  }
  if (g.n % 2 == 0 && UnpairedEdges(g, s) == 0 && (OuterParity(g, s, scheme) & 1)) {
    const MoveList swap = SwapTwoEdges(g.n);
    for (MoveCode m : swap) ApplyTurn(g, s, AxisOf(m), LayerOf(m), AmountOf(m));
    moves.insert(moves.end(), swap.begin(), swap.end());
  }
}

}  // namespace nxn
