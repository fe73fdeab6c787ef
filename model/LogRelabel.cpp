#include "model/LogRelabel.h"

#include <array>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "model/MoveVocabulary.h"

namespace movelog {

namespace {

// What a token does physically: which layers of which axis it turns, and by how
// many quarter turns about the positive axis (1..3).
struct Effect {
  int axis;
  unsigned layers;  // bit i = layer i
  int amount;
  auto Key() const { return std::tuple(axis, layers, amount); }
};

unsigned LayerMask(const model::QuarterTurn& t, int n) {
  auto range = [](int first, int count) {
    unsigned mask = 0;
    for (int i = first; i < first + count; ++i) mask |= 1u << i;
    return mask;
  };
  switch (t.kind) {
    case model::TurnKind::kLayer: return range(t.first, 1);
    case model::TurnKind::kFirst: return range(0, t.count);
    case model::TurnKind::kLast: return range(n - t.count, t.count);
    case model::TurnKind::kRange: return range(t.first, t.count);
    case model::TurnKind::kBoth: return range(0, t.count) | range(n - t.count, t.count);
  }
  return 0;
}

Effect EffectOf(const model::MoveCommand& c, int n) {
  const int quarter = c.turn.dir == 1 ? 1 : 3;
  return {c.turn.axis, LayerMask(c.turn, n), (quarter * c.repeats) % 4};
}

// A whole-cube rotation as a signed permutation of the axes: axis a goes to
// axis image[a] with sign sign[a].
struct AxisMap {
  std::array<int, 3> image{0, 1, 2};
  std::array<int, 3> sign{1, 1, 1};
};

AxisMap AxisMapOf(const model::MoveCommand& rotation) {
  AxisMap map;
  const int about = rotation.turn.axis;
  const int quarters = ((rotation.turn.dir == 1 ? 1 : 3) * rotation.repeats) % 4;
  for (int q = 0; q < quarters; ++q) {
    // +90° about `about`: (a, b) → (−b, a) for the other two axes in cyclic order.
    const int a = (about + 1) % 3, b = (about + 2) % 3;
    for (int axis = 0; axis < 3; ++axis) {
      if (map.image[axis] == a) {
        map.image[axis] = b;
      } else if (map.image[axis] == b) {
        map.image[axis] = a;
        map.sign[axis] = -map.sign[axis];
      }
    }
  }
  return map;
}

Effect Rotated(const Effect& e, const AxisMap& map, int n) {
  Effect out{map.image[e.axis], e.layers, e.amount};
  if (map.sign[e.axis] < 0) {
    unsigned mirrored = 0;
    for (int i = 0; i < n; ++i)
      if (e.layers >> i & 1u) mirrored |= 1u << (n - 1 - i);
    out.layers = mirrored;
    out.amount = (4 - e.amount) % 4;
  }
  return out;
}

std::string Shape(const std::string& token) {
  std::string shape = token;
  for (char& c : shape)
    if (std::string_view("RLUDFBrludfbxyzMES").find(c) != std::string_view::npos) c = '?';
  return shape;
}

// Tokens of one order by their effect, in family order.
using EffectIndex = std::map<std::tuple<int, unsigned, int>, std::vector<std::string>>;

const EffectIndex& IndexOf(int order) {
  static std::array<EffectIndex, 8> indexes;
  static std::once_flag once;
  std::call_once(once, [] {
    for (int n = 2; n <= 7; ++n)
      for (const auto& [token, command] : model::CommandsOf(n))
        indexes[n][EffectOf(command, n).Key()].push_back(token);
  });
  return indexes[order];
}

}  // namespace

std::string RelabelCommand(WholeRotation rotation, const std::string& text, int order) {
  const std::string byTable = RelabelCommand(rotation, text);
  const model::MoveCommand* command = model::FindCommand(order, text);
  const model::MoveCommand* turn = model::FindCommand(order, RotationToken(rotation));
  if (command == nullptr || turn == nullptr) return byTable;

  const Effect wanted = Rotated(EffectOf(*command, order), AxisMapOf(*turn), order);
  if (const model::MoveCommand* table = model::FindCommand(order, byTable)) {
    if (EffectOf(*table, order).Key() == wanted.Key()) return byTable;
  }
  const auto& index = IndexOf(order);
  const auto found = index.find(wanted.Key());
  if (found == index.end()) return byTable;
  const std::string shape = Shape(text);
  for (const auto& candidate : found->second)
    if (Shape(candidate) == shape) return candidate;
  return found->second.front();
}

}  // namespace movelog
