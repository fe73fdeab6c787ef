#pragma once
// The vocabulary of the move notation as data: for each order 2..7, every valid
// token with the turn it stands for. Built once from a table of families and
// shared read-only afterwards.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace model {

enum class TurnKind : std::uint8_t { kLayer, kFirst, kLast, kRange, kBoth };

// One call of a WCube turn operation. kLayer turns layer `first`; kFirst,
// kLast and kBoth take `count`; kRange turns `count` layers from `first`.
struct QuarterTurn {
  TurnKind kind = TurnKind::kLayer;
  int axis = 0;
  int first = 0;
  int count = 1;
  int dir = 0;
  friend bool operator==(const QuarterTurn&, const QuarterTurn&) = default;
};

// A token: the same quarter turn done once, or twice for a half turn.
struct MoveCommand {
  QuarterTurn turn;
  int repeats = 1;
};

// The command of a token for an order, or null when the order has no such token.
const MoveCommand* FindCommand(int order, const std::string& token);

// Every token of the order with its command, in family order.
const std::vector<std::pair<std::string, MoveCommand>>& CommandsOf(int order);

}  // namespace model
