#include "solvers/nxn/Solve2x2.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <vector>

namespace nxn {

namespace {

constexpr int kSlots = 7;       // the corners that move; the R-D-B corner is the eighth
constexpr int kPerms = 5040;    // 7!
constexpr int kTwists = 729;    // 3^6, the seventh twist follows from the others
constexpr int kMoves = 9;       // L, U, F by 1..3 quarter turns
constexpr std::uint8_t kUnreached = 0xFF;
constexpr int kLongest = 11;  // every state is within 11 face turns

struct Tables {
  std::array<int, 8> slotOfCorner{};  // geometry corner index → slot 0..6, 7 for the fixed one
  std::array<int, kSlots> cornerOfSlot{};
  std::vector<std::array<std::uint16_t, kMoves>> permMove;
  std::vector<std::array<std::uint16_t, kMoves>> twistMove;
  // Fewest turns that place the corners, and that orient them: together a
  // lower bound on the distance that the search prunes with.
  std::vector<std::uint8_t> permDistance, twistDistance;
};

int RankPerm(const std::array<int, kSlots>& p) {
  int rank = 0;
  for (int i = 0; i < kSlots; ++i) {
    int smaller = 0;
    for (int j = i + 1; j < kSlots; ++j) smaller += p[j] < p[i];
    rank = rank * (kSlots - i) + smaller;
  }
  return rank;
}

std::array<int, kSlots> UnrankPerm(int rank) {
  std::array<int, kSlots> digits{};
  for (int i = kSlots - 1; i >= 0; --i) {
    digits[i] = rank % (kSlots - i);
    rank /= kSlots - i;
  }
  std::vector<int> pool = {0, 1, 2, 3, 4, 5, 6};
  std::array<int, kSlots> p{};
  for (int i = 0; i < kSlots; ++i) {
    p[i] = pool[digits[i]];
    pool.erase(pool.begin() + digits[i]);
  }
  return p;
}

// Stickers of a cube whose slot i holds corner piece p[i] twisted by t[i].
Stickers Compose(const Geometry& g, const Tables& t, const std::array<int, kSlots>& p,
                 const std::array<int, kSlots>& twist) {
  Stickers s(g.count, 0);
  for (int c = 0; c < 8; ++c)
    for (int i = 0; i < 3; ++i) s[g.corners[c][i]] = static_cast<std::uint8_t>(g.face[g.corners[c][i]] + 1);
  for (int slot = 0; slot < kSlots; ++slot) {
    const auto& at = g.corners[t.cornerOfSlot[slot]];
    const auto& home = g.corners[t.cornerOfSlot[p[slot]]];
    for (int i = 0; i < 3; ++i)
      s[at[(i + twist[slot]) % 3]] = static_cast<std::uint8_t>(g.face[home[i]] + 1);
  }
  return s;
}

// Reads the placement and twists of the seven moving corners.
void Decompose(const Geometry& g, const Tables& t, const Stickers& s, std::array<int, kSlots>& p,
               std::array<int, kSlots>& twist) {
  for (int slot = 0; slot < kSlots; ++slot) {
    const auto& at = g.corners[t.cornerOfSlot[slot]];
    for (int h = 0; h < kSlots; ++h) {
      const auto& home = g.corners[t.cornerOfSlot[h]];
      for (int r = 0; r < 3; ++r) {
        bool same = true;
        for (int i = 0; i < 3; ++i) same = same && s[at[(i + r) % 3]] == g.face[home[i]] + 1;
        if (same) {
          p[slot] = h;
          twist[slot] = r;
        }
      }
    }
  }
}

int RankTwist(const std::array<int, kSlots>& twist) {
  int r = 0;
  for (int i = 0; i < kSlots - 1; ++i) r = r * 3 + twist[i];
  return r;
}

std::array<int, kSlots> UnrankTwist(int r) {
  std::array<int, kSlots> twist{};
  int sum = 0;
  for (int i = kSlots - 2; i >= 0; --i) {
    twist[i] = r % 3;
    r /= 3;
    sum += twist[i];
  }
  twist[kSlots - 1] = (3 - sum % 3) % 3;
  return twist;
}

MoveCode MoveOf(int m) { return MakeMove(m / 3, 0, m % 3 + 1); }

// Distances from solved in one coordinate, by breadth-first search.
template <class MoveTable>
std::vector<std::uint8_t> Distances(const MoveTable& move, size_t states) {
  std::vector<std::uint8_t> distance(states, kUnreached);
  std::vector<int> queue = {0};
  distance[0] = 0;
  for (size_t head = 0; head < queue.size(); ++head) {
    const int from = queue[head];
    for (int m = 0; m < kMoves; ++m) {
      const int to = move[from][m];
      if (distance[to] != kUnreached) continue;
      distance[to] = static_cast<std::uint8_t>(distance[from] + 1);
      queue.push_back(to);
    }
  }
  return distance;
}

std::unique_ptr<Tables> Build() {
  const Geometry& g = GeometryOf(2);
  auto t = std::make_unique<Tables>();
  int next = 0;
  for (int c = 0; c < 8; ++c) {
    const auto& q = g.cubie[g.corners[c][0]];
    if (q[0] == 1 && q[1] == 1 && q[2] == 1) {
      t->slotOfCorner[c] = kSlots;
    } else {
      t->slotOfCorner[c] = next;
      t->cornerOfSlot[next++] = c;
    }
  }
  // Each move once on the solved stickers: slot i then holds the content of
  // slot from[m][i], twisted further by twist[m][i].
  const std::array<int, kSlots> identity = {0, 1, 2, 3, 4, 5, 6};
  const std::array<int, kSlots> untwisted{};
  std::array<std::array<int, kSlots>, kMoves> from{}, twist{};
  for (int m = 0; m < kMoves; ++m) {
    Stickers s = Compose(g, *t, identity, untwisted);
    ApplyTurn(g, s, m / 3, 0, m % 3 + 1);
    Decompose(g, *t, s, from[m], twist[m]);
  }
  t->permMove.resize(kPerms);
  t->twistMove.resize(kTwists);
  for (int r = 0; r < kPerms; ++r) {
    const std::array<int, kSlots> p = UnrankPerm(r);
    for (int m = 0; m < kMoves; ++m) {
      std::array<int, kSlots> moved{};
      for (int i = 0; i < kSlots; ++i) moved[i] = p[from[m][i]];
      t->permMove[r][m] = static_cast<std::uint16_t>(RankPerm(moved));
    }
  }
  for (int r = 0; r < kTwists; ++r) {
    const std::array<int, kSlots> tw = UnrankTwist(r);
    for (int m = 0; m < kMoves; ++m) {
      std::array<int, kSlots> moved{};
      for (int i = 0; i < kSlots; ++i) moved[i] = (tw[from[m][i]] + twist[m][i]) % 3;
      t->twistMove[r][m] = static_cast<std::uint16_t>(RankTwist(moved));
    }
  }
  t->permDistance = Distances(t->permMove, kPerms);
  t->twistDistance = Distances(t->twistMove, kTwists);
  return t;
}

const Tables& TablesOnce() {
  static std::unique_ptr<Tables> tables;
  static std::once_flag once;
  std::call_once(once, [] { tables = Build(); });
  return *tables;
}

int StateOf(const Tables& t, const Stickers& s) {
  std::array<int, kSlots> p{}, tw{};
  Decompose(GeometryOf(2), t, s, p, tw);
  return RankPerm(p) * kTwists + RankTwist(tw);
}

// Iterative deepening on the length, pruned by the two coordinate distances;
// turns are tried in code order and never twice in a row on one axis, so the
// first solution found is the first optimal one in that order.
struct Search {
  const Tables& t;
  int mode;
  MoveList path, best;
  int bestHalves = 1 << 30;
  bool done = false;

