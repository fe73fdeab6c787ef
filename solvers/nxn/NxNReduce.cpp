#include "solvers/nxn/NxNReduce.h"

#include <algorithm>
#include <map>

#include "solvers/nxn/Centres444.h"
#include "solvers/nxn/EdgePairing.h"
#include "solvers/nxn/NxNLibrary.h"
#include "solvers/nxn/NxNValidate.h"

namespace nxn {

namespace {

constexpr int kMaxSteps = 4000;  // far above any reduction; guards against a stuck search
constexpr int kNoSticker = -1;
constexpr int kNoBudget = 1 << 30;

// Stickers of each position: one for a centre, two for a wing.
using PositionStickers = std::vector<std::array<int, 2>>;

struct Targets {
  std::vector<std::uint8_t> colour;  // wanted colour of each sticker
};

// Repeatedly performs the item with the best gain per block turn until every
// position holds its wanted content. False if no item makes progress or the
// items' block turns pass `budget` (the caller has a cheaper result). An
// item's gain is a sum of one term per transfer, and a term changes only when
// the content of the position it fills or empties does; a step changes the
// content of its own positions only, so only those terms are worked out again.
bool Greedy(const Geometry& g, const std::vector<LibraryItem>& items, const std::vector<std::vector<ItemAt>>& into,
            const PositionStickers& at, const std::vector<int>& positions, const Targets& t, Stickers& s,
            MoveList& moves, int budget = kNoBudget, size_t lookahead = 1) {
  int spent = 0;
  auto fits = [&](int from, int to) {
    for (int i = 0; i < 2; ++i) {
      if (at[to][i] == kNoSticker) break;
      if (s[at[from][i]] != t.colour[at[to][i]]) return false;
    }
    return true;
  };
  std::vector<char> tracked(at.size(), 0), correct(at.size(), 0);
  for (int p : positions) tracked[p] = 1;
  for (int p : positions) correct[p] = fits(p, p);
  auto allCorrect = [&] { return std::all_of(positions.begin(), positions.end(), [&](int p) { return correct[p]; }); };
  if (allCorrect()) return true;  // before weighing every item
  auto termOf = [&](const Transfer& x) { return tracked[x.to] ? fits(x.from, x.to) - correct[x.to] : 0; };
  std::vector<int> gain(items.size(), 0);
  std::vector<char> weighed(items.size(), 0);
  for (int p : positions)
    for (const ItemAt& e : into[p])
      if (!weighed[e.item]) {
        weighed[e.item] = 1;
        for (const auto& x : items[e.item].transfers) gain[e.item] += termOf(x);
      }
  std::vector<char> stepping(at.size(), 0);  // the positions of the item being performed
  // Adds (sign +1) or takes away (−1) the terms of the transfers into or out
  // of the positions of `item`; one between two of them counts once, as a
  // transfer into.
  auto adjustTerms = [&](const LibraryItem& item, int sign) {
    for (const auto& x : item.transfers) stepping[x.to] = 1;
    for (const auto& x : item.transfers) {
      const int p = x.to;
      for (const ItemAt& e : into[p]) {
        int delta = termOf({p, e.fillsFrom});
        if (!stepping[e.emptiesTo]) delta += termOf({e.emptiesTo, p});
        gain[e.item] += sign * delta;
      }
    }
    for (const auto& x : item.transfers) stepping[x.to] = 0;
  };
  // Looking one step ahead (lookahead > 1): the few best items by gain per
  // block turn are weighed by what they and the best item after them gain
  // together.
  std::vector<int> source(at.size()), aheadStamp(items.size(), -1);
  for (size_t p = 0; p < at.size(); ++p) source[p] = static_cast<int>(p);
  auto better = [&](int gainA, int costA, int gainB, int costB) { return gainA * costB > gainB * costA; };
  int aheadRound = 0;
  for (int step = 1; step <= kMaxSteps; ++step) {
    if (allCorrect()) return true;
    std::vector<int> top;  // by gain per block turn, best first
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      if (gain[i] <= 0) continue;
      auto at_ = std::find_if(top.begin(), top.end(),
                              [&](int j) { return better(gain[i], items[i].cost, gain[j], items[j].cost); });
      if (static_cast<size_t>(at_ - top.begin()) >= lookahead) continue;
      top.insert(at_, i);
      if (top.size() > lookahead) top.pop_back();
    }
    if (top.empty()) return false;
    int best = top[0], bestTotalGain = 0, bestTotalCost = 1;
    for (int c : top) {
      if (top.size() == 1) break;
      const LibraryItem& first = items[c];
      for (const auto& x : first.transfers) source[x.to] = x.from;
      auto fitsAfter = [&](int from, int to) { return fits(source[from], to); };
      auto correctAfter = [&](int p) { return source[p] != p ? fitsAfter(p, p) : static_cast<bool>(correct[p]); };
      ++aheadRound;
      int secondGain = 0, secondCost = 1;
      for (const auto& x : first.transfers)
        for (const ItemAt& e : into[x.to]) {
          const int i = e.item;
          if (aheadStamp[i] == aheadRound) continue;
          aheadStamp[i] = aheadRound;
          int g2 = 0;
          for (const auto& y : items[i].transfers)
            if (tracked[y.to]) g2 += fitsAfter(y.from, y.to) - correctAfter(y.to);
          if (g2 > 0 && better(g2, items[i].cost, secondGain, secondCost)) secondGain = g2, secondCost = items[i].cost;
        }
      for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (aheadStamp[i] != aheadRound && gain[i] > 0 && better(gain[i], items[i].cost, secondGain, secondCost))
          secondGain = gain[i], secondCost = items[i].cost;
      for (const auto& x : first.transfers) source[x.to] = x.to;
      const int totalGain = gain[c] + secondGain, totalCost = first.cost + (secondGain > 0 ? secondCost : 0);
      if (c == top[0] || better(totalGain, totalCost, bestTotalGain, bestTotalCost)) {
        best = c;
        bestTotalGain = totalGain;
        bestTotalCost = totalCost;
      }
    }
    const LibraryItem& item = items[best];
    spent += item.cost;
    if (spent > budget) return false;
    // Only the terms that touch the step's positions change: out of the
    // gains with them, step, and back in.
    adjustTerms(item, -1);
    for (MoveCode m : item.moves) ApplyTurn(g, s, AxisOf(m), LayerOf(m), AmountOf(m));
    moves.insert(moves.end(), item.moves.begin(), item.moves.end());
    for (const auto& x : item.transfers)
      if (tracked[x.to]) correct[x.to] = fits(x.to, x.to);
    adjustTerms(item, +1);
  }
  return false;
}

// Every inner-layer turn of a 4×4×4 algorithm joined by the outer layer next
// to it: one block turn instead of two. The edge-flip algorithm keeps its
// work (centres whole, pairs kept, one edge turned over); only the outer
// layers, which the 3×3×3 finish solves anyway, end differently.
MoveList Widened444(const MoveList& moves) {
  MoveList out;
  for (MoveCode m : moves) {
    out.push_back(m);
    if (LayerOf(m) == 1) out.push_back(MakeMove(AxisOf(m), 0, AmountOf(m)));
    if (LayerOf(m) == 2) out.push_back(MakeMove(AxisOf(m), 3, AmountOf(m)));
  }
  return out;
}

int SlotKey(int fa, int fb) { return std::min(fa, fb) * 6 + std::max(fa, fb); }

// Permutation parity of the wings of each orbit (by orbit id) against the solved cube.
std::map<int, int> WingParities(const Geometry& g, const Stickers& s, const Scheme& scheme) {
  const auto faceOf = FaceOfColour(scheme);
  std::map<std::array<int, 3>, int> home;
  for (size_t w = 0; w < g.wings.size(); ++w)
    home[{g.orbit[g.wings[w][0]], g.face[g.wings[w][0]], g.face[g.wings[w][1]]}] = static_cast<int>(w);
  std::vector<int> perm(g.wings.size());
  for (size_t w = 0; w < g.wings.size(); ++w) {
    const auto& st = g.wings[w];
    perm[w] = home.at({g.orbit[st[0]], faceOf[s[st[0]]], faceOf[s[st[1]]]});
  }
  std::map<int, int> parity;  // by orbit
  std::vector<bool> seen(perm.size(), false);
  for (size_t w = 0; w < perm.size(); ++w) {
    if (seen[w]) continue;
    int length = 0;
    for (size_t x = w; !seen[x]; x = perm[x]) {
      seen[x] = true;
      ++length;
    }
    parity[g.orbit[g.wings[w][0]]] ^= (length + 1) & 1;
  }
  return parity;
}

// Each wing orbit whose permutation is odd gets a quarter slice turn now,
// before the centres: wing 3-cycles cannot change that parity later.
void FixWingParity(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves) {
  auto parity = WingParities(g, s, scheme);
  for (size_t w = 0; w < g.wings.size(); ++w) {
    const auto& st = g.wings[w];
    const int layer = g.cubie[st[0]][0];
    const bool runsAlongX = layer != 0 && layer != g.n - 1;
    if (!runsAlongX || !parity[g.orbit[st[0]]]) continue;
    parity[g.orbit[st[0]]] = 0;
    ApplyTurn(g, s, 0, layer, 1);
    moves.push_back(MakeMove(0, layer, 1));
  }
}

// The general centre routine, for the centres of the faces in `faces` (bit per face).
bool SolveCentres(const Geometry& g, const Library& lib, Stickers& s, const Scheme& scheme, int faces,
                  MoveList& moves, int budget = kNoBudget) {
  PositionStickers at(g.count, {kNoSticker, kNoSticker});
  Targets t{std::vector<std::uint8_t>(g.count, 0)};
  std::vector<int> positions;
  const int mid = g.n / 2;
  for (int c : g.centres) {
    const auto& q = g.cubie[c];
    const bool fixed = g.n % 2 == 1 && (q[0] == mid) + (q[1] == mid) + (q[2] == mid) == 2;
    at[c] = {c, kNoSticker};
    t.colour[c] = scheme[g.face[c]];
    if (!fixed && (faces >> g.face[c] & 1)) positions.push_back(c);
  }
  // Looking ahead pays at order 4, where few centres are left to this routine;
  // above it costs more time than it saves turns.
  const size_t lookahead = g.n == 4 ? 4 : 1;
  return Greedy(g, lib.centreItems, lib.centreItemsInto, at, positions, t, s, moves, budget, lookahead);
}

struct EdgeSlot {
  int fa, fb;  // its two faces
};

bool IsUD(int f) { return f == kFaceU || f == kFaceD; }
bool IsFB(int f) { return f == kFaceF || f == kFaceB; }
int PrimaryFace(int fa, int fb) {
  if (IsUD(fa)) return fa;
  if (IsUD(fb)) return fb;
  return IsFB(fa) ? fa : fb;
}


// Even N: which edge is built in which slot, turned which way. Starts from the
// best matches with the wings already there, then makes the flip sum's parity
// that of the wing permutations (3-cycles keep it; each turned-over edge is
// one swap of twin wings) and the slot permutation's parity equal to the
// corners' so that the 3×3×3 view is solvable.
std::vector<std::array<std::uint8_t, 2>> AssignEdges(const Geometry& g, const Stickers& s, const Scheme& scheme,
                                                     const std::vector<EdgeSlot>& slots, int flipParity) {
  const int k = static_cast<int>(slots.size());
  // score[slot][edge][turned]
  std::vector<std::array<std::array<int, 2>, 12>> score(k);
  auto colours = [&](int e, int turned) {
    return turned ? std::array<std::uint8_t, 2>{scheme[slots[e].fb], scheme[slots[e].fa]}
                  : std::array<std::uint8_t, 2>{scheme[slots[e].fa], scheme[slots[e].fb]};
  };
  std::vector<int> slotOfKey(36, -1);
  for (int i = 0; i < k; ++i) slotOfKey[SlotKey(slots[i].fa, slots[i].fb)] = i;
  for (const auto& w : g.wings) {
    const int slot = slotOfKey[SlotKey(g.face[w[0]], g.face[w[1]])];
    const bool firstOnA = g.face[w[0]] == slots[slot].fa;
    const std::uint8_t onA = s[firstOnA ? w[0] : w[1]], onB = s[firstOnA ? w[1] : w[0]];
    for (int e = 0; e < k; ++e)
      for (int turned = 0; turned < 2; ++turned) {
        const auto c = colours(e, turned);
        score[slot][e][turned] += c[0] == onA && c[1] == onB;
      }
  }
  auto flipOf = [&](int slot, int e, int turned) {
    const int primary = PrimaryFace(slots[slot].fa, slots[slot].fb);
    const auto c = colours(e, turned);
    const std::uint8_t onPrimary = primary == slots[slot].fa ? c[0] : c[1];
    return onPrimary != scheme[PrimaryFace(slots[e].fa, slots[e].fb)];
  };
  std::vector<std::array<int, 3>> order;  // (score, slot, edge·2 + turned)
  for (int i = 0; i < k; ++i)
    for (int e = 0; e < k; ++e)
      for (int turned = 0; turned < 2; ++turned) order.push_back({score[i][e][turned], i, e * 2 + turned});
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a[0] > b[0]; });
  std::vector<int> edgeOf(k, -1), turnedOf(k, 0);
  std::vector<bool> used(k, false);
  for (const auto& o : order) {
    if (edgeOf[o[1]] >= 0 || used[o[2] / 2]) continue;
    edgeOf[o[1]] = o[2] / 2;
    turnedOf[o[1]] = o[2] % 2;
    used[o[2] / 2] = true;
  }
  int flips = 0;
  for (int i = 0; i < k; ++i) flips += flipOf(i, edgeOf[i], turnedOf[i]);
  if (flips % 2 != flipParity) {
    int bestSlot = 0, bestLoss = 1 << 30;
    for (int i = 0; i < k; ++i) {
      const int loss = score[i][edgeOf[i]][turnedOf[i]] - score[i][edgeOf[i]][!turnedOf[i]];
      if (loss < bestLoss) bestLoss = loss, bestSlot = i;
    }
    turnedOf[bestSlot] ^= 1;
  }
  if (PermutationParity(edgeOf) != CornerParity(g, s, scheme)) {
    std::array<int, 4> best = {-1, 0, 0, 0};
    int bestLoss = 1 << 30;
    for (int i = 0; i < k; ++i)
      for (int j = i + 1; j < k; ++j)
        for (int ti = 0; ti < 2; ++ti)
          for (int tj = 0; tj < 2; ++tj) {
            const int before = flipOf(i, edgeOf[i], turnedOf[i]) + flipOf(j, edgeOf[j], turnedOf[j]);
            const int after = flipOf(i, edgeOf[j], ti) + flipOf(j, edgeOf[i], tj);
            if ((before - after) % 2) continue;
            const int loss = score[i][edgeOf[i]][turnedOf[i]] + score[j][edgeOf[j]][turnedOf[j]] -
                             score[i][edgeOf[j]][ti] - score[j][edgeOf[i]][tj];
            if (loss < bestLoss) bestLoss = loss, best = {i, j, ti, tj};
          }
    const int i = best[0], j = best[1];
    std::swap(edgeOf[i], edgeOf[j]);
    turnedOf[i] = best[2];
    turnedOf[j] = best[3];
  }
  std::vector<std::array<std::uint8_t, 2>> out(k);
  for (int i = 0; i < k; ++i) out[i] = colours(edgeOf[i], turnedOf[i]);
  return out;
}

