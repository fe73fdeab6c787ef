// Finds the three-stage solver's stored sequence lists by search and writes
// them as core sources under solvers/threestage/data/.
//
//   tool_threestage_gen [--out DIR] [--part f2l|ll|all]   (from the repository root)
//                        [--f2l-depth N] [--macro-half N] [--extend 0|1]
//                        [--search-seconds S] [--search-log FILE] [--allow-gaps 0|1]
//
// First two layers: every cross-preserving canonical sequence is enumerated in
// order of length (depth-first with the cross distance as bound), and a
// sequence is stored when, entered by the solver's own rules, it fills a blank
// case; so every case gets a shortest cross-preserving sequence.
// Last layer: the same enumeration yields every sequence of up to --macro-depth
// turns that keeps the first two layers; a shortest-path search over the
// 62 208 last-layer placements joins them, and each case gets the shortest
// join found within 16 turns. The cases no join reaches go to the two-phase
// search (tools/LastLayerSearch.h), which finds sequences of at most 16 turns
// for them; the tool fails when a case is left without one.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "solvers/threestage/CanonicalSequences.h"
#include "solvers/threestage/CubePieces.h"
#include "solvers/threestage/MoveSequences.h"
#include "solvers/threestage/SequenceRecord.h"
#include "solvers/threestage/ThreeStageTables.h"
#include "solvers/threestage/data/StoredSequences.h"
#include "solvers/twophase/TwoPhaseSolver.h"
#include "tools/LastLayerSearch.h"

using namespace threestage;

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Calls visit(face, code) for every turn that may follow a turn of previousFace
// in a canonical sequence (−1: the first turn).
template <typename Visit>
void ForEachNextTurn(int previousFace, Visit&& visit) {
  for (int face = 0; face < kFaceCount; ++face) {
    if (!FollowsCanonically(previousFace, face)) continue;
    for (int amount = 1; amount <= 3; ++amount) visit(face, TurnCode(face, amount));
  }
}

// The cross and the four slots home.
bool F2LHome(const Tracked& t, const Tracked& solved) {
  for (int c = 0; c < 4; ++c) {
    if (t[c] != solved[c]) return false;
  }
  for (int e = 0; e < 8; ++e) {
    if (t[kCornerCount + e] != solved[kCornerCount + e]) return false;
  }
  return true;
}

// A sequence that keeps the first two layers, by its effect on the last layer.
struct Macro {
  Moves moves;  // solves the case it is stored for
  Perm inverse{};
};

// The second halves B of sequences W = A·B, by the cross placement that B
// undoes: W keeps the cross exactly when A reaches that placement.
struct SecondHalf {
  Perm perm;             // positions moved by B
  std::uint32_t packed;  // B's turns, 5 bits each
  std::uint8_t firstFace;
};

// Placement of the cross and two slots' pieces, 5 bits a piece.
std::uint64_t PairKey(const Tracked& t, int slotA, int slotB) {
  std::uint64_t key = 0;
  for (int e = 0; e < 4; ++e) key = key << 5 | static_cast<std::uint64_t>(EdgeSpot(t[kCornerCount + e]));
  for (int s : {slotA, slotB}) {
    key = key << 5 | static_cast<std::uint64_t>(CornerSpot(t[s]));
    key = key << 5 | static_cast<std::uint64_t>(EdgeSpot(t[kCornerCount + 4 + s]));
  }
  return key;
}

using KeyedHalf = std::pair<std::uint64_t, std::int32_t>;  // key, entry

// A placement of the cross and two slots' pieces that joins should reach.
struct Target {
  Tracked placed;  // the cross home, the two slots' pieces placed
  int slotA, slotB;
};

struct SecondHalves {
  int length = 0;
  std::vector<std::int32_t> start;  // [cross placement] -> first entry; one more at the end
  std::vector<SecondHalf> halves;
  // The same entries by the placement each undoes from a target: a first half
  // reaching that placement joins them into a sequence reaching the target.
  std::vector<Target> targets;
  std::vector<std::vector<KeyedHalf>> byTarget;

