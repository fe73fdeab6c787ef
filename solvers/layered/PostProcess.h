#pragma once
// Tidying of a layer-by-layer solution text (3-character tokens, see
// CubeSolver.h): whole-cube turns are folded into the face letters so every
// move is expressed in the cube's starting orientation, then inverse pairs
// cancel and runs of equal quarter turns shrink.
#include <string>
#include <string_view>

namespace layered {

// The five passes in order: remove whole-cube turns; cancel inverse pairs
// until none is left; three equal quarter turns → one opposite; four → none;
// two → a half turn.
std::string PostProcessSolution(std::string_view text);

// Single passes, exposed for tests.
std::string RemoveWholeCubeTurns(std::string_view text);
std::string CancelInversePairs(std::string_view text);
std::string MergeTriples(std::string_view text);
std::string DropQuadruples(std::string_view text);
std::string MergePairs(std::string_view text);

}  // namespace layered
