#pragma once
// The one check every solving route makes before it loads or prints a result:
// the result is played on a scratch copy of the cube, exactly as the move log
// would play it, and must leave every face one colour. A solver's own model is
// never trusted for this.
#include <string>
#include <vector>

namespace model {

// True when the facelet text (6N² digits '0'..'5', N = 2..7) turned by each of
// wholeTurns and then by each of moves has every face in one colour. Cells the
// notation does not know ("??", "@@", "[1]") turn nothing, as in the log.
// False for a text that is not a cube of order 2..7.
bool SolvesCube(const std::string& facelets, const std::vector<std::string>& wholeTurns,
                const std::vector<std::string>& moves);

// The order of a facelet text (6N² characters '0'..'5', N = 2..7), or 0.
int OrderOfFacelets(const std::string& facelets);

// Every face of the facelet text in one colour (any colours, any orientation).
bool FacesUniform(const std::string& facelets, int order);

}  // namespace model
