#pragma once
// Small helpers shared by the Petrus stages.
#include <functional>
#include <string_view>

#include "solvers/petrus/PetrusStages.h"

namespace petrus {

// Facelet index of a face letter and an index 0–8 ("F", 5 → 14).
constexpr int Facelet(char face, int index) {
  constexpr std::string_view kLetters = "UFRBLD";
  return 9 * static_cast<int>(kLetters.find(face)) + index;
}

// Applies the sequence the table holds for `key`; false when the key is missing.
bool Lookup(TrackedCube& cube, Table table, int key, const StageContext& context);
bool Lookup(TrackedCube& cube, Table table, std::string_view pattern, const StageContext& context);

// Keeps the shortest candidate of each group 0 … groupCount−1 (the first one on
// equal lengths), in group order. Every group must hold exactly perGroup
// candidates, and groupOf must give a group for every candidate (−1 = none).
bool KeepShortestPerGroup(Candidates& candidates, int groupCount, int perGroup,
                          const std::function<int(const TrackedCube&)>& groupOf);

// Makes `move` until the corner finder for (a, b, c) gives `facelet`, at most four times.
bool TurnUntilCorner(TrackedCube& cube, std::string_view move, int a, int b, int c, int facelet);

}  // namespace petrus
