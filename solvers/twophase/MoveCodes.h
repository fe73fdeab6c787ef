#pragma once
// Moves in the solver's reports: code = 6 × count + k with k = 0 R, 1 L, 2 B,
// 3 F, 4 U, 5 D and count 1–3 quarter turns, so codes run 6..23.
#include <cstdint>
#include <string>

namespace twophase {

std::uint8_t MoveCode(int face, int count);  // move face 0..5 (R L U D F B), count 1..3
std::uint8_t InverseMoveCode(std::uint8_t code);
const char* MoveName(std::uint8_t code);  // "R", "R2", "R'", …

// Names one after the other: a space between two names, or "\r\n" when the
// current line already holds 70 characters or more.
std::string FormatSolution(const std::uint8_t* codes, int length);
// Names separated by single spaces.
std::string JoinMoves(const std::uint8_t* codes, int length);

}  // namespace twophase
