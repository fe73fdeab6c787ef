#include "model/MoveVocabulary.h"

#include <array>
#include <string_view>
#include <unordered_map>

#include "model/WCube.h"

namespace model {

namespace {

// A face letter fixes the axis, the side layers are counted from, and the
// face's own (clockwise) direction.
struct Face {
  int axis;
  bool high;  // counted from layer N-1 (R, U, F) rather than from layer 0
  int dir;
};

constexpr Face kR{0, true, 0}, kL{0, false, 1}, kU{1, true, 0}, kD{1, false, 1}, kF{2, true, 0},
    kB{2, false, 1};

// The face whose direction a stem's last letter turns in: face letters in either
// case; x, y, z as R, U, F; the middle slices M, E, S as L, D, F.
Face FaceOf(char letter) {
  switch (letter) {
    case 'R': case 'r': case 'x': return kR;
    case 'L': case 'l': case 'M': return kL;
    case 'U': case 'u': case 'y': return kU;
    case 'D': case 'd': case 'E': return kD;
    case 'F': case 'f': case 'z': case 'S': return kF;
    default: return kB;
  }
}

// The k-th layer from the face (1 = the face layer).
int KthLayer(const Face& f, int n, int k) { return f.high ? n - k : k - 1; }

QuarterTurn Layer(const Face& f, int layer) { return {TurnKind::kLayer, f.axis, layer, 1, f.dir}; }
QuarterTurn Range(const Face& f, int start, int count) {
  return {TurnKind::kRange, f.axis, start, count, f.dir};
}

// Each rule gives a family's turn in the face's own direction for order n; k
// is the family's layer count or depth.
using Rule = QuarterTurn (*)(const Face& f, int n, int k);

QuarterTurn KthLayerRule(const Face& f, int n, int k) { return Layer(f, KthLayer(f, n, k)); }
QuarterTurn WholeCubeRule(const Face& f, int n, int) { return {TurnKind::kLast, f.axis, 0, n, f.dir}; }
QuarterTurn OuterBlockRule(const Face& f, int, int k) {
  return {f.high ? TurnKind::kLast : TurnKind::kFirst, f.axis, 0, k, f.dir};
}
QuarterTurn OppositePairsRule(const Face& f, int, int k) { return {TurnKind::kBoth, f.axis, 0, k, f.dir}; }
QuarterTurn InnerBlockRule(const Face& f, int n, int) { return Range(f, 1, n - 2); }
QuarterTurn CentreSliceRule(const Face& f, int n, int) { return Layer(f, (n - 1) / 2); }
// Even orders: the central layer on the face's side.
QuarterTurn CentralLayerRule(const Face& f, int n, int) { return Layer(f, f.high ? n / 2 : (n - 1) / 2); }
QuarterTurn CentralTwoRule(const Face& f, int n, int) { return Range(f, f.high ? (n - 1) / 2 : n / 2 - 1, 2); }
QuarterTurn CentralThreeRule(const Face& f, int n, int) {
  return Range(f, f.high ? n / 2 - 1 : (n - 1) / 2 - 1, 3);
}
// The k layers next to the face: 2nd to (k+1)-th from it.
QuarterTurn InnerNextRule(const Face& f, int n, int k) { return Range(f, f.high ? n - 1 - k : 1, k); }

enum class Suffixes { kAll, kNoPrimedHalf, kQuarterOnly };  // all four; none ' 2; none '

constexpr unsigned Orders(int from, int to) {
  unsigned mask = 0;
  for (int n = from; n <= to; ++n) mask |= 1u << n;
  return mask;
}
constexpr unsigned kOddOrders = 1u << 3 | 1u << 5 | 1u << 7;

struct Family {
  std::string_view prefix;   // each stem is the prefix and one letter
  std::string_view letters;
  Suffixes suffixes;
  unsigned orders;  // bit n = valid for order n
  Rule rule;
  int k;
};

// Families valid for every order first, then those needing larger cubes.
constexpr Family kFamilies[] = {
    {"", "RLUDFB", Suffixes::kAll, Orders(2, 7), KthLayerRule, 1},  // face turns
    {"", "xyz", Suffixes::kAll, Orders(2, 7), WholeCubeRule, 0},
    {"C", "RLFB", Suffixes::kAll, Orders(2, 7), WholeCubeRule, 0},
    {"C", "UD", Suffixes::kNoPrimedHalf, Orders(2, 7), WholeCubeRule, 0},
    {"T", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(3, 7), OuterBlockRule, 2},
    {"T3", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(3, 7), OuterBlockRule, 3},
    {"T4", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(4, 7), OuterBlockRule, 4},
    {"T5", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(5, 7), OuterBlockRule, 5},
    {"T6", "B", Suffixes::kNoPrimedHalf, Orders(7, 7), OuterBlockRule, 6},
    {"S", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(3, 7), OppositePairsRule, 1},
    {"S2", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(4, 7), OppositePairsRule, 2},
    {"S3", "FUDR", Suffixes::kNoPrimedHalf, Orders(7, 7), OppositePairsRule, 3},
    {"N", "RLUDFB", Suffixes::kAll, Orders(4, 7), KthLayerRule, 2},
    {"", "rludfb", Suffixes::kAll, Orders(4, 7), KthLayerRule, 2},
    {"", "rludfb", Suffixes::kQuarterOnly, Orders(3, 3), OuterBlockRule, 2},  // wide turns
    {"N3", "RLUDFB", Suffixes::kAll, Orders(3, 7), KthLayerRule, 3},
    {"N4", "RLUDFB", Suffixes::kAll, Orders(4, 7), KthLayerRule, 4},
    {"N5", "RLUDFB", Suffixes::kAll, Orders(5, 7), KthLayerRule, 5},
    {"W", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(3, 7), InnerBlockRule, 0},
    {"", "MES", Suffixes::kAll, kOddOrders, CentreSliceRule, 0},
    {"M", "RLUDFB", Suffixes::kAll, Orders(3, 7), CentralLayerRule, 0},
    {"M2", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(6, 7), CentralTwoRule, 0},
    {"M3", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(6, 7), CentralThreeRule, 0},
    {"V", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(5, 7), InnerNextRule, 2},
    {"V3", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(6, 7), InnerNextRule, 3},
    {"V4", "RLUDFB", Suffixes::kNoPrimedHalf, Orders(7, 7), InnerNextRule, 4},
};

// Half turns animated the other way round than their stem says (same end state).
struct HalfTurnException {
  std::string_view token;
  unsigned orders;
  int dir;
};
constexpr HalfTurnException kHalfTurnExceptions[] = {
    {"CD2", Orders(2, 7), 0},   // in y's direction
    {"MD2", kOddOrders, 0},     // in U's direction
    {"MU2'", kOddOrders, 0},
    {"MD2'", kOddOrders, 1},    // in D's direction
    {"MU2", kOddOrders, 1},
    {"S3U2", Orders(2, 7), 1},  // in D's direction
    {"V4F2", Orders(2, 7), 1},  // in B's direction
};

struct Suffix {
  std::string_view text;
  bool inverted;
  int repeats;
};
constexpr Suffix kSuffixes[] = {{"", false, 1}, {"'", true, 1}, {"2", false, 2}, {"2'", true, 2}};
constexpr int SuffixCount(Suffixes s) { return s == Suffixes::kAll ? 4 : s == Suffixes::kNoPrimedHalf ? 3 : 2; }

struct OrderVocabulary {
  std::vector<std::pair<std::string, MoveCommand>> list;
  std::unordered_map<std::string, MoveCommand> byToken;
};

OrderVocabulary BuildVocabulary(int n) {
  OrderVocabulary vocabulary;
  for (const Family& family : kFamilies) {
    if (!(family.orders >> n & 1)) continue;
    for (char letter : family.letters) {
      const QuarterTurn own = family.rule(FaceOf(letter), n, family.k);
      for (int s = 0; s < SuffixCount(family.suffixes); ++s) {
        std::string token = std::string(family.prefix) + letter + std::string(kSuffixes[s].text);
        MoveCommand command{own, kSuffixes[s].repeats};
        if (kSuffixes[s].inverted) command.turn.dir = 1 - own.dir;
        for (const auto& exception : kHalfTurnExceptions) {
          if (exception.token == token && (exception.orders >> n & 1)) command.turn.dir = exception.dir;
        }
        vocabulary.list.emplace_back(token, command);
      }
    }
  }
  for (const auto& [token, command] : vocabulary.list) vocabulary.byToken.emplace(token, command);
  return vocabulary;
}

const OrderVocabulary* VocabularyFor(int order) {
  static const std::array<OrderVocabulary, kMaxOrder + 1> vocabularies = [] {
    std::array<OrderVocabulary, kMaxOrder + 1> all;
    for (int n = kMinOrder; n <= kMaxOrder; ++n) all[n] = BuildVocabulary(n);
    return all;
  }();
  if (order < kMinOrder || order > kMaxOrder) return nullptr;
  return &vocabularies[order];
}

}  // namespace

const MoveCommand* FindCommand(int order, const std::string& token) {
  const OrderVocabulary* vocabulary = VocabularyFor(order);
  if (!vocabulary) return nullptr;
  auto it = vocabulary->byToken.find(token);
  return it == vocabulary->byToken.end() ? nullptr : &it->second;
}

const std::vector<std::pair<std::string, MoveCommand>>& CommandsOf(int order) {
  static const std::vector<std::pair<std::string, MoveCommand>> none;
  const OrderVocabulary* vocabulary = VocabularyFor(order);
  return vocabulary ? vocabulary->list : none;
}

}  // namespace model
