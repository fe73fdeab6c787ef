#include "solvers/petrus/PetrusStageTools.h"

#include <algorithm>

namespace petrus {

namespace {

bool ApplyEntry(TrackedCube& cube, Table table, int entry, const StageContext& context) {
  if (entry < 0) return false;
  if (context.usage) context.usage->Count(table, entry);
  cube.Sequence(Entries(table)[entry].sequence);
  return true;
}

}  // namespace

bool Lookup(TrackedCube& cube, Table table, int key, const StageContext& context) {
  return ApplyEntry(cube, table, FindEntry(table, key), context);
}

bool Lookup(TrackedCube& cube, Table table, std::string_view pattern, const StageContext& context) {
  return ApplyEntry(cube, table, FindEntry(table, pattern), context);
}

bool KeepShortestPerGroup(Candidates& candidates, int groupCount, int perGroup,
                          const std::function<int(const TrackedCube&)>& groupOf) {
  std::vector<int> counts(groupCount, 0);
  std::vector<int> best(groupCount, -1);
  for (size_t i = 0; i < candidates.size(); ++i) {
    const int group = groupOf(candidates[i]);
    if (group < 0 || group >= groupCount) return false;
    ++counts[group];
    const int current = best[group];
    if (current < 0 || candidates[i].MoveCount() < candidates[current].MoveCount()) {
      best[group] = static_cast<int>(i);
    }
  }
  if (std::any_of(counts.begin(), counts.end(), [perGroup](int n) { return n != perGroup; })) {
    return false;
  }
  Candidates kept;
  kept.reserve(groupCount);
  for (int index : best) kept.push_back(std::move(candidates[index]));
  candidates = std::move(kept);
  return true;
}

bool TurnUntilCorner(TrackedCube& cube, std::string_view move, int a, int b, int c, int facelet) {
  for (int turns = 0; cube.FindCorner(a, b, c) != facelet; ++turns) {
    if (turns == 4) return false;
    cube.Move(move);
  }
  return true;
}

}  // namespace petrus
