#include "solvers/nxn/NxNValidate.h"

#include <algorithm>
#include <map>
#include <set>

namespace nxn {

namespace {

int Opposite(int face) { return face ^ 1; }  // L/R, U/D, F/B are 0/1, 2/3, 4/5


// Matches a piece's faces (in reading order) against the home pieces' faces;
// gives the home index and the rotation, or −1.
template <size_t K>
int MatchPiece(const std::vector<std::array<int, K>>& home, const std::array<int, K>& faces,
               int& rotation) {
  for (size_t h = 0; h < home.size(); ++h)
    for (size_t r = 0; r < K; ++r) {
      bool same = true;
      for (size_t i = 0; i < K; ++i) same = same && faces[(i + r) % K] == home[h][i];
      if (same) {
        rotation = static_cast<int>(r);
        return static_cast<int>(h);
      }
    }
  return -1;
}

template <size_t K>
std::vector<std::array<int, K>> HomeFaces(const Geometry& g, const std::vector<std::array<int, K>>& pieces) {
  std::vector<std::array<int, K>> out;
  for (const auto& p : pieces) {
    std::array<int, K> f{};
    for (size_t i = 0; i < K; ++i) f[i] = g.face[p[i]];
    out.push_back(f);
  }
  return out;
}

// Matches every piece of one kind; fills the permutation and the rotation sum.
template <size_t K>
bool MatchAll(const Geometry& g, const Stickers& s, const std::array<int, 256>& faceOf,
              const std::vector<std::array<int, K>>& pieces, std::vector<int>& perm, int& rotationSum) {
  const auto home = HomeFaces(g, pieces);
  std::vector<bool> used(home.size(), false);
  perm.assign(pieces.size(), -1);
  rotationSum = 0;
  for (size_t p = 0; p < pieces.size(); ++p) {
    std::array<int, K> faces{};
    for (size_t i = 0; i < K; ++i) faces[i] = faceOf[s[pieces[p][i]]];
    int rotation = 0;
    const int h = MatchPiece(home, faces, rotation);
    if (h < 0 || used[h]) return false;
    used[h] = true;
    perm[p] = h;
    rotationSum += rotation;
  }
  return true;
}

// Wings cannot turn in place: the wing in a slot must show, in reading order,
// exactly the faces of one distinct wing of the same orbit.
bool MatchWings(const Geometry& g, const Stickers& s, const std::array<int, 256>& faceOf) {
  std::map<std::array<int, 3>, int> home;
  for (size_t w = 0; w < g.wings.size(); ++w)
    home[{g.orbit[g.wings[w][0]], g.face[g.wings[w][0]], g.face[g.wings[w][1]]}] = static_cast<int>(w);
  std::vector<bool> used(g.wings.size(), false);
  for (const auto& w : g.wings) {
    auto it = home.find({g.orbit[w[0]], faceOf[s[w[0]]], faceOf[s[w[1]]]});
    if (it == home.end() || used[it->second]) return false;
    used[it->second] = true;
  }
  return true;
}

// Each wing orbit must hold each pair of colours as often as the solved cube
// does, whichever way round the wings show them.
bool MatchWingColours(const Geometry& g, const Stickers& s, const std::array<int, 256>& faceOf) {
  std::map<std::array<int, 3>, int> balance;
  auto key = [&](const auto& w, int a, int b) { return std::array<int, 3>{g.orbit[w[0]], std::min(a, b), std::max(a, b)}; };
  for (const auto& w : g.wings) {
    ++balance[key(w, g.face[w[0]], g.face[w[1]])];
    --balance[key(w, faceOf[s[w[0]]], faceOf[s[w[1]]])];
  }
  return std::all_of(balance.begin(), balance.end(), [](const auto& kv) { return kv.second == 0; });
}

// Each centre orbit must hold each colour as often as the solved cube does.
bool MatchCentres(const Geometry& g, const Stickers& s, const std::array<int, 256>& faceOf) {
  std::map<std::pair<int, int>, int> balance;
  for (int c : g.centres) {
    ++balance[{g.orbit[c], g.face[c]}];
    --balance[{g.orbit[c], faceOf[s[c]]}];
  }
  return std::all_of(balance.begin(), balance.end(), [](const auto& kv) { return kv.second == 0; });
}

}  // namespace

int PermutationParity(std::vector<int> perm) {
  int parity = 0;
  for (size_t i = 0; i < perm.size(); ++i)
    while (perm[i] != static_cast<int>(i)) {
      std::swap(perm[i], perm[perm[i]]);
      parity ^= 1;
    }
  return parity;
}

std::array<int, 256> FaceOfColour(const Scheme& scheme) {
  std::array<int, 256> faceOf;
  faceOf.fill(-1);
  for (int f = 0; f < 6; ++f) faceOf[scheme[f]] = f;
  return faceOf;
}

bool FindScheme(const Geometry& g, const Stickers& s, Scheme& scheme) {
  const int n = g.n;
  if (n % 2 == 1) {
    for (int f = 0; f < 6; ++f) scheme[f] = s[f * n * n + (n / 2) * n + n / 2];
    return true;
  }
  // The corner at R, D, B names three faces; every other corner holding exactly
  // two of those colours shows the third one's opposite.
  const auto last = g.n - 1;
  std::array<bool, 6> known{};
  for (const auto& c : g.corners) {
    const auto& q = g.cubie[c[0]];
    if (q[0] != last || q[1] != last || q[2] != last) continue;
    for (int st : c) {
      scheme[g.face[st]] = s[st];
      known[g.face[st]] = true;
    }
  }
  const std::array<int, 3> base = {kFaceR, kFaceD, kFaceB};
  for (const auto& c : g.corners) {
    int present = 0, missing = -1, other = -1;
    for (int f : base) {
      const bool has = s[c[0]] == scheme[f] || s[c[1]] == scheme[f] || s[c[2]] == scheme[f];
      present += has;
      if (!has) missing = f;
    }
    if (present != 2 || known[Opposite(missing)]) continue;
    for (int st : c)
      if (std::none_of(base.begin(), base.end(), [&](int f) { return s[st] == scheme[f]; })) other = st;
    if (other < 0) continue;
    scheme[Opposite(missing)] = s[other];
    known[Opposite(missing)] = true;
  }
  return std::all_of(known.begin(), known.end(), [](bool k) { return k; });
}

int Validate(const Geometry& g, const Stickers& s, Scheme& scheme) {
  if (!FindScheme(g, s, scheme)) return kInvalidColours;
  std::set<int> distinct(scheme.begin(), scheme.end());
  if (distinct.size() != 6 || *distinct.begin() < 1 || *distinct.rbegin() > 6) return kInvalidColours;
  const auto faceOf = FaceOfColour(scheme);

  std::vector<int> cornerPerm, edgePerm;
  int twist = 0, flip = 0;
  if (!MatchAll(g, s, faceOf, g.corners, cornerPerm, twist)) return kInvalidColours;
  if (!MatchAll(g, s, faceOf, g.middleEdges, edgePerm, flip)) return kInvalidColours;
  if (!MatchWingColours(g, s, faceOf) || !MatchCentres(g, s, faceOf)) return kInvalidColours;

  if (twist % 3 != 0) return kInvalidCornerParity;
  if (g.n % 2 == 1) {
    if (flip % 2 != 0) return kInvalidEdgeParity;
    if (PermutationParity(cornerPerm) != PermutationParity(edgePerm)) return kInvalidSwapParity;
  }
  // A wing turned in its place is an edge-piece flip: checked after the corners' twist.
  if (!MatchWings(g, s, faceOf)) return kInvalidColours;
  return 0;
}

int CornerParity(const Geometry& g, const Stickers& s, const Scheme& scheme) {
  std::vector<int> perm;
  int twist = 0;
  if (!MatchAll(g, s, FaceOfColour(scheme), g.corners, perm, twist)) return 0;
  return PermutationParity(perm);
}

int OuterParity(const Geometry& g, const Stickers& s, const Scheme& scheme) {
  const auto faceOf = FaceOfColour(scheme);
  std::vector<std::array<int, 2>> edges = g.middleEdges;
  if (edges.empty()) {
    // Even N: read each edge at its wing nearest the low end in the middle-edge order.
    for (const auto& w : g.wings) {
      int along = 0;
      for (int a = 0; a < 3; ++a) {
        const int l0 = g.cubie[w[0]][a];
        if (l0 != 0 && l0 != g.n - 1) along = a;
      }
      if (g.cubie[w[0]][along] != g.n / 2 - 1) continue;
      std::array<int, 2> e = w;
      const int a1 = g.point[e[1]][1] == g.n || g.point[e[1]][1] == -g.n ? 1
                     : (g.point[e[1]][2] == g.n || g.point[e[1]][2] == -g.n ? 2 : 0);
      const int a0 = g.point[e[0]][1] == g.n || g.point[e[0]][1] == -g.n ? 1
                     : (g.point[e[0]][2] == g.n || g.point[e[0]][2] == -g.n ? 2 : 0);
      if (a1 == 1 || (a1 == 2 && a0 != 1)) std::swap(e[0], e[1]);
      edges.push_back(e);
    }
  }
  std::vector<int> cornerPerm, edgePerm;
  int twist = 0, flip = 0;
  if (!MatchAll(g, s, faceOf, g.corners, cornerPerm, twist)) return 0;
  if (!MatchAll(g, s, faceOf, edges, edgePerm, flip)) return 0;
  return (PermutationParity(cornerPerm) ^ PermutationParity(edgePerm)) | ((flip & 1) << 1);
}

}  // namespace nxn