bool PairEdges(const Geometry& g, const Library& lib, Stickers& s, const Scheme& scheme, MoveList& moves) {
  std::vector<EdgeSlot> slots;
  std::vector<int> slotOfKey(36, -1);
  for (const auto& w : g.wings) {
    const int key = SlotKey(g.face[w[0]], g.face[w[1]]);
    if (slotOfKey[key] >= 0) continue;
    slotOfKey[key] = static_cast<int>(slots.size());
    slots.push_back({std::min(g.face[w[0]], g.face[w[1]]), std::max(g.face[w[0]], g.face[w[1]])});
  }
  // Above order 4 the parities were made even before the centres, and the
  // centre routine keeps them. The 4×4×4 centre table and templates turn
  // inner layers freely, so its single wing orbit may be odd here: then one
  // edge is turned over by the parity algorithm, which keeps everything else.
  if (g.n == 4 && WingParities(g, s, scheme).begin()->second) {
    static const MoveList kFlipOneEdge = Widened444(ParseAlgorithm444(kEdgeFlipParity444));
    for (MoveCode m : kFlipOneEdge) ApplyTurn(g, s, AxisOf(m), LayerOf(m), AmountOf(m));
    moves.insert(moves.end(), kFlipOneEdge.begin(), kFlipOneEdge.end());
  }
  PairEdgesBySlices(g, s, scheme, moves);
  // The colours each slot's wings must show on its two faces.
  std::vector<std::array<std::uint8_t, 2>> want(slots.size());
  if (g.n % 2 == 1) {
    for (const auto& e : g.middleEdges) {
      const int slot = slotOfKey[SlotKey(g.face[e[0]], g.face[e[1]])];
      const bool firstOnA = g.face[e[0]] == slots[slot].fa;
      want[slot] = {s[firstOnA ? e[0] : e[1]], s[firstOnA ? e[1] : e[0]]};
    }
  } else {
    want = AssignEdges(g, s, scheme, slots, WingParities(g, s, scheme).begin()->second);
  }
  PositionStickers at(g.wings.size());
  Targets t{std::vector<std::uint8_t>(g.count, 0)};
  std::vector<int> positions;
  for (size_t w = 0; w < g.wings.size(); ++w) {
    const auto& st = g.wings[w];
    const int slot = slotOfKey[SlotKey(g.face[st[0]], g.face[st[1]])];
    for (int i = 0; i < 2; ++i) t.colour[st[i]] = want[slot][g.face[st[i]] == slots[slot].fa ? 0 : 1];
    at[w] = st;
    positions.push_back(static_cast<int>(w));
  }
  return Greedy(g, lib.wingItems, lib.wingItemsInto, at, positions, t, s, moves);
}

