#pragma once
// An independent model of the cube and the notation for the tests: every
// surface sticker is a point with an outward normal, an "up" direction for its
// picture and a colour, and a turn rotates the points by integer rotation
// matrices. Tokens are parsed here from their spelling, not taken from the
// program's vocabulary table.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace oracle {

using Int3 = std::array<int, 3>;

struct Sticker {
  Int3 position;  // doubled coordinates: the cube spans -N..N
  Int3 normal;
  Int3 up;
  int colour;
};

struct Quarter {
  int axis;
  std::vector<int> layers;  // 0..N-1 from the negative side
  int dir;                  // 1 = +90° about the positive axis
};

struct Move {
  Quarter quarter;
  int times;        // 1, or 2 for a half turn
  bool recorded;    // a single-layer turn that goes into the history
};

// The meaning of a token on a cube of the order, or nothing when the order has no such token.
std::optional<Move> Parse(const std::string& token, int order);

class StickerCube {
 public:
  explicit StickerCube(int order);
  void Turn(const Quarter& quarter);
  // Applies a parsed token; returns false (and changes nothing) for an unknown one.
  bool Apply(const std::string& token);
  std::string Colours() const;       // facelet text
  std::string StickerTurns() const;  // quarter turns of each picture, same layout
  int MoveCount() const { return static_cast<int>(records_.size()); }
  const std::vector<std::array<int, 3>>& Records() const { return records_; }

 private:
  const Sticker& At(const Int3& position, const Int3& normal) const;
  template <typename Value>
  std::string Facelets(Value value) const;
  int order_;
  std::vector<Sticker> stickers_;
  std::vector<std::array<int, 3>> records_;  // axis, layer, dir
};

// Every spelling the tests try: all stems the notation could plausibly have,
// with all suffixes and a few malformed ones; most are invalid for most orders.
std::vector<std::string> CandidateTokens();

}  // namespace oracle
