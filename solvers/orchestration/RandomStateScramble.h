#pragma once
// Random-state scrambles for the 2×2×2 and the 3×3×3: every legal state is
// equally likely, and the scramble is a short sequence that reaches it from
// solved, found by the program's own solvers (the optimal 2×2×2 search, at most
// 11 face turns; the two-phase search, stopped at 21 face turns or fewer).
//
// The 2×2×2 has no centres, so its orientation is fixed as timers and
// competitions fix it: the corner at D, R and B stays home, and the sequence
// turns only the L, U and F layers.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace orchestration {

constexpr int kLongestRandomState3 = 21;  // face turns, half-turn metric
constexpr int kLongestRandomState2 = 11;

bool OffersRandomStateScramble(int order);  // orders 2 and 3

// A uniformly random legal state as the program's facelet text (order 2 or 3).
std::string RandomStateFacelets(int order, std::mt19937_64& rng);

// Tokens of the program's notation that turn the solved cube into the state
// given as a facelet text. Order 3 needs the two-phase tables (twophase::
// PrepareTables); nothing when the colours are not a legal cube.
std::optional<std::vector<std::string>> MovesReaching(int order, const std::string& facelets);

struct RandomStateScramble {
  std::string facelets;            // the state reached
  std::vector<std::string> moves;  // from solved, in the program's notation
};

// A random state and its sequence, reproducible from the seed. For order 3 the
// two-phase tables must be ready.
RandomStateScramble MakeRandomStateScramble(int order, std::uint64_t seed);

}  // namespace orchestration