  void KeyTargets(std::vector<Target> wanted) {
    targets = std::move(wanted);
    byTarget.assign(targets.size(), {});
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(halves.size()); ++i) {
      Perm inverse{};
      for (int p = 0; p < kStickerCount; ++p) inverse[halves[i].perm[p]] = static_cast<std::uint8_t>(p);
      for (size_t k = 0; k < targets.size(); ++k) {
        Tracked undone = targets[k].placed;
        for (auto& p : undone) p = inverse[p];
        byTarget[k].push_back({PairKey(undone, targets[k].slotA, targets[k].slotB), i});
      }
    }
    for (auto& list : byTarget) std::sort(list.begin(), list.end());
  }
};

struct UndoneKeys {
  std::vector<std::int32_t> cross;
};

void CollectSecondHalves(int depth, int length, int previousFace, const Moves& path, std::vector<SecondHalf>& out,
                         UndoneKeys& keys) {
  if (depth == length) {
    SecondHalf h{};
    for (int i = 0; i < kStickerCount; ++i) h.perm[i] = static_cast<std::uint8_t>(i);
    for (size_t k = 0; k < path.size(); ++k) {
      for (auto& x : h.perm) x = TurnPerm(path[k])[x];
      h.packed |= static_cast<std::uint32_t>(path[k]) << (5 * k);
    }
    h.firstFace = static_cast<std::uint8_t>(path.empty() ? 0 : TurnFace(path[0]));
    Tracked undone = SolvedTracked();
    for (auto code : Inverse(path)) ApplyTurn(undone, code);
    out.push_back(h);
    keys.cross.push_back(CrossIndex(undone));
    return;
  }
  ForEachNextTurn(previousFace, [&](int face, int code) {
    Moves next = path;
    next.push_back(static_cast<std::uint8_t>(code));
    CollectSecondHalves(depth + 1, length, face, next, out, keys);
  });
}

SecondHalves BuildSecondHalves(int length) {
  std::vector<SecondHalf> unsorted;
  UndoneKeys keys;
  CollectSecondHalves(0, length, -1, Moves{}, unsorted, keys);
  SecondHalves s;
  s.length = length;
  s.start.assign(kCrossCases + 1, 0);
  for (auto k : keys.cross) ++s.start[k + 1];
  for (int k = 0; k < kCrossCases; ++k) s.start[k + 1] += s.start[k];
  s.halves.resize(unsorted.size());
  std::vector<std::int32_t> fill(s.start.begin(), s.start.end() - 1);
  for (size_t i = 0; i < unsorted.size(); ++i) s.halves[fill[keys.cross[i]]++] = unsorted[i];
  return s;
}

// Every cross-keeping canonical sequence W of one length, met in the middle;
// a W is stored (as the solution W⁻¹) when it fills a blank case.
struct F2LSearch {
  F2LBuilder& f2l;
  std::vector<std::uint8_t>& records;
  std::vector<int>& perLength;
  const SecondHalves* second = nullptr;
  int firstLength = 0;
  std::array<std::uint8_t, 16> path{};
  long long joined = 0;

  bool targeted = false;  // join only towards the second halves' targets

  void Join(const Tracked& t, int lastFace) {
    if (targeted) {
      for (size_t k = 0; k < second->targets.size(); ++k) {
        const std::uint64_t key = PairKey(t, second->targets[k].slotA, second->targets[k].slotB);
        const auto& keyed = second->byTarget[k];
        auto it = std::lower_bound(keyed.begin(), keyed.end(), KeyedHalf{key, 0});
        for (; it != keyed.end() && it->first == key; ++it) JoinOne(t, lastFace, second->halves[it->second]);
      }
      return;
    }
    const int key = CrossIndex(t);
    for (int i = second->start[key]; i < second->start[key + 1]; ++i) JoinOne(t, lastFace, second->halves[i]);
  }

