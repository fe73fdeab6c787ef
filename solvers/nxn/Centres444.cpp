#include "solvers/nxn/Centres444.h"

#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <mutex>

namespace nxn {

namespace {

constexpr int kCentres = 24;
constexpr int kMoves = 36;  // 3 axes × 4 layers × 3 amounts
constexpr std::uint8_t kUnreached = 0xFF;

struct CentreTable {
  std::array<std::array<int, kCentres>, kMoves> moveTo{};  // centre index → centre index
  std::vector<std::uint8_t> depth;  // by placement rank
};

constexpr int Binomial(int n, int k) {
  if (k < 0 || k > n) return 0;
  long r = 1;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return static_cast<int>(r);
}

// kBinomial[i][k] = C(i, k) for the ranks below; the table build ranks every
// placement 36 times, so this stays out of the loop.
constexpr auto kBinomial = [] {
  std::array<std::array<int, 5>, kCentres> table{};
  for (int i = 0; i < kCentres; ++i)
    for (int k = 0; k <= 4; ++k) table[i][k] = Binomial(i, k);
  return table;
}();

// Rank of a 4-set of centre indexes (combinatorial number system).
int Rank(std::uint32_t set) {
  int rank = 0, k = 0;
  for (; set != 0; set &= set - 1) rank += kBinomial[std::countr_zero(set)][++k];
  return rank;
}

std::uint32_t Moved(const CentreTable& t, std::uint32_t set, int m) {
  std::uint32_t out = 0;
  for (; set != 0; set &= set - 1) out |= 1u << t.moveTo[m][std::countr_zero(set)];
  return out;
}

MoveCode MoveOf(int m) { return MakeMove(m / 12, (m / 3) % 4, m % 3 + 1); }

std::uint32_t DFaceSet(const Geometry& g) {
  std::uint32_t set = 0;
  for (int i = 0; i < kCentres; ++i)
    if (g.face[g.centres[i]] == kFaceD) set |= 1u << i;
  return set;
}

std::unique_ptr<CentreTable> Build() {
  const Geometry& g = GeometryOf(4);
  auto t = std::make_unique<CentreTable>();
  std::vector<int> indexOf(g.count, -1);
  for (int i = 0; i < kCentres; ++i) indexOf[g.centres[i]] = i;
  for (int m = 0; m < kMoves; ++m) {
    std::vector<std::uint16_t> where(g.count);
    for (int s = 0; s < g.count; ++s) where[s] = static_cast<std::uint16_t>(s);
    const MoveCode code = MoveOf(m);
    ApplyTurn(g, where, AxisOf(code), LayerOf(code), AmountOf(code));
    for (int p = 0; p < g.count; ++p)
      if (indexOf[p] >= 0) t->moveTo[m][indexOf[where[p]]] = indexOf[p];
  }
  t->depth.assign(kCentrePlacements444, kUnreached);
  std::vector<std::uint32_t> frontier = {DFaceSet(g)}, next;
  t->depth[Rank(frontier[0])] = 0;
  for (int d = 1; !frontier.empty(); ++d) {
    next.clear();
    for (std::uint32_t set : frontier)
      for (int m = 0; m < kMoves; ++m) {
        const std::uint32_t to = Moved(*t, set, m);
        if (t->depth[Rank(to)] != kUnreached) continue;
        t->depth[Rank(to)] = static_cast<std::uint8_t>(d);
        next.push_back(to);
      }
    frontier.swap(next);
  }
  return t;
}

const CentreTable& Table() {
  static std::unique_ptr<CentreTable> table;
  static std::once_flag once;
  std::call_once(once, [] { table = Build(); });
  return *table;
}

// Layer and clockwise sense of each face letter on the order-4 cube; the lower
// case letter is the inner layer next to that face.
bool LetterMove(char letter, int& axis, int& layer, bool& clockwiseIsPositive) {
  static const char* kLetters = "LRUDFB";
  static constexpr int kAxis[6] = {0, 0, 1, 1, 2, 2};
  static constexpr int kLayer[6] = {0, 3, 0, 3, 0, 3};
  static constexpr bool kPositive[6] = {true, false, false, true, true, false};
  const bool inner = letter >= 'a' && letter <= 'z';
  const char upper = inner ? static_cast<char>(letter - 'a' + 'A') : letter;
  const char* at = std::strchr(kLetters, upper);
  if (!at || upper == 0) return false;
  const int k = static_cast<int>(at - kLetters);
  axis = kAxis[k];
  layer = inner ? (kLayer[k] == 0 ? 1 : 2) : kLayer[k];
  clockwiseIsPositive = kPositive[k];
  return true;
}

// Template tables for the last two centres (F and U).
constexpr const char* kT1[4] = {"Uil'U'l2F2l'", "Uir U r2F2r", "Uil'U l2F2l'", "Uir U'r2F2r"};
constexpr const char* kT3[4] = {"Uil'U l", "Uir U'r'", "Uil'U'l", "Uir U r'"};
constexpr int kS[4][4] = {{2, 1, 3, 0}, {3, 2, 0, 1}, {1, 0, 2, 3}, {0, 3, 1, 2}};

struct Template {
  const char* text;
  int i, j;
};
// Rows: F positions showing F's colour (01 02 03 12 13 23); columns: U positions lacking it.
const Template kTwo[6][6] = {
    {{"UiFjr'F2r", 3, 1}, {"UiFjr'F2r", 0, 1}, {"Fil'U l U'l'U2l", 1, 0}, {"Fil'U2l U l'U'l", 1, 0}, {"UiFjr'F2r", 2, 1}, {"UiFjr'F2r", 1, 1}},
    {{"UiFjr U2r'", 1, 0}, {"UiFjr U2r'", 2, 0}, {"Fir U2r'U'r U r'", 0, 0}, {"Fir U'r'U r U2r'", 0, 0}, {"UiFjr U2r'", 0, 0}, {"UiFjr U2r'", 3, 0}},
    {{"Uil F l'F'l F2l'", 1, 0}, {"Uir'F2r F'r'F r", 0, 0}, {"Uil'U'l2F'l'", 0, 0}, {"Uil'U'l2F'l'", 1, 0}, {"Uil F l'F'l F2l'", 0, 0}, {"Uir'F2r F'r'F r", 1, 0}},
    {{"Uil F2l'F l F'l'", 1, 0}, {"Uir'F'r F r'F2r", 0, 0}, {"Uir U r2F r", 1, 0}, {"Uir U r2F r", 0, 0}, {"Uil F2l'F l F'l'", 0, 0}, {"Uir'F'r F r'F2r", 1, 0}},
    {{"UiFjr'F2r", 3, 0}, {"UiFjr'F2r", 0, 0}, {"Fil'U l U'l'U2l", 0, 0}, {"Fil'U2l U l'U'l", 0, 0}, {"UiFjr'F2r", 2, 0}, {"UiFjr'F2r", 1, 0}},
    {{"UiFjr U2r'", 1, 1}, {"UiFjr U2r'", 2, 1}, {"Fir U2r'U'r U r'", 1, 0}, {"Fir U'r'U r U2r'", 1, 0}, {"UiFjr U2r'", 0, 1}, {"UiFjr U2r'", 3, 1}},
};

int PairIndex(int a, int b) {
  static constexpr int kIndex[4][4] = {{-1, 0, 1, 2}, {0, -1, 3, 4}, {1, 3, -1, 5}, {2, 4, 5, -1}};
  return kIndex[a][b];
}

// Centre stickers 0..3 of F as seen from the front and of U as seen from above
// with B at the top.
int FCentre(int k) { return kFaceF * 16 + (1 + k / 2) * 4 + 1 + k % 2; }
int UCentre(int k) { return kFaceU * 16 + (2 - k / 2) * 4 + 1 + k % 2; }

}  // namespace

MoveList ParseAlgorithm444(const char* text, int i, int j) {
  MoveList moves;
  const size_t length = std::strlen(text);
  for (size_t at = 0; at < length; at += 2) {
    int axis = 0, layer = 0;
    bool positive = true;
    if (!LetterMove(text[at], axis, layer, positive)) continue;
    const char suffix = at + 1 < length ? text[at + 1] : ' ';
    int clockwise = 1;
    if (suffix == '\'') clockwise = 3;
    else if (suffix == '2') clockwise = 2;
    else if (suffix == 'i') clockwise = i;
    else if (suffix == 'j') clockwise = j;
    else if (suffix >= '0' && suffix <= '9') clockwise = suffix - '0';
    clockwise &= 3;
    if (clockwise == 0) continue;
    moves.push_back(MakeMove(axis, layer, positive ? clockwise : 4 - clockwise));
  }
  return moves;
}

void SolveDCentre444(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves) {
  const CentreTable& t = Table();
  std::uint32_t set = 0;
  for (int i = 0; i < kCentres; ++i)
    if (s[g.centres[i]] == scheme[kFaceD]) set |= 1u << i;
  while (t.depth[Rank(set)] != 0) {
    const int d = t.depth[Rank(set)];
    for (int m = 0; m < kMoves; ++m) {
      const std::uint32_t to = Moved(t, set, m);
      if (t.depth[Rank(to)] != d - 1) continue;
      const MoveCode code = MoveOf(m);
      ApplyTurn(g, s, AxisOf(code), LayerOf(code), AmountOf(code));
      moves.push_back(code);
      set = to;
      break;
    }
  }
}

bool SolveLastCentres444(const Geometry& g, Stickers& s, const Scheme& scheme, MoveList& moves) {
  const std::uint8_t c = scheme[kFaceF];
  std::array<bool, 4> onF{}, onU{};
  int n = 0;
  for (int k = 0; k < 4; ++k) {
    onF[k] = s[FCentre(k)] == c;
    onU[k] = s[UCentre(k)] == c;
    n += onF[k];
  }
  auto first = [](const std::array<bool, 4>& v, bool want) {
    for (int k = 0; k < 4; ++k)
      if (v[k] == want) return k;
    return -1;
  };
  MoveList alg;
  if (n == 4) return true;
  // All four swapped: "r U2r2F2" (four moves) cannot do it; this five-move one does.
  if (n == 0) alg = ParseAlgorithm444("r'F2r2U2r'");
  if (n == 1) {
    const int h = first(onF, true), u = first(onU, false);
    alg = ParseAlgorithm444(kT1[h], kS[h][u]);
  }
  if (n == 3) {
    const int h = first(onF, false), u = first(onU, true);
    alg = ParseAlgorithm444(kT3[h], kS[h][u]);
  }
  if (n == 2) {
    std::array<int, 2> f{}, u{};
    int nf = 0, nu = 0;
    for (int k = 0; k < 4; ++k) {
      if (onF[k]) f[nf++] = k;
      if (!onU[k]) u[nu++] = k;
    }
    const Template& t = kTwo[PairIndex(f[0], f[1])][PairIndex(u[0], u[1])];
    alg = ParseAlgorithm444(t.text, t.i, t.j);
  }
  Stickers trial = s;
  for (MoveCode m : alg) ApplyTurn(g, trial, AxisOf(m), LayerOf(m), AmountOf(m));
  for (int k = 0; k < 4; ++k)
    if (trial[FCentre(k)] != c || trial[UCentre(k)] != scheme[kFaceU]) return false;
  s = trial;
  moves.insert(moves.end(), alg.begin(), alg.end());
  return true;
}

std::vector<int> CentreTableDepths444() {
  std::vector<int> counts;
  for (std::uint8_t d : Table().depth) {
    if (d == kUnreached) continue;
    if (counts.size() <= d) counts.resize(d + 1, 0);
    ++counts[d];
  }
  return counts;
}

}  // namespace nxn
