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

struct Tables {
  std::array<int, 8> slotOfCorner{};  // geometry corner index → slot 0..6, 7 for the fixed one
  std::array<int, kSlots> cornerOfSlot{};
  std::vector<std::array<std::uint16_t, kMoves>> permMove;
  std::vector<std::array<std::uint16_t, kMoves>> twistMove;
  std::vector<std::uint8_t> distance;  // by perm·729 + twist
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
  const std::array<int, kSlots> identity = {0, 1, 2, 3, 4, 5, 6};
  const std::array<int, kSlots> untwisted{};
  t->permMove.resize(kPerms);
  t->twistMove.resize(kTwists);
  std::array<int, kSlots> p{}, tw{};
  for (int r = 0; r < kPerms; ++r) {
    const Stickers base = Compose(g, *t, UnrankPerm(r), untwisted);
    for (int m = 0; m < kMoves; ++m) {
      Stickers s = base;
      ApplyTurn(g, s, m / 3, 0, m % 3 + 1);
      Decompose(g, *t, s, p, tw);
      t->permMove[r][m] = static_cast<std::uint16_t>(RankPerm(p));
    }
  }
  for (int r = 0; r < kTwists; ++r) {
    const Stickers base = Compose(g, *t, identity, UnrankTwist(r));
    for (int m = 0; m < kMoves; ++m) {
      Stickers s = base;
      ApplyTurn(g, s, m / 3, 0, m % 3 + 1);
      Decompose(g, *t, s, p, tw);
      t->twistMove[r][m] = static_cast<std::uint16_t>(RankTwist(tw));
    }
  }
  t->distance.assign(k2x2States, kUnreached);
  std::vector<int> frontier = {0}, following;
  t->distance[0] = 0;
  for (int depth = 0; !frontier.empty(); ++depth) {
    following.clear();
    for (int state : frontier) {
      const int perm = state / kTwists, twist = state % kTwists;
      for (int m = 0; m < kMoves; ++m) {
        const int to = t->permMove[perm][m] * kTwists + t->twistMove[twist][m];
        if (t->distance[to] != kUnreached) continue;
        t->distance[to] = static_cast<std::uint8_t>(depth + 1);
        following.push_back(to);
      }
    }
    frontier.swap(following);
  }
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

struct Search {
  const Tables& t;
  int mode;
  MoveList path, best;
  int bestHalves = 1 << 30;
  bool done = false;

  // Follows only moves that lower the distance, so every path found is optimal.
  void Run(int state, int lastAxis) {
    if (done) return;
    const int d = t.distance[state];
    if (d == 0) {
      const int halves = static_cast<int>(std::count_if(path.begin(), path.end(),
                                                        [](MoveCode m) { return AmountOf(m) == 2; }));
      if (halves < bestHalves) {
        bestHalves = halves;
        best = path;
      }
      done = mode == 0 || halves == 0;
      return;
    }
    const int perm = state / kTwists, twist = state % kTwists;
    for (int m = 0; m < kMoves && !done; ++m) {
      if (m / 3 == lastAxis) continue;
      const int to = t.permMove[perm][m] * kTwists + t.twistMove[twist][m];
      if (t.distance[to] != d - 1) continue;
      path.push_back(MoveOf(m));
      Run(to, m / 3);
      path.pop_back();
    }
  }
};

}  // namespace

void Prepare2x2Tables() { TablesOnce(); }

int Distance2x2(const Stickers& stickers) {
  const Tables& t = TablesOnce();
  return t.distance[StateOf(t, stickers)];
}

MoveList Solve2x2(const Stickers& stickers, int mode) {
  const Tables& t = TablesOnce();
  Search search{t, mode, {}, {}};
  search.Run(StateOf(t, stickers), -1);
  return search.best;
}

}  // namespace nxn
