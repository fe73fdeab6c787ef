#pragma once
// One recorded single-layer quarter turn; the cube's history is a list of them
// and its length is the move count shown to the user. 12 bytes, as stored in
// the session file.
#include <cstdint>

namespace model {

struct TurnRecord {
  std::int32_t axis = 0;   // 0 X, 1 Y, 2 Z
  std::int32_t layer = 0;  // 0 .. N-1 from the negative side
  std::int32_t dir = 0;    // 1 = +90° about the positive axis, 0 = -90°

  friend bool operator==(const TurnRecord&, const TurnRecord&) = default;
};
static_assert(sizeof(TurnRecord) == 12);

}  // namespace model
