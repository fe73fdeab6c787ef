#pragma once
// Test support: a 3×3×3 facelet cube in the program's facelet text (faces U F R
// B L D, colours '0'..'5'), turned by rotating each sticker's position and normal
// in space. Independent of the solver's own tables, so it can check them.
#include <random>
#include <string>

namespace twophase_test {

inline const std::string kSolvedNet = "000000000111111111222222222333333333444444444555555555";

// Applies whitespace-separated moves: R L U D F B and whole-cube x y z, each
// optionally followed by 2 or '. Returns false on an unknown token.
bool ApplyMoves(std::string& net, const std::string& moves);
std::string Turned(const std::string& net, const std::string& moves);  // asserts validity

// n random face turns (no face twice in a row), as move text.
std::string RandomFaceTurns(std::mt19937& rng, int n);
bool IsSolvedNet(const std::string& net);

}  // namespace twophase_test
