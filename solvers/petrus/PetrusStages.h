#pragma once
// The five stages of the Petrus block-building solve. Each takes the candidates
// left by the stage before and replaces them by its own; false means the
// colouring cannot be solved (a key missing from a table, a group count off, a
// piece not where a step leaves it). Candidate order is creation order and
// matters: among equally short candidates the first one wins.
#include <string>
#include <vector>

#include "solvers/petrus/PetrusTables.h"
#include "solvers/petrus/TrackedCube.h"

namespace petrus {

using Candidates = std::vector<TrackedCube>;

struct StageContext {
  TableUsage* usage = nullptr;  // counts the table entries used, when set
};

// Stage 1: a 2×2×2 block from each of the 48 starts; keeps the shortest
// candidate per block corner (8 left). Sets each candidate's orientation code.
bool BuildFirstBlocks(const std::string& facelets, Candidates& out, const StageContext& context);
// Stage 2: each block extended to 2×2×3 in six frames; shortest per edge group (12 left).
bool ExtendBlocks(Candidates& candidates, const StageContext& context);
// Stage 3: orients the remaining edges (12 stay).
bool OrientEdges(Candidates& candidates, const StageContext& context);
// Stage 4: the first two layers in four frames and two ways; shortest per U colour (6 left).
bool FinishFirstTwoLayers(Candidates& candidates, const StageContext& context);
// Stage 5: the last layer in two ways, then the turns of U that solve the cube
// (12 left: the six of way A, then the six of way B).
bool SolveLastLayer(Candidates& candidates, const StageContext& context);

// Start i (0–47): the corner colours (a, b, c) it builds its block around.
struct StartCorner {
  int a, b, c;
};
StartCorner StartCornerOf(int start);

// Turns the cube so that corner (a, b, c) sits at U-F-L with a on U and b on F
// (mirroring when needed). False when the corner cannot be brought there.
bool OrientOnCorner(TrackedCube& cube, int a, int b, int c);

// Stage 3: for the edges UB, UL, UR, UF, FL, FR, DF, '1' where the edge is
// flipped with respect to the colours (first, second), else '0'.
std::string EdgeOrientationPattern(const TrackedCube& cube, int first, int second);

// Stage 5 keys. The facelets read for the LL12 and LL16 patterns:
const std::vector<int>& LL12Facelets();
const std::vector<int>& LL16Facelets();
// The LL-edges code: where the edges of the U colour with the colours of the
// corner stickers L0, R0, F0, B0 sit (units, hundreds, thousands, tens).
int EdgePlacesCode(const TrackedCube& cube);
// The LL-corners code for the centre colours U e, F a, R b, B c, L d.
int CornerPlacesCode(const TrackedCube& cube, int e, int a, int b, int c, int d);

// Stage-5 facelet labelling: the U-centre colour is 'x', the other colours are
// '0'–'3' in the order first met, a fifth different colour 'z'.
std::string LabelPattern(const TrackedCube& cube, const std::vector<int>& facelets);

}  // namespace petrus