  void JoinOne(const Tracked& t, int lastFace, const SecondHalf& h) {
    {
      if (firstLength > 0 && second->length > 0 && !FollowsCanonically(lastFace, h.firstFace)) return;
      ++joined;
      Tracked end = SolvedTracked();  // the cross is home; only the slot pieces matter
      for (int c = 0; c < 4; ++c) end[c] = h.perm[t[c]];
      for (int e = 4; e < 8; ++e) end[kCornerCount + e] = h.perm[t[kCornerCount + e]];
      if (!f2l.WouldFill(end)) return;
      Moves w(path.begin(), path.begin() + firstLength);
      for (int k = 0; k < second->length; ++k) w.push_back(static_cast<std::uint8_t>(h.packed >> (5 * k) & 31));
      Moves solution = Inverse(w);
      Simplify(solution);
      if (f2l.EnterListed(solution)) {
        AppendRecord(kF2LRecords, solution, records);
        ++perLength[solution.size()];
      }
    }
  }

  void Walk(int depth, int previousFace, const Tracked& t) {
    if (depth == firstLength) {
      Join(t, previousFace);
      return;
    }
    ForEachNextTurn(previousFace, [&](int face, int code) {
      Tracked n = t;
      ApplyTurn(n, code);
      path[depth] = static_cast<std::uint8_t>(code);
      Walk(depth + 1, face, n);
    });
  }
};


// Sequences of up to `half` turns from the solved cube, by the placement of the
// first-two-layers pieces they reach. Sequences ending in a D turn are left
// out: a D turn moves none of those pieces, and the join puts D turns back.
struct HalfWalk {
  std::uint64_t key;    // 12 pieces' spots, 5 bits each
  std::uint64_t moves;  // 5 bits per turn, length in the top byte
};

std::uint64_t F2LKey(const Tracked& t) {
  std::uint64_t key = 0;
  for (int c = 0; c < 4; ++c) key = key << 5 | static_cast<std::uint64_t>(CornerSpot(t[c]));
  for (int e = 0; e < 8; ++e) key = key << 5 | static_cast<std::uint64_t>(EdgeSpot(t[kCornerCount + e]));
  return key;
}