// False when the centres are not solved within about `budget` block turns.
bool SolveAllCentres(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves, int budget = kNoBudget) {
  const Library& lib = LibraryOf(g.n);
  constexpr int kAllFaces = 0x3F;
  FixWingParity(g, s, scheme, moves);
  if (g.n == 4) {
    // D from its table, then L, B and R, then F and U together by a template.
    constexpr int kAllButFU = kAllFaces & ~(1 << kFaceF | 1 << kFaceU);
    SolveDCentre444(g, s, scheme, moves);
    if (!SolveCentres(g, lib, s, scheme, kAllButFU, moves, budget)) return false;
    SolveLastCentres444(g, s, scheme, moves);
  }
  return SolveCentres(g, lib, s, scheme, kAllFaces, moves, budget);
}

bool FinishReduction(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves) {
  if (!PairEdges(g, LibraryOf(g.n), s, scheme, moves)) return false;
  Simplify(moves);
  return OuterParity(g, s, scheme) == 0;
}

// A reduction under way in one orientation.
struct Candidate {
  int orientation;
  Stickers stickers;
  Scheme scheme;
  MoveList moves;
  int estimate;  // block turns so far, plus the edge-flip algorithm a 4×4×4 will need
};

}  // namespace

bool IsSolved(const Geometry& g, const Stickers& s) {
  const int area = g.n * g.n;
  for (int f = 0; f < 6; ++f)
    for (int i = 1; i < area; ++i)
      if (s[f * area + i] != s[f * area]) return false;
  return true;
}

