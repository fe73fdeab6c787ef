#pragma once
// The two-phase solver's own numbering of faces, facelets and cubies. Only the
// labelled facelet text (in) and the move text (out) cross its border.
//
// Facelet faces: U 0, D 1, L 2, R 3, F 4, B 5; facelet = 9·face + 3·row + column,
// each face read as seen from outside: U with the B edge on top, D with the F
// edge on top, L F R B with the U edge on top. Centre of face f: 9f + 4.
//
// Move faces: R 0, L 1, U 2, D 3, F 4, B 5; the opposite of face i is i ^ 1.
#include <array>
#include <cstdint>

namespace twophase {

constexpr int kFaceletCount = 54;
constexpr int kCornerCount = 8;
constexpr int kEdgeCount = 12;
constexpr int kMoveFaceCount = 6;

enum MoveFace : int { kR = 0, kL = 1, kU = 2, kD = 3, kF = 4, kB = 5 };
constexpr std::uint8_t kNoMove = 0x80;  // face and count of a node no move led to

// Corners URF UFL ULB UBR DFR DLF DBL DRB; the first facelet lies on U or D.
constexpr std::array<std::array<std::uint8_t, 3>, kCornerCount> kCornerFacelets = {{
    {8, 27, 38}, {6, 36, 20}, {0, 18, 47}, {2, 45, 29},
    {11, 44, 33}, {9, 26, 42}, {15, 53, 24}, {17, 35, 51},
}};

// Edges UF UL UB UR DF DL DB DR FR FL BL BR; the first facelet lies on U or D for
// edges 0–7 and on R or L for the middle-slice edges 8–11.
constexpr std::array<std::array<std::uint8_t, 2>, kEdgeCount> kEdgeFacelets = {{
    {7, 37}, {3, 19}, {1, 46}, {5, 28}, {10, 43}, {12, 25},
    {16, 52}, {14, 34}, {30, 41}, {23, 39}, {21, 50}, {32, 48},
}};
constexpr int kFirstSliceEdge = 8;

// One clockwise quarter turn of a face: position cycle[1] receives what was at
// cycle[0], cycle[2] what was at cycle[1], and so on. Corner twists change by
// +d, −d, +d, −d (mod 3) at the four positions, edge flips by +d (mod 2).
struct FaceCycle {
  std::array<std::uint8_t, 4> corners;
  std::uint8_t cornerTwist;
  std::array<std::uint8_t, 4> edges;
  std::uint8_t edgeFlip;
};
constexpr std::array<FaceCycle, kMoveFaceCount> kFaceCycles = {{
    {{0, 3, 7, 4}, 1, {3, 11, 7, 8}, 1},  // R
    {{2, 1, 5, 6}, 1, {1, 9, 5, 10}, 1},  // L
    {{2, 3, 0, 1}, 0, {2, 3, 0, 1}, 0},   // U
    {{5, 4, 7, 6}, 0, {4, 7, 6, 5}, 0},   // D
    {{1, 0, 4, 5}, 1, {0, 8, 4, 9}, 0},   // F
    {{3, 2, 6, 7}, 1, {2, 10, 6, 11}, 0}, // B
}};

// Phase 2 turns U and D by quarter turns and the four other faces by half turns.
constexpr bool IsQuarterTurnFaceInPhase2(int face) { return face == kU || face == kD; }
constexpr int Phase2TurnCount(int face) { return IsQuarterTurnFaceInPhase2(face) ? 1 : 2; }

}  // namespace twophase