Moves Unpack(std::uint64_t packed) {
  Moves m(packed >> 56);
  for (size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>(packed >> (5 * i) & 31);
  return m;
}

void WalkHalves(int depth, int half, int previousFace, std::uint64_t packed, const Tracked& t,
                std::vector<HalfWalk>& out) {
  if (previousFace != kD) out.push_back({F2LKey(t), packed | static_cast<std::uint64_t>(depth) << 56});
  if (depth == half) return;
  ForEachNextTurn(previousFace, [&](int face, int code) {
    Tracked n = t;
    ApplyTurn(n, code);
    WalkHalves(depth + 1, half, face, packed | static_cast<std::uint64_t>(code) << (5 * depth), n, out);
  });
}

// Every sequence A·D^k·C⁻¹ where A and C reach the same first-two-layers
// placement keeps the first two layers; the shortest found for each
// last-layer placement it solves is kept.
class MacroFinder {
 public:
  explicit MacroFinder(int half) : half_(half), best_(kLastLayerCases), have_(kLastLayerCases, false) {
    WalkHalves(0, half, -1, 0, SolvedTracked(), walks_);
    std::sort(walks_.begin(), walks_.end(), [](const HalfWalk& a, const HalfWalk& b) { return a.key < b.key; });
    for (size_t begin = 0, end = 0; begin < walks_.size(); begin = end) {
      while (end < walks_.size() && walks_[end].key == walks_[begin].key) ++end;
      for (size_t i = begin; i < end; ++i) {
        for (size_t j = begin; j < end; ++j) Offer(Unpack(walks_[i].moves), Unpack(walks_[j].moves), i == j);
      }
    }
  }

  // Also A one turn longer than the stored halves: up to 2·half + 2 turns.
  void Extend() {
    filter_.assign(size_t{1} << (kFilterBits - 6), 0);
    for (const HalfWalk& w : walks_) filter_[Hash(w.key) >> 6] |= std::uint64_t{1} << (Hash(w.key) & 63);
    std::array<std::uint8_t, 16> path{};
    ExtendWalk(0, -1, SolvedTracked(), path);
    filter_ = std::vector<std::uint64_t>();
  }

  // Sorted by length.
  std::vector<Macro> Macros() const {
    std::vector<Macro> macros;
    for (int index = 0; index < kLastLayerCases; ++index) {
      if (!have_[index]) continue;
      Macro macro;
      macro.moves = best_[index];
      for (int i = 0; i < kStickerCount; ++i) macro.inverse[i] = static_cast<std::uint8_t>(i);
      for (auto it = macro.moves.rbegin(); it != macro.moves.rend(); ++it) {
        for (auto& x : macro.inverse) x = TurnPerm(InverseTurn(*it))[x];
      }
      macros.push_back(std::move(macro));
    }
    std::stable_sort(macros.begin(), macros.end(),
                     [](const Macro& a, const Macro& b) { return a.moves.size() < b.moves.size(); });
    return macros;
  }

 private:
  static constexpr int kFilterBits = 31;
  static std::uint64_t Hash(std::uint64_t key) { return (key * 0x9E3779B97F4A7C15ull) >> (64 - kFilterBits); }

  void Offer(const Moves& a, const Moves& c, bool same) {
    const Moves cInverse = Inverse(c);
    for (int k = 0; k < 4; ++k) {
      if (same && k == 0) continue;
      Moves m = a;
      if (k > 0) m.push_back(static_cast<std::uint8_t>(TurnCode(kD, k)));
      m.insert(m.end(), cInverse.begin(), cInverse.end());
      Simplify(m);
      Tracked t = solved_;
      for (auto it = m.rbegin(); it != m.rend(); ++it) ApplyTurn(t, InverseTurn(*it));
      const int index = LastLayerIndex(t);
      if (index < 0 || !F2LHome(t, solved_)) continue;
      if (have_[index] && best_[index].size() <= m.size()) continue;
      have_[index] = true;
      best_[index] = m;
    }
  }

  void ExtendWalk(int depth, int previousFace, const Tracked& t, std::array<std::uint8_t, 16>& path) {
    if (depth == half_ + 1) {
      if (previousFace == kD) return;
      const std::uint64_t key = F2LKey(t), h = Hash(key);
      if (!(filter_[h >> 6] >> (h & 63) & 1)) return;
      auto range = std::equal_range(walks_.begin(), walks_.end(), HalfWalk{key, 0},
                                    [](const HalfWalk& x, const HalfWalk& y) { return x.key < y.key; });
      const Moves a(path.begin(), path.begin() + depth);
      for (auto it = range.first; it != range.second; ++it) Offer(a, Unpack(it->moves), false);
      return;
    }
    ForEachNextTurn(previousFace, [&](int face, int code) {
      Tracked n = t;
      ApplyTurn(n, code);
      path[depth] = static_cast<std::uint8_t>(code);
      ExtendWalk(depth + 1, face, n, path);
    });
  }

  int half_;
  std::vector<HalfWalk> walks_;
  std::vector<Moves> best_;
  std::vector<bool> have_;
  std::vector<std::uint64_t> filter_;
  const Tracked solved_ = SolvedTracked();
};

Tracked LastLayerTracked(int index) {
  static const AllowedCubies corners = [] {
    AllowedCubies a{};
    a.fill(-1);
    for (int k = 0; k < 4; ++k) a[4 + k] = static_cast<std::int8_t>(k);
    return a;
  }();
  static const AllowedCubies edges = [] {
    AllowedCubies a{};
    a.fill(-1);
    for (int k = 0; k < 4; ++k) a[8 + k] = static_cast<std::int8_t>(k);
    return a;
  }();
  int c[4], e[4];
  UnrankPlacement(index / 384, 4, 3, corners.data(), 4, c);
  UnrankPlacement(index % 384, 4, 2, edges.data(), 4, e);
  Tracked t = SolvedTracked();
  for (int k = 0; k < 4; ++k) {
    t[4 + k] = CornerStickers(c[k] / 3)[c[k] % 3];
    t[kCornerCount + 8 + k] = EdgeStickers(e[k] / 2)[e[k] % 2];
  }
  return t;
}

// Shortest joins of macros over the last-layer placements (costs: macro lengths).
// Joins up to this many turns longer than allowed are tried, for the turns
// that merge where two macros meet.
constexpr int kJoinSlack = 2;

bool SolvesWithin(const Moves& moves, Tracked t, int maxLength) {
  for (auto code : moves) ApplyTurn(t, code);
  return static_cast<int>(moves.size()) <= maxLength && t == SolvedTracked();
}

// Reachable last-layer cases without a joined solution.
int Unreached(const std::vector<Moves>& joined) {
  const int solved = LastLayerIndex(SolvedTracked());
  int reachedCount = 1;
  for (int x = 0; x < kLastLayerCases; ++x) reachedCount += x != solved && !joined[x].empty();
  return kReachableLastLayerCases - reachedCount;
}

std::vector<Moves> JoinMacros(const std::vector<Macro>& macros) {
  constexpr int kUnreached = 0xFF;
  std::vector<std::uint8_t> dist(kLastLayerCases, kUnreached);
  std::vector<std::int32_t> via(kLastLayerCases, -1), towards(kLastLayerCases, -1);
  std::vector<std::vector<int>> buckets(64);
  const int solved = LastLayerIndex(SolvedTracked());
  dist[solved] = 0;
  buckets[0].push_back(solved);
  for (int d = 0; d < 64; ++d) {
    for (size_t i = 0; i < buckets[d].size(); ++i) {
      const int y = buckets[d][i];
      if (dist[y] != d) continue;
      const Tracked ty = LastLayerTracked(y);
      for (size_t m = 0; m < macros.size(); ++m) {
        const int nd = d + static_cast<int>(macros[m].moves.size());
        if (nd > kJoinSlack + kLastLayerMaxLength) break;  // macros are in order of length
        Tracked tx = ty;
        for (auto& p : tx) p = macros[m].inverse[p];
        const int x = LastLayerIndex(tx);
        if (x < 0 || dist[x] <= nd) continue;
        dist[x] = static_cast<std::uint8_t>(nd);
        via[x] = static_cast<std::int32_t>(m);
        towards[x] = y;
        buckets[nd].push_back(x);
      }
    }
  }
  std::vector<Moves> solution(kLastLayerCases);
  for (int x = 0; x < kLastLayerCases; ++x) {
    if (dist[x] == kUnreached || x == solved) continue;
    Moves s;
    for (int at = x; at != solved; at = towards[at]) {
      const Moves& m = macros[via[at]].moves;
      s.insert(s.end(), m.begin(), m.end());
    }
    Simplify(s);
    // Turns of the D face may merge where macros meet; keep what fits.
    if (static_cast<int>(s.size()) <= kLastLayerMaxLength) solution[x] = s;
  }
  return solution;
}

bool WriteParts(const std::string& dir, const std::string& name, const std::vector<std::uint8_t>& bytes,
                std::vector<std::string>& partNames) {
  std::string text;
  AppendBase64(bytes, text);
  constexpr size_t kPiece = 4000, kPartChars = 800000;
  for (size_t start = 0, part = 0; start < text.size() || part == 0; start += kPartChars, ++part) {
    const std::string partName = "kStored" + name + "Part" + std::to_string(part);
    const std::string file = dir + "/Stored" + name + std::to_string(part) + ".cpp";
    std::ofstream out(file);
    out << "// Generated by tools/threestage_gen; do not edit.\n"
        << "#include \"solvers/threestage/data/StoredSequences.h\"\n\nnamespace threestage {\n\nnamespace {\n"
        << "const char* const kPieces[] = {\n";
    const size_t end = std::min(text.size(), start + kPartChars);
    int pieces = 0;
    for (size_t p = start; p < end; p += kPiece, ++pieces) out << "    \"" << text.substr(p, std::min(kPiece, end - p)) << "\",\n";
    if (pieces == 0) {
      out << "    \"\",\n";
      pieces = 1;
    }
    out << "};\n}  // namespace\n\nextern const StoredPart " << partName << ";\nconst StoredPart " << partName
        << " = {kPieces, " << pieces << "};\n\n}  // namespace threestage\n";
    if (!out) return false;
    partNames.push_back(partName);
    if (end >= text.size()) break;
  }
  return true;
}

// The index of every part file in the folder (the two lists may be written by separate runs).
bool WriteIndex(const std::string& dir) {
  auto partsOf = [&](const std::string& name) {
    std::vector<std::string> parts;
    for (int n = 0; std::filesystem::exists(dir + "/Stored" + name + std::to_string(n) + ".cpp"); ++n)
      parts.push_back("kStored" + name + "Part" + std::to_string(n));
    return parts;
  };
  const std::vector<std::string> f2l = partsOf("F2L"), ll = partsOf("LastLayer");
  std::ofstream out(dir + "/StoredParts.cpp");
  out << "// Generated by tools/threestage_gen; do not edit.\n"
      << "#include \"solvers/threestage/data/StoredSequences.h\"\n\nnamespace threestage {\n\n";
  for (const auto& n : f2l) out << "extern const StoredPart " << n << ";\n";
  for (const auto& n : ll) out << "extern const StoredPart " << n << ";\n";
  auto list = [&](const char* name, const std::vector<std::string>& parts) {
    out << "\nconst StoredPart* const " << name << "Parts[] = {";
    for (size_t i = 0; i < parts.size(); ++i) out << (i ? ", " : "") << "&" << parts[i];
    if (parts.empty()) out << "nullptr";
    out << "};\nconst int " << name << "PartCount = " << parts.size() << ";\n";
  };
  list("kStoredF2L", f2l);
  list("kStoredLastLayer", ll);
  out << "\n}  // namespace threestage\n";
  return static_cast<bool>(out);
}

}  // namespace

