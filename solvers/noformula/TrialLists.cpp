#include "solvers/noformula/TrialLists.h"

#include <array>

namespace noformula {

namespace {

std::vector<MoveList> ParseAll(std::initializer_list<const char*> texts) {
  std::vector<MoveList> out;
  for (const char* text : texts) out.push_back(ParseMoves(text));
  return out;
}

MoveList WithMarker(const char* text) {
  MoveList codes = ParseMoves(text);
  codes.push_back(kSubStepMarker);
  return codes;
}

MoveList Join(std::initializer_list<MoveList> parts) {
  MoveList out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

const std::array<std::vector<MoveList>, 3> kTrials = {
    ParseAll({"U L U' F", "U'", "L F", "L U2 L'", "U R' U' F'", "R' F'", "R2 D' F2", "F",
              "U L' U'", "L2 F L2", "U L U'", "R2 F' R2", "U' R' U", "F'", "U' R U", "F2",
              "L D' L' F", "D F2", "L' F L", "D2 F2", "D L' F L", "D' F2", "R F' R'"}),
    ParseAll({"F D' R F2 R' F'", "F D B' D2 B F'", "F D F'", "R' D' R", "F R F2 R' F'",
              "R' D R", "R U2 L' U2 R'", "D2 F D' F'", "F D2 F'", "R' D2 R", "D' R2 F' R2 F",
              "R2 F' R2 F", "F D' F'", "D' F D F'", "B' D B F D' F'", "R D2 R2 D R",
              "B' F D' B F'", "R2 B2 R2 B2", "F L' D2 L F'", "B R' D2 B' R", "L D L' R' D' R",
              "F' D2 F2 D' F'", "L R' D L' R"}),
    ParseAll({"R' D2 R F D F'", "D F D' F'", "F D' F'", "F D2 F'", "F D F'", "D R' D' R",
              "R' D' R", "R' D2 R", "R' D R", "F' U' R' U F", "R' F' R2 F R", "L' F D L' F' L2",
              "U' B2 D' U R2", "R U F U' R'", "R2 D' U F2 U'"}),
};

const MoveList kTwistA = WithMarker("F D2 F' R' D2 R U' R' D2 R F D2 F' U");
const MoveList kTwistB = WithMarker("U2 L D2 L' F' D2 F U2 F' D2 F L D2 L'");

const std::array<TwistRow, 8> kTwistRows = {{
    {{}, {}, kTwistA},
    {ParseMoves("x y2"), ParseMoves("y2 x'"), {}},
    {{}, {}, kTwistB},
    {{}, {}, Join({WithMarker("y U L D2 L' F' D2 F U' F' D2 F L D2 L'"),
                   ParseMoves("U' L D2 L' F' D2 F U F' D2 F L D2 L' y'")})},
    {ParseMoves("y"), ParseMoves("y'"), {}},
    {ParseMoves("y2"), ParseMoves("y2"), {}},
    {ParseMoves("z' y'"), ParseMoves("y z"), {}},
    {{}, {}, Join({WithMarker("y L D2 L' F' D2 F U' F' D2 F L D2 L' U"),
                   ParseMoves("L D2 L' F' D2 F U F' D2 F L D2 L' U' y'")})},
}};

}  // namespace

const std::vector<MoveList>& TrialList(int pass) { return kTrials[pass]; }
const TwistRow& TwistRowFor(int row) { return kTwistRows[row]; }
const MoveList& TwistSequence(int row) { return row == 2 ? kTwistB : kTwistA; }

}  // namespace noformula
