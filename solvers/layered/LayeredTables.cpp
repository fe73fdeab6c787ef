#include "solvers/layered/LayeredTables.h"

#include <string_view>

namespace layered {

namespace {

constexpr std::string_view kFaceLetters = "UFRLBD";  // face object order

// "B2" → {kB, 2}
constexpr StickerRef Ref(std::string_view name) {
  return {static_cast<int>(kFaceLetters.find(name[0])), name[1] - '0'};
}

template <size_t N>
constexpr std::array<StickerRef, N> Refs(const std::array<std::string_view, N>& names) {
  std::array<StickerRef, N> out{};
  for (size_t i = 0; i < N; ++i) out[i] = Ref(names[i]);
  return out;
}

using RingNames = std::array<std::string_view, 12>;
// Indexed by face object (U F R L B D).
const std::array<std::array<StickerRef, 12>, 6> kRings = {
    Refs(RingNames{"B2", "B1", "B0", "R2", "R1", "R0", "F2", "F1", "F0", "L2", "L1", "L0"}),  // U
    Refs(RingNames{"U6", "U7", "U8", "R0", "R3", "R6", "D2", "D1", "D0", "L8", "L5", "L2"}),  // F
    Refs(RingNames{"U8", "U5", "U2", "B0", "B3", "B6", "D8", "D5", "D2", "F8", "F5", "F2"}),  // R
    Refs(RingNames{"U0", "U3", "U6", "F0", "F3", "F6", "D0", "D3", "D6", "B8", "B5", "B2"}),  // L
    Refs(RingNames{"U2", "U1", "U0", "L0", "L3", "L6", "D6", "D7", "D8", "R8", "R5", "R2"}),  // B
    Refs(RingNames{"F6", "F7", "F8", "R6", "R7", "R8", "B6", "B7", "B8", "L6", "L7", "L8"}),  // D
};

using EdgeNames = std::array<std::string_view, 2>;
const std::array<std::array<StickerRef, 2>, 12> kEdges = {
    Refs(EdgeNames{"U7", "F1"}), Refs(EdgeNames{"U1", "B1"}), Refs(EdgeNames{"U5", "R1"}),
    Refs(EdgeNames{"U3", "L1"}), Refs(EdgeNames{"F5", "R3"}), Refs(EdgeNames{"F7", "D1"}),
    Refs(EdgeNames{"F3", "L5"}), Refs(EdgeNames{"D5", "R7"}), Refs(EdgeNames{"D7", "B7"}),
    Refs(EdgeNames{"D3", "L7"}), Refs(EdgeNames{"B5", "L3"}), Refs(EdgeNames{"B3", "R5"}),
};

using CornerNames = std::array<std::string_view, 3>;
const std::array<std::array<StickerRef, 3>, 8> kCorners = {
    Refs(CornerNames{"U6", "F0", "L2"}), Refs(CornerNames{"U8", "F2", "R0"}),
    Refs(CornerNames{"U2", "B0", "R2"}), Refs(CornerNames{"U0", "B2", "L0"}),
    Refs(CornerNames{"D2", "F8", "R6"}), Refs(CornerNames{"D0", "F6", "L8"}),
    Refs(CornerNames{"D6", "B8", "L6"}), Refs(CornerNames{"D8", "B6", "R8"}),
};

// Case tables with rows and columns in the order U F R B L D.
constexpr std::string_view kTableOrder = "UFRBLD";
using CaseTable = std::array<std::array<const char*, 6>, 6>;
constexpr const char* kNone = nullptr;

const CaseTable kCross = {{
    {kNone, "", "R+.U-.R-.U+.", "B-.U+.U+.B+.U+.U+.", "L-.U+.L+.U-.", kNone},
    {"F-.U+.L-.U-.", kNone, "U-.R+.U+.", kNone, "U+.L-.U-.", "F-.U-.R+.U+."},
    {"R-.F-.", "F-.", kNone, "U+.U+.B+.U+.U+.", kNone, "R+.F-.R-."},
    {"B-.U-.R-.U+.", kNone, "U-.R-.U+.", kNone, "U+.L+.U-.", "D-.R+.F-.R-."},
    {"L+.F+.", "F+.", kNone, "L+.L+.F+.L+.L+.", kNone, "L-.F+.L+."},
    {kNone, "F+.F+.", "D-.F+.F+.", "D+.D+.F+.F+.", "D+.F+.F+.", kNone},
}};

const CaseTable kTopCorner = {{
    {kNone, "", "B-.D+.B+.F+.D-.F-.", "L-.R-.D+.D+.R+.L+.", "L+.D-.L-.R-.D+.R+.", kNone},
    {"F-.D-.F+.F+.D+.D+.F-.", kNone, "F+.D+.F-.D+.D+.R-.D+.R+.", kNone, "D+.D+.F+.D-.F-.",
     "D-.R-.D+.R+."},
    {"R-.D-.R+.D+.D+.F+.D-.F-.", "D+.F+.D-.F-.", kNone, "R+.D+.D+.R+.R+.D+.R+.", kNone,
     "D+.D+.R-.D+.R+."},
    {"B-.F+.D-.F-.B+.", kNone, "F+.D-.F-.", kNone, "B+.D+.B-.R-.D+.R+.", "R-.D+.D+.R+."},
    {"L-.D-.L+.F+.D-.F-.", "L+.D+.L-.D-.R-.D+.R+.", kNone, "F+.D+.D+.F-.", kNone, "R-.D+.R+."},
    {kNone, "D+.R-.D+.R+.F+.D+.D+.F-.", "R-.D+.R+.F+.D+.D+.F-.", "D-.R-.D+.R+.F+.D+.D+.F-.",
     "D+.D+.R-.D+.R+.F+.D+.D+.F-.", kNone},
}};

const char* Lookup(const CaseTable& table, int p, int q) {
  if (p < 0 || q < 0) return kNone;
  const size_t row = kTableOrder.find(kFaceLetters[p]);
  const size_t col = kTableOrder.find(kFaceLetters[q]);
  return table[row][col];
}

}  // namespace

int FaceOfLetter(char letter) {
  const size_t at = kFaceLetters.find(letter);
  return at == std::string_view::npos ? kNoFace : static_cast<int>(at);
}

const std::array<StickerRef, 12>& Ring(int face) { return kRings[face]; }
const std::array<std::array<StickerRef, 2>, 12>& EdgePositions() { return kEdges; }
const std::array<std::array<StickerRef, 3>, 8>& CornerPositions() { return kCorners; }
const char* CrossAlgorithm(int p, int q) { return Lookup(kCross, p, q); }
const char* TopCornerAlgorithm(int p, int q) { return Lookup(kTopCorner, p, q); }

}  // namespace layered
