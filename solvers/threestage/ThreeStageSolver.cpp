#include "solvers/threestage/ThreeStageSolver.h"

#include "solvers/threestage/CubePieces.h"
#include "solvers/threestage/MoveSequences.h"
#include "solvers/threestage/ThreeStageTables.h"

namespace threestage {

namespace {

constexpr int kCrossOrientations = 6;
constexpr int kSplitVariants = 6;
constexpr int kPrefixLength = 3;
constexpr int kEarlyStopBelow = 5;  // a candidate this short ends the search
constexpr int kMaxCrossTurns = 8;

// The whole-cube turns that bring the cross face (U F D B L R) to U: none, x, x2, x', z, z'.
int CrossRotation(int orientation) {
  static const std::array<int, kCrossOrientations> rotations = {
      RotationIndex(0, 0, 0), RotationIndex(1, 0, 0), RotationIndex(2, 0, 0),
      RotationIndex(3, 0, 0), RotationIndex(0, 0, 1), RotationIndex(0, 0, 3)};
  return rotations[orientation];
}

// Split variants 0..3 use the adjacent tables after j quarter turns about the
// U–D axis; 4 and 5 the diagonal tables after 0 and 1 quarter turn.
int SplitQuarterTurns(int variant) { return variant < 4 ? variant : variant - 4; }
bool SplitDiagonal(int variant) { return variant >= 4; }

// One frame: the cube turned so that a candidate's tables can be read.
struct Frame {
  Tracked start;
  std::array<int, 6> toFrame;    // cube face -> frame face
  std::array<int, 6> fromFrame;  // frame face -> cube face
  bool diagonal;
};

Frame MakeFrame(const State& state, int orientation, int variant) {
  const int rotation =
      ComposeRotations(CrossRotation(orientation), RotationIndex(0, SplitQuarterTurns(variant), 0));
  return {TrackedOf(RotatedState(state, rotation)), RotationFaceMap(rotation),
          RotationFaceMap(InverseRotation(rotation)), SplitDiagonal(variant)};
}

int FrameCode(const std::array<int, 6>& map, int code) { return TurnCode(map[TurnFace(code)], TurnAmount(code)); }

bool AppendEntry(const TableSequence& entry, const Frame& frame, Tracked& t, Moves& out) {
  if (entry.Blank()) return false;
  for (int k = 0; k < entry.length; ++k) {
    ApplyTurn(t, entry.moves[k]);
    out.push_back(static_cast<std::uint8_t>(FrameCode(frame.fromFrame, entry.moves[k])));
  }
  return true;
}

// Builds one candidate into `moves` (cube frame, simplified). False when the
// candidate is dropped.
bool RunCandidate(const ThreeStageTables& tables, const Frame& frame, const std::uint8_t* prefix, int prefixLength,
                  Moves& moves) {
  moves.clear();
  Tracked t = frame.start;
  for (int k = 0; k < prefixLength; ++k) {
    ApplyTurn(t, FrameCode(frame.toFrame, prefix[k]));
    moves.push_back(prefix[k]);
  }
  // Stage 1: the cross, straight from its table.
  for (int step = 0;; ++step) {
    const int next = tables.cross[CrossIndex(t)];
    if (next == 0) break;
    if (step == kMaxCrossTurns) return false;  // cannot happen with a sound table
    const int code = next - 1;
    const int cubeCode = FrameCode(frame.fromFrame, code);
    if (step == 0 && prefixLength > 0 && !FollowsCanonically(TurnFace(prefix[prefixLength - 1]), TurnFace(cubeCode)))
      return false;
    ApplyTurn(t, code);
    moves.push_back(static_cast<std::uint8_t>(cubeCode));
  }
  // Stage 2: the first two layers in two halves.
  const int first = frame.diagonal ? kDiagonalFirst : kAdjacentFirst;
  const int second = frame.diagonal ? kDiagonalSecond : kAdjacentSecond;
  for (int table : {first, second}) {
    const int index = F2LIndex(table, t);
    if (index < 0 || !AppendEntry(tables.f2l[table][index], frame, t, moves)) return false;
  }
  // Stage 3: the last layer.
  const int index = LastLayerIndex(t);
  if (index < 0 || tables.lastLayer[index] == 0) return false;
  for (auto code : tables.lastLayerSolutions[tables.lastLayer[index] - 1])
    moves.push_back(static_cast<std::uint8_t>(FrameCode(frame.fromFrame, code)));
  Simplify(moves);
  return true;
}

bool Better(const Moves& candidate, int candidateHalves, const Moves& best, int bestHalves, bool haveBest) {
  if (!haveBest || candidate.size() < best.size()) return true;
  return candidate.size() == best.size() && candidateHalves < bestHalves;
}

const Moves& Prefixes() {
  static const Moves list = CanonicalList(kPrefixLength);
  return list;
}

// Runs every candidate; false when none completes.
bool Search(const State& state, bool withPrefixes, ThreeStageResult& result) {
  const ThreeStageTables& tables = Tables();
  const int prefixCount = withPrefixes ? static_cast<int>(Prefixes().size()) / kPrefixLength : 0;
  Moves best, candidate;
  int bestHalves = 0;
  bool haveBest = false;
  for (int orientation = 0; orientation < kCrossOrientations; ++orientation) {
    for (int variant = 0; variant < kSplitVariants; ++variant) {
      const Frame frame = MakeFrame(state, orientation, variant);
      // Prefix −1 is the empty prefix of mode 0.
      for (int p = withPrefixes ? 0 : -1; p < prefixCount; ++p) {
        const std::uint8_t* prefix = p < 0 ? nullptr : Prefixes().data() + p * kPrefixLength;
        if (!RunCandidate(tables, frame, prefix, p < 0 ? 0 : kPrefixLength, candidate)) continue;
        const int halves = HalfTurnCount(candidate);
        if (!Better(candidate, halves, best, bestHalves, haveBest)) continue;
        best.swap(candidate);
        bestHalves = halves;
        haveBest = true;
        result.orientation = orientation;
        if (static_cast<int>(best.size()) < kEarlyStopBelow) break;
      }
      if (haveBest && static_cast<int>(best.size()) < kEarlyStopBelow) break;
    }
    if (haveBest && static_cast<int>(best.size()) < kEarlyStopBelow) break;
  }
  for (auto code : best) result.moves.push_back({TurnFace(code), TurnAmount(code)});
  return haveBest;
}

}  // namespace

int SolveThreeStage(const Stickers& stickers, int mode, ThreeStageResult& result) {
  result = ThreeStageResult{};
  if (mode != 0 && mode != 3) return kThreeStageBadMode;
  State state{};
  if (!ReadColours(stickers, state)) return kThreeStageUnsolvable;
  if (state == SolvedState()) return 0;
  // A candidate that meets a blank table entry is dropped (the stored data fills
  // every case, so only damaged data could do that); should every beginner
  // candidate be dropped, the prefixed candidates still solve the cube.
  if (!Search(state, mode == 3, result) && (mode == 3 || !Search(state, true, result)))
    return kThreeStageUnsolvable;
  return static_cast<int>(result.moves.size());
}

}  // namespace threestage
