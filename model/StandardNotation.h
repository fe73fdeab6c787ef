#pragma once
// The move notation other cube programs speak, beside the program's own:
// face turns R U' F2, wide turns Rw (two layers) or 3Rw (three), inner slices
// 2R 3R (the k-th layer from a face), M E S on the 3×3×3 and the rotations
// x y z. Lower-case r = Rw and 3r = 3Rw as most programs read them — unlike the
// program's own r, which on orders 4 to 7 is the second layer alone.
//
// Every token of either notation turns contiguous blocks of layers about one
// axis; both are converted through those blocks. Half turns come out as "2":
// the state does not depend on their direction.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/WCube.h"

namespace model {

// Layers first .. first+count−1 about the axis turned together, a quarter turn
// in `dir` (1 = +90° about the axis, 0 = −90°) or a half turn.
struct LayerBlock {
  int axis = 0;
  int first = 0;
  int count = 1;
  int dir = 0;
  int quarters = 1;  // 1 or 2
  friend bool operator==(const LayerBlock&, const LayerBlock&) = default;
};

// The blocks a token of the program's notation turns, in order; nothing when
// the order has no such token.
std::optional<std::vector<LayerBlock>> BlocksOfToken(int order, const std::string& token);

// The standard tokens of a block (an inner block of several layers is named
// slice by slice).
std::vector<std::string> StandardTokensOf(int order, const LayerBlock& block);

// The standard text of a sequence of the program's tokens, space separated.
// Tokens outside the order's vocabulary (log markers, notes) are left out, as
// the move log's playback passes over them.
std::string ToStandardText(int order, const std::vector<std::string>& tokens);

// One standard token read for a cube of the order; nothing when it is not one
// (or names a layer the order does not have).
std::optional<LayerBlock> ReadStandardToken(int order, std::string_view token);

// Standard tokens separated by white space; nothing when any token is not one,
// with the first such token in `bad` when given.
std::optional<std::vector<LayerBlock>> ReadStandardText(int order, std::string_view text,
                                                        std::string* bad = nullptr);

// Tokens of the program's notation that turn the block: one token where the
// vocabulary has one, else one per layer.
std::vector<std::string> ProgramTokensOf(int order, const LayerBlock& block);

// Turns the cube by the block; a single layer is recorded when `record` is set,
// as the program's own tokens do.
void ApplyBlock(WCube& cube, const LayerBlock& block, int animate, int record, int sound);

}  // namespace model
