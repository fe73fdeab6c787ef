// The six steps of the layer-by-layer method. Each of the first three ends
// every iteration with "Y+.", so four iterations bring the cube back round.
#include <array>
#include <bitset>

#include "solvers/layered/CubeSolver.h"
#include "solvers/layered/LayeredTables.h"

namespace layered {

namespace {

// Last-layer phases give up after this many passes.
constexpr int kMaxPasses = 11;
// A search for a matching case by turning the cube stops after a full round.
constexpr int kMaxQuarterRounds = 4;

int BitCount(int flags) { return static_cast<int>(std::bitset<16>(static_cast<unsigned>(flags)).count()); }

bool Has(int flags, int bits) { return (flags & bits) == bits; }

// Bits of a D-layer piece by which piece it is (rows F R B L) and the side it
// sits at (columns F R L B); 0 = home.
constexpr std::array<std::array<int, 4>, 4> kBottomFlags = {{
    {0, 0x20, 0x40, 0x400},
    {0x1, 0, 0x80, 0x800},
    {0x4, 0x8, 0x100, 0},
    {0x2, 0x10, 0, 0x200},
}};
// Column of kBottomFlags for a side face.
int SideColumn(int face) {
  switch (face) {
    case kF: return 0;
    case kR: return 1;
    case kL: return 2;
    case kB: return 3;
    default: return -1;
  }
}

// D-layer corner slots (indices into the corner table) and their side faces:
// DFR, DBR, DBL, DFL — the pieces of kBottomFlags' rows F R B L.
constexpr std::array<int, 4> kBottomCornerSlots = {4, 7, 6, 5};
constexpr std::array<std::array<int, 2>, 4> kBottomCornerSides = {{{kF, kR}, {kB, kR}, {kB, kL}, {kF, kL}}};
// kBottomFlags columns of the slots DFR, DBR, DFL, DBL.
int CornerColumn(int slot) {
  switch (slot) {
    case 4: return 0;  // DFR
    case 7: return 1;  // DBR
    case 5: return 2;  // DFL
    case 6: return 3;  // DBL
    default: return -1;
  }
}
// Twist bits by slot: DFR 1, DBR 2, DBL 4, DFL 8.
int TwistBit(int slot) {
  switch (slot) {
    case 4: return 1;
    case 7: return 2;
    case 6: return 4;
    case 5: return 8;
    default: return 0;
  }
}

constexpr const char* kTwistAll =
    "B+.L+.B-.L-.D+.D+.R-.B+.B+.R+.B-.R-.B+.B+.R+.B-.D+.D+.";

}  // namespace

bool CCubeSolver::RunSteps() {
  SolveCross();
  SolveTopCorners();
  SolveMiddleEdges();
  return OrientBottomEdges() && PlaceBottomEdges() && TwistBottomCorners() &&
         PlaceBottomCorners();
}

void CCubeSolver::SolveCross() {
  for (int i = 0; i < 4; ++i) {
    const int p = EdgeFace(Centre(kU), Centre(kF));
    const int q = EdgeFace(Centre(kF), Centre(kU));
    if (const char* algorithm = CrossAlgorithm(p, q)) Append(algorithm);
    Append("Y+.");
  }
  Append("[1]");
}

void CCubeSolver::SolveTopCorners() {
  for (int i = 0; i < 4; ++i) {
    const int p = CornerFace(Centre(kU), Centre(kF), Centre(kR));
    const int q = CornerFace(Centre(kF), Centre(kU), Centre(kR));
    if (const char* algorithm = TopCornerAlgorithm(p, q)) Append(algorithm);
    Append("Y+.");
  }
  Append("[2]");
}

void CCubeSolver::SolveMiddleEdges() {
  auto same = [](int p, int q, int a, int b) { return (p == a && q == b) || (p == b && q == a); };
  for (int i = 0; i < 4; ++i) {
    int p = EdgeFace(Centre(kF), Centre(kR));
    int q = EdgeFace(Centre(kR), Centre(kF));
    // Take the piece out of a wrong middle slot (or its own, flipped).
    if (same(p, q, kL, kB)) Append("B+.D-.B-.D-.L-.D+.L+.");
    else if (same(p, q, kL, kF)) Append("L+.D-.L-.D-.F-.D+.F+.");
    else if (same(p, q, kR, kB)) Append("B-.D+.B+.D+.R+.D-.R-.");
    else if (p == kR && q == kF) Append("R-.D+.R+.D+.F+.D-.F-.");
    p = EdgeFace(Centre(kF), Centre(kR));
    q = EdgeFace(Centre(kR), Centre(kF));
    if (p == kD) {
      if (q == kR) Append("D+.");
      else if (q == kF) Append("D+.D+.");
      else if (q == kL) Append("D-.");
      Append("F+.D-.F-.D-.R-.D+.R+.");
    } else if (q == kD) {
      if (p == kR) Append("D+.D+.");
      else if (p == kF) Append("D-.");
      else if (p == kB) Append("D+.");
      Append("R-.D+.R+.D+.F+.D-.F-.");
    }
    Append("Y+.");
  }
  Append("[3]");
}

bool CCubeSolver::OrientBottomEdges() {
  // D stickers 1, 5, 7, 3 showing the D colour set flags 1, 2, 4, 8.
  static constexpr std::array<std::array<int, 2>, 4> kStickerFlag = {{{1, 1}, {5, 2}, {7, 4}, {3, 8}}};
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    int flags = 0;
    for (const auto& [index, flag] : kStickerFlag)
      if (faces_[kD][index] == Centre(kD)) flags |= flag;
    const int count = BitCount(flags);
    if (count == 4) {
      Append("[4]");
      return true;
    }
    if (count <= 1) {
      Append("F+.D+.L+.D-.L-.F-.");
      continue;
    }
    switch (flags) {
      case 3: Append("Y+.F+.D+.L+.D-.L-.F-."); break;
      case 5: Append("Y+.F+.L+.D+.L-.D-.F-."); break;
      case 6: Append("F+.D+.L+.D-.L-.F-."); break;
      case 9: Append("Y+.Y+.F+.D+.L+.D-.L-.F-."); break;
      case 10: Append("F+.L+.D+.L-.D-.F-."); break;
      case 12: Append("Y+.Y+.Y+.F+.D+.L+.D-.L-.F-."); break;
      default: break;
    }
  }
  Append("(4)");
  return false;
}