  int Bound(int perm, int twist) const { return std::max(t.permDistance[perm], t.twistDistance[twist]); }

  void Run(int perm, int twist, int left, int lastAxis) {
    if (done) return;
    if (Bound(perm, twist) > left) return;
    if (left == 0) {  // a bound of 0: solved
      const int halves = static_cast<int>(std::count_if(path.begin(), path.end(),
                                                        [](MoveCode m) { return AmountOf(m) == 2; }));
      if (halves < bestHalves) {
        bestHalves = halves;
        best = path;
      }
      done = mode == 0 || halves == 0;
      return;
    }
    for (int m = 0; m < kMoves && !done; ++m) {
      if (m / 3 == lastAxis) continue;
      path.push_back(MoveOf(m));
      Run(t.permMove[perm][m], t.twistMove[twist][m], left - 1, m / 3);
      path.pop_back();
    }
  }

  // Searches lengths from the lower bound up; false only for a state no length reaches.
  bool Solve(int state) {
    const int perm = state / kTwists, twist = state % kTwists;
    for (int length = Bound(perm, twist); length <= kLongest; ++length) {
      Run(perm, twist, length, -1);
      if (bestHalves != 1 << 30) return true;
    }
    return false;
  }
};

}  // namespace

void Prepare2x2Tables() { TablesOnce(); }

int Distance2x2(const Stickers& stickers) { return static_cast<int>(Solve2x2(stickers, 0).size()); }

MoveList Solve2x2(const Stickers& stickers, int mode) {
  const Tables& t = TablesOnce();
  Search search{t, mode, {}, {}};
  search.Solve(StateOf(t, stickers));
  return search.best;
}

}  // namespace nxn