bool ReduceInFrame(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves) {
  return SolveAllCentres(g, s, scheme, moves) && FinishReduction(g, s, scheme, moves);
}

bool Reduce(const Geometry& g, const Stickers& s, const Scheme& scheme, Reduction& out) {
  // Edge pairing costs about the same in every orientation and far more time
  // than the centres, so only the orientations with the shortest centres go
  // on: fewer at the big orders, where each try takes longest.
  constexpr size_t kEdgeTrialsByOrder[8] = {0, 0, 0, 0, 6, 6, 3, 2};
  const size_t kEdgeTrials = kEdgeTrialsByOrder[g.n];
  constexpr size_t kLogTurns = 1022, kFinishRoom = 80;
  constexpr int kFlipCost444 = 15;  // block turns of the widened 4×4×4 edge-flip algorithm
  const Library& lib = LibraryOf(g.n);
  const int area = g.n * g.n;
  std::vector<Candidate> candidates;
  std::vector<int> estimates;  // sorted
  // Each try is an orientation of the cube with a goal for its centres. At
  // odd orders the fixed centres name each face's colour and the goal turns
  // with the cube. At even orders any whole-cube turn of the colour scheme is
  // as good a goal, so a goal that stays put while the cube turns is tried
  // too: a cube scrambled by outer turns alone then finds its centres already
  // solved. At order 4 both kinds pay; at order 6 trying both costs twice the
  // time for about one block turn.
  enum Goals { kTurning = 1, kStaying = 2 };
  constexpr int kGoalsByOrder[8] = {0, 0, 0, kTurning, kTurning | kStaying, kTurning, kStaying, kTurning};
  const int goals = kGoalsByOrder[g.n];
  for (int k = 0; k < 48; ++k) {
    const int o = k % 24;
    const bool goalStays = k >= 24;
    if (!(goals & (goalStays ? kStaying : kTurning))) continue;
    if (goalStays && o == 0 && (goals & kTurning)) continue;  // the same try as k = 0
    // An orientation whose centres already cost well over the kEdgeTrials-th
    // cheapest cannot be among those that go on (merging saves a few block turns).
    int budget = kNoBudget;
    if (estimates.size() >= kEdgeTrials) budget = estimates[kEdgeTrials - 1] * 9 / 8 + 4;
    const auto& rot = g.rotation[o];
    Candidate c{o, Stickers(g.count), Scheme{}, {}, 0};
    for (int i = 0; i < g.count; ++i) c.stickers[rot[i]] = s[i];
    if (goalStays)
      c.scheme = scheme;
    else
      for (int f = 0; f < 6; ++f) c.scheme[g.face[rot[f * area]]] = scheme[f];
    if (!SolveAllCentres(g, c.stickers, c.scheme, c.moves, budget)) continue;
    Simplify(c.moves);
    c.estimate = BlockTurnCount(g.n, c.moves);
    if (g.n == 4 && WingParities(g, c.stickers, c.scheme).begin()->second) c.estimate += kFlipCost444;
    estimates.insert(std::upper_bound(estimates.begin(), estimates.end(), c.estimate), c.estimate);
    candidates.push_back(std::move(c));
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) { return a.estimate < b.estimate; });
  bool found = false;
  int bestCount = 0;
  for (size_t k = 0; k < candidates.size() && (k < kEdgeTrials || !found); ++k) {
    Candidate& c = candidates[k];
    if (!FinishReduction(g, c.stickers, c.scheme, c.moves)) continue;
    // The move log holds 1 022 turns, and the 3×3×3 finish needs room too.
    const bool fitsLog = c.moves.size() + kFinishRoom <= kLogTurns;
    const int count = BlockTurnCount(g.n, c.moves) + (fitsLog ? 0 : kLogTurns);
    if (found && count >= bestCount) continue;
    MoveList moves = c.moves;
    for (auto& m : moves) {
      const MoveCode own = lib.mapBack[c.orientation][AxisOf(m) * g.n + LayerOf(m)];
      m = MakeMove(AxisOf(own), LayerOf(own), (AmountOf(own) * AmountOf(m)) & 3);
    }
    out.moves = moves;
    out.orientation = c.orientation + 1;
    bestCount = count;
    found = true;
  }
  return found;
}

}  // namespace nxn