int CCubeSolver::BottomEdgeFlags(int* misplaced) const {
  static constexpr std::array<int, 4> kPieces = {kF, kR, kB, kL};  // rows of kBottomFlags
  int flags = 0;
  *misplaced = 0;
  for (size_t row = 0; row < kPieces.size(); ++row) {
    const int at = SideColumn(EdgeFace(Centre(kPieces[row]), Centre(kD)));
    if (at < 0) {
      ++*misplaced;  // not a D-layer side: only on colourings no real cube has
      continue;
    }
    const int bit = kBottomFlags[row][at];
    if (bit) ++*misplaced;
    flags |= bit;
  }
  return flags;
}

bool CCubeSolver::PlaceBottomEdges() {
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    int n = 0;
    int flags = BottomEdgeFlags(&n);
    if (n == 0) {
      Append("[5]");
      return true;
    }
    if (n == 4) {
      Append("D+.");
    } else if (n == 3) {
      for (int turn = 0; turn <= kMaxQuarterRounds; ++turn) {
        if (Has(flags, 0x10 | 0x40 | 0x1)) {
          Append("F+.F+.D+.R+.L-.F+.F+.R-.L+.D+.F+.F+.");
          break;
        }
        if (Has(flags, 0x80 | 0x20 | 0x2)) {
          Append("F+.F+.D-.R+.L-.F+.F+.R-.L+.D-.F+.F+.");
          break;
        }
        if (turn == kMaxQuarterRounds) break;  // no case fits: let the pass limit end it
        Append("Y+.");
        flags = BottomEdgeFlags(&n);
      }
    } else if (n == 2) {
      for (int turn = 0; turn <= kMaxQuarterRounds; ++turn) {
        if (Has(flags, 0x20)) {
          Append("D+.L-.D+.D+.L+.D+.L-.D+.L+.");
          break;
        }
        if (Has(flags, 0x4)) {
          Append("L-.D+.D+.L+.D+.L-.D+.L+.D-.L-.D+.D+.L+.D+.L-.D+.L+.");
          break;
        }
        if (turn == kMaxQuarterRounds) break;
        Append("Y+.");
        flags = BottomEdgeFlags(&n);
      }
    }
  }
  Append("(5)");
  return false;
}

bool CCubeSolver::TwistBottomCorners() {
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    int n = 0, flags = 0;
    for (size_t piece = 0; piece < kBottomCornerSides.size(); ++piece) {
      const auto [side1, side2] = kBottomCornerSides[piece];
      const int dFace = CornerFace(Centre(kD), Centre(side1), Centre(side2));
      if (dFace == kD) continue;
      ++n;
      flags |= TwistBit(CornerSlot(Centre(kD), Centre(side1), Centre(side2)));
    }
    if (n == 0) {
      Append("[6]");
      return true;
    }
    if (n >= 4) Append(kTwistAll);
    else if (n == 3) Append(flags == 13 ? kTwistAll : "Y+.");
    else if (n == 2 && flags == 3) Append("D+.L+.D-.L-.D+.L+.D-.R-.D+.L-.D-.L+.D+.L-.D-.R+.");
    else if (n == 2 && flags == 10) Append("B+.L-.U+.U+.L+.B-.D+.D+.B+.L-.U+.U+.L+.B-.D+.D+.");
    else if (n == 2) Append("Y+.");
  }
  Append("(6)");
  return false;
}

int CCubeSolver::BottomCornerPlaceFlags(int* misplaced) const {
  int flags = 0;
  *misplaced = 0;
  for (size_t row = 0; row < kBottomCornerSides.size(); ++row) {
    const auto [side1, side2] = kBottomCornerSides[row];
    const int at = CornerColumn(CornerSlot(Centre(kD), Centre(side1), Centre(side2)));
    if (at < 0) {
      ++*misplaced;
      continue;
    }
    const int bit = kBottomFlags[row][at];
    if (bit) ++*misplaced;
    flags |= bit;
  }
  return flags;
}

bool CCubeSolver::PlaceBottomCorners() {
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    int n = 0;
    const int flags = BottomCornerPlaceFlags(&n);
    if (n == 0) return true;
    if (n == 4) {
      if (Has(flags, 0x80 | 0x4))
        Append("L+.L+.R+.R+.U+.L+.L+.R+.R+.D+.D+.L+.L+.R+.R+.U+.L+.L+.R+.R+.D+.D+.");
      else if (Has(flags, 0x40 | 0x800))
        Append("F+.L-.F-.R+.F+.L+.F-.R+.R+.B-.L+.B+.R+.B-.L-.B+.");
      else
        Append("Y+.");
    } else if (n == 3) {
      if (Has(flags, 0x80 | 0x8 | 0x200)) Append("L-.F+.L-.B+.B+.L+.F-.L-.B+.B+.L+.L+.");
      else if (Has(flags, 0x100 | 0x800 | 0x10)) Append("L+.L+.B+.B+.L+.F+.L-.B+.B+.L+.F-.L+.");
      else Append("Y+.");
    }
  }
  Append("(6)");
  return false;
}

}  // namespace layered