constexpr size_t kMaxTargets = 18;

std::vector<Target> BlankTargets(const F2LBuilder& f2l) {
  std::vector<Target> targets;
  const Tracked solved = SolvedTracked();
  if (f2l.Filled(kAdjacentSecond) < kSecondHalfCases) targets.push_back({solved, 0, 1});
  if (f2l.Filled(kDiagonalSecond) < kSecondHalfCases) targets.push_back({solved, 1, 3});
  AllowedCubies corners{}, edges{};
  corners.fill(-1);
  edges.fill(-1);
  for (int c = 0; c < kCornerCount; ++c) corners[c] = static_cast<std::int8_t>(c);
  for (int e = 4; e < kEdgeCount; ++e) edges[e] = static_cast<std::int8_t>(e - 4);
  for (auto [table, a, b] : {std::array<int, 3>{kAdjacentFirst, 0, 1}, std::array<int, 3>{kDiagonalFirst, 1, 3}}) {
    if (f2l.Filled(table) == kFirstHalfCases) continue;
    if (kFirstHalfCases - f2l.Filled(table) > static_cast<int>(kMaxTargets)) return std::vector<Target>(kMaxTargets + 1);
    for (int cr = 0; cr < 24 * 21; ++cr) {
      for (int er = 0; er < 16 * 14; ++er) {
        int c[2], e[2];
        UnrankPlacement(cr, 2, 3, corners.data(), 8, c);
        UnrankPlacement(er, 2, 2, edges.data(), 8, e);
        Tracked t = solved;
        t[a] = CornerStickers(c[0] / 3)[c[0] % 3];
        t[b] = CornerStickers(c[1] / 3)[c[1] % 3];
        t[kCornerCount + 4 + a] = EdgeStickers(e[0] / 2)[e[0] % 2];
        t[kCornerCount + 4 + b] = EdgeStickers(e[1] / 2)[e[1] % 2];
        const int index = F2LIndex(table, t);
        if (index >= 0 && f2l.Table(table)[index].Blank()) targets.push_back({t, a, b});
      }
    }
  }
  return targets;
}

