#pragma once
// Test helpers: cubes built and checked with the program's cube model, which
// knows nothing of the N×N solver's frame or move codes.
#include <random>
#include <string>

#include "input/Conversions.h"
#include "model/MoveNotation.h"
#include "model/WCube.h"

namespace nxntest {

inline std::string SolvedNet(int order) {
  std::string net;
  for (int f = 0; f < 6; ++f) net += std::string(order * order, static_cast<char>('0' + f));
  return net;
}

// A random state: many random single-layer quarter turns.
inline std::string RandomNet(int order, std::mt19937& rng, int turns = 300) {
  model::WCube cube;
  cube.Init(order);
  for (int i = 0; i < turns; ++i)
    cube.TurnLayer(static_cast<int>(rng() % 3), static_cast<int>(rng() % order), static_cast<int>(rng() % 2), 0, 0, 0);
  return cube.ExportColours();
}

// Applies a solution text (tokens separated by spaces) to the net.
inline std::string Apply(int order, const std::string& net, const std::string& text) {
  model::WCube cube;
  cube.Init(order);
  cube.ImportColours(net);
  const int unknown = model::ApplySequence(cube, text);
  return unknown == 0 ? cube.ExportColours() : std::string("unknown tokens in: ") + text;
}

inline bool IsSolvedNet(const std::string& net) { return input::IsUniform(net); }

// Index of face f (U F R B L D = 0..5), row r, column c in a net.
inline int At(int order, int face, int row, int col) { return face * order * order + row * order + col; }

}  // namespace nxntest