int main(int argc, char** argv) {
  std::string outDir = "solvers/threestage/data";  // run from the repository root
  int f2lDepth = kF2LMaxLength, macroHalf = 7;
  bool extend = false;  // the two-phase search reaches the rest sooner
  bool allowGaps = false;
  double searchSeconds = 10;
  std::string searchLog;
  std::string part = "all";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string opt = argv[i];
    if (opt == "--out") outDir = argv[i + 1];
    else if (opt == "--f2l-depth") f2lDepth = std::atoi(argv[i + 1]);
    else if (opt == "--macro-half") macroHalf = std::atoi(argv[i + 1]);
    else if (opt == "--extend") extend = std::atoi(argv[i + 1]) != 0;
    else if (opt == "--part") part = argv[i + 1];
    else if (opt == "--allow-gaps") allowGaps = std::atoi(argv[i + 1]) != 0;
    else if (opt == "--search-seconds") searchSeconds = std::atof(argv[i + 1]);
    else if (opt == "--search-log") searchLog = argv[i + 1];
    else {
      std::fprintf(stderr, "usage: %s [--out DIR] [--part f2l|ll|all] [--f2l-depth N] [--macro-half N] [--extend 0|1] [--search-seconds S] [--search-log FILE] [--allow-gaps 0|1]\n", argv[0]);
      return 2;
    }
  }
  const auto start = std::chrono::steady_clock::now();
  F2LBuilder f2l;
  std::vector<std::uint8_t> f2lRecords;
  std::vector<int> f2lPerLength(kF2LMaxLength + 1, 0);
  F2LSearch search{f2l, f2lRecords, f2lPerLength};
  std::vector<SecondHalves> seconds;
  if (part == "ll") f2lDepth = -1;
  for (int length = 0; length <= f2lDepth; ++length) {
    const int secondLength = length / 2;
    while (static_cast<int>(seconds.size()) <= secondLength) seconds.push_back(BuildSecondHalves(static_cast<int>(seconds.size())));
    // Once few first-half cases are blank, join only towards them and towards
    // the first-half slots home (which second-half cases need).
    const std::vector<Target> targets = BlankTargets(f2l);
    search.targeted = targets.size() <= kMaxTargets;
    if (search.targeted) seconds[secondLength].KeyTargets(targets);
    search.second = &seconds[secondLength];
    search.firstLength = length - secondLength;
    search.joined = 0;
    search.Walk(0, -1, SolvedTracked());
    std::printf("F2L length %2d: %lld cross-keeping sequences, %zu record bytes, filled %d %d %d %d, %.1f s\n", length,
                search.joined, f2lRecords.size(), f2l.Filled(0), f2l.Filled(1), f2l.Filled(2), f2l.Filled(3),
                Seconds(start));
    std::fflush(stdout);
  }
  seconds.clear();
  bool f2lFull = true;
  for (int t = 0; t < kF2LTableCount && part != "ll"; ++t) {
    if (f2l.Filled(t) != F2LTableCases(t)) {
      std::fprintf(stderr, "F2L table %d: only %d of %d cases filled\n", t, f2l.Filled(t), F2LTableCases(t));
      f2lFull = false;
    }
  }
  int f2lCount = 0;
  for (int n : f2lPerLength) f2lCount += n;
  if (part == "f2l") {
    std::vector<std::string> names;
    if (!f2lFull || !WriteParts(outDir, "F2L", f2lRecords, names) || !WriteIndex(outDir)) return 1;
    std::printf("F2L: %d sequences, %zu bytes; by length:", f2lCount, f2lRecords.size());
    for (size_t n = 0; n < f2lPerLength.size(); ++n) std::printf(" %zu:%d", n, f2lPerLength[n]);
    std::printf("\ndone in %.1f s\n", Seconds(start));
    return 0;
  }
  MacroFinder finder(macroHalf);
  std::vector<Macro> macros = finder.Macros();
  std::printf("%zu last-layer macros of up to %d turns, %.1f s\n", macros.size(), 2 * macroHalf + 1, Seconds(start));
  std::vector<Moves> joined = JoinMacros(macros);
  int wrong = 0;
  for (int x = 0; x < kLastLayerCases; ++x) {
    if (joined[x].empty()) continue;
    Tracked t = LastLayerTracked(x);
    for (auto code : joined[x]) ApplyTurn(t, code);
    if (t != SolvedTracked() && wrong++ < 3) std::printf("joined case %d not solved\n", x);
  }
  std::printf("%d joined solutions wrong, %d cases unreached\n", wrong, Unreached(joined));
  if (extend && Unreached(joined) > 0) {
    std::printf("%d last-layer cases beyond 16 turns; looking one turn further, %.1f s\n", Unreached(joined),
                Seconds(start));
    std::fflush(stdout);
    finder.Extend();
    macros = finder.Macros();
    std::printf("%zu last-layer macros of up to %d turns, %.1f s\n", macros.size(), 2 * macroHalf + 2,
                Seconds(start));
    joined = JoinMacros(macros);
  }
  std::printf("joined: %.1f s\n", Seconds(start));
  LastLayerBuilder ll;
  std::vector<std::uint8_t> llRecords;
  AppendRecord(kLastLayerRecords, Moves{}, llRecords);  // the solved case: empty
  ll.EnterListed(Moves{});
  std::vector<int> llPerLength(64, 0);
  int llCount = 1;
  int tooLong = 0;
  // Cases the joins leave open go to the two-phase search (searchSeconds 0: left open).
  const bool searchGaps = searchSeconds > 0 && Unreached(joined) > 0;
  if (searchGaps) {
    const auto dir = std::filesystem::absolute(argv[0]).parent_path().string();
    if (!twophase::PrepareTables(twophase::TableFileCandidates(dir), nullptr)) return 1;
  }
  int searched = 0;
  const std::map<int, Moves> earlier =
      searchLog.empty() ? std::map<int, Moves>{} : lastlayer_search::ReadSearchLog(searchLog);
  for (int x = 0; x < kLastLayerCases; ++x) {
    if (ll.Filled(x)) continue;
    Moves s = joined[x];
    if (s.empty()) {
      const Tracked t = LastLayerTracked(x);
      if (!searchGaps || !lastlayer_search::Reachable(t)) continue;
      const auto logged = earlier.find(x);
      try {
        if (logged != earlier.end() && SolvesWithin(logged->second, t, kLastLayerMaxLength)) {
          s = logged->second;
        } else {
          s = lastlayer_search::SolveCase(twophase::SharedTables(), t, kLastLayerMaxLength, searchSeconds);
          lastlayer_search::AppendSearchLog(searchLog, x, s);
        }
      } catch (const std::exception& e) {
        std::fprintf(stderr, "last-layer case %d: %s\n", x, e.what());
        return 1;
      }
      std::printf("case %d searched: %zu turns, %.1f s\n", x, s.size(), Seconds(start));
      std::fflush(stdout);
      ++searched;
    }
    if (static_cast<int>(s.size()) > kLastLayerMaxLength) {
      ++tooLong;
      ++llPerLength[s.size()];
      continue;
    }
    ll.EnterListed(s);
    AppendRecord(kLastLayerRecords, s, llRecords);
    ++llPerLength[s.size()];
    ++llCount;
  }
  if (tooLong > 0) {
    std::fprintf(stderr, "%d last-layer cases need more than 16 turns; by length:", tooLong);
    for (size_t n = 0; n < llPerLength.size(); ++n) std::fprintf(stderr, " %zu:%d", n, llPerLength[n]);
    std::fprintf(stderr, "\n");
    return 1;
  }
  if (ll.FilledCount() != kReachableLastLayerCases) {
    std::fprintf(stderr, "last layer: only %d cases filled\n", ll.FilledCount());
    if (!allowGaps) return 1;
  }
  if (!f2lFull) return 1;
  std::vector<std::string> f2lParts, llParts;
  if ((part == "all" && !WriteParts(outDir, "F2L", f2lRecords, f2lParts)) ||
      !WriteParts(outDir, "LastLayer", llRecords, llParts) || !WriteIndex(outDir)) {
    std::fprintf(stderr, "cannot write into %s\n", outDir.c_str());
    return 1;
  }
  std::printf("F2L: %d sequences, %zu bytes; by length:", f2lCount, f2lRecords.size());
  for (size_t n = 0; n < f2lPerLength.size(); ++n) std::printf(" %zu:%d", n, f2lPerLength[n]);
  std::printf("\nlast layer: %d sequences (%d by two-phase search), %zu bytes; by length:", llCount, searched,
              llRecords.size());
  for (size_t n = 0; n <= kLastLayerMaxLength; ++n) std::printf(" %zu:%d", n, llPerLength[n]);
  std::printf("\ndone in %.1f s\n", Seconds(start));
  return 0;
}
