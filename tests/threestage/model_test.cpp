// The solver's sticker cube, canonical sequences and stored-record format.
#include <gtest/gtest.h>

#include <random>

#include "solvers/threestage/CanonicalSequences.h"
#include "solvers/threestage/CubePieces.h"
#include "solvers/threestage/MoveSequences.h"
#include "solvers/threestage/SequenceRecord.h"
#include "solvers/threestage/StickerCube.h"
#include "tests/threestage/FaceletOracle.h"

namespace threestage {
namespace {

using threestage_test::Colours;

Colours ColoursOf(const State& s) {
  Colours c{};
  for (int i = 0; i < kStickerCount; ++i) c[s[i]] = static_cast<std::uint8_t>(i / 9);
  return c;
}

TEST(StickerCube, EveryTurnMatchesTheFaceletModel) {
  for (int code = 0; code < kTurnCodes; ++code) {
    State s = SolvedState();
    ApplyTurn(s, code);
    Colours expected = threestage_test::SolvedColours();
    threestage_test::TurnFace(expected, TurnFace(code), TurnAmount(code));
    EXPECT_EQ(ColoursOf(s), expected) << "turn code " << code;
  }
}

TEST(StickerCube, RotationsRebuildTheSameCube) {
  // Seen after any whole-cube rotation, a turned cube is the re-lettered turn.
  std::mt19937 random(7);
  for (int r = 0; r < kRotationCount; ++r) {
    State s = SolvedState(), expected = SolvedState();
    for (int i = 0; i < 20; ++i) {
      const int code = static_cast<int>(random() % kTurnCodes);
      ApplyTurn(s, code);
      ApplyTurn(expected, TurnCode(RotationFaceMap(r)[TurnFace(code)], TurnAmount(code)));
    }
    EXPECT_EQ(RotatedState(s, r), expected) << "rotation " << r;
    EXPECT_EQ(ComposeRotations(r, InverseRotation(r)), RotationIndex(0, 0, 0));
  }
}

TEST(StickerCube, ReadColoursRefusesImpossibleCubes) {
  const Colours solved = threestage_test::SolvedColours();
  State s{};
  ASSERT_TRUE(ReadColours(solved, s));
  EXPECT_EQ(s, SolvedState());
  struct Case {
    const char* what;
    std::array<std::pair<int, int>, 3> swaps;  // sticker positions exchanged
  };
  const Case cases[] = {
      {"twisted corner", {{{8, 9 + 2}, {9 + 2, 18}, {0, 0}}}},  // UFR corner turned in place
      {"flipped edge", {{{7, 10}, {0, 0}, {0, 0}}}},
      {"two edges swapped", {{{7, 5}, {10, 19}, {0, 0}}}},
      {"two centres alike", {{{4, 4}, {0, 0}, {0, 0}}}},
  };
  for (const Case& c : cases) {
    Colours bad = solved;
    for (auto [a, b] : c.swaps) std::swap(bad[a], bad[b]);
    if (std::string(c.what) == "two centres alike") bad[13] = bad[4];
    EXPECT_FALSE(ReadColours(bad, s)) << c.what;
  }
  Colours strange = solved;
  strange[0] = 9;  // a colour no centre has
  EXPECT_FALSE(ReadColours(strange, s));
}

TEST(CanonicalSequences, CountsAndListsAgree) {
  const std::uint64_t expected[] = {1, 18, 243, 3240, 43254, 577368};
  for (int length = 0; length <= kCodeBookLength; ++length) {
    EXPECT_EQ(CanonicalCount(length), expected[length]);
    const Moves list = CanonicalList(length);
    ASSERT_EQ(list.size(), expected[length] * length);
    for (std::uint64_t i = 0; i < expected[length]; i += length == 5 ? 997 : 1) {
      const std::uint8_t* seq = list.data() + i * length;
      EXPECT_EQ(CanonicalRank(seq, length), i);
      std::array<std::uint8_t, 5> back{};
      CanonicalUnrank(i, length, back.data());
      EXPECT_TRUE(std::equal(seq, seq + length, back.begin()));
      EXPECT_TRUE(IsCanonical(Moves(seq, seq + length)));
    }
  }
  // First move over R U F L D B, later ones over R L U D F B.
  const Moves two = CanonicalList(2);
  EXPECT_EQ(TurnFace(two[1]), kL);  // R then L comes first
  EXPECT_EQ(TurnFace(two[3 * 2 + 1]), kU);
}

TEST(SequenceRecord, SizesFollowTheFormat) {
  const int f2l[] = {1, 2, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7};
  const int ll[] = {1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7, 7, 8, 8, 9};
  for (int n = 0; n <= 12; ++n) EXPECT_EQ(RecordBytes(kF2LRecords, n), f2l[n]) << n;
  for (int n = 0; n <= 16; ++n) EXPECT_EQ(RecordBytes(kLastLayerRecords, n), ll[n]) << n;
}

TEST(SequenceRecord, RoundTripsRandomSequences) {
  std::mt19937 random(11);
  for (const RecordFormat& format : {kF2LRecords, kLastLayerRecords}) {
    std::vector<std::uint8_t> bytes;
    std::vector<Moves> written;
    for (int i = 0; i < 500; ++i) {
      Moves m;
      const int length = static_cast<int>(random() % (format.maxLength + 1));
      while (static_cast<int>(m.size()) < length) {
        const int code = static_cast<int>(random() % kTurnCodes);
        if (FollowsCanonically(m.empty() ? -1 : TurnFace(m.back()), TurnFace(code)))
          m.push_back(static_cast<std::uint8_t>(code));
      }
      ASSERT_TRUE(AppendRecord(format, m, bytes));
      written.push_back(m);
    }
    size_t at = 0;
    for (const Moves& m : written) {
      Moves read;
      const size_t used = ReadRecord(format, bytes.data() + at, bytes.size() - at, read);
      ASSERT_EQ(used, static_cast<size_t>(RecordBytes(format, static_cast<int>(m.size()))));
      EXPECT_EQ(read, m);
      at += used;
    }
    EXPECT_EQ(at, bytes.size());
    Moves tooLong(static_cast<size_t>(format.maxLength + 1), 0);
    for (size_t i = 1; i < tooLong.size(); i += 2) tooLong[i] = TurnCode(kU, 1);
    EXPECT_FALSE(AppendRecord(format, tooLong, bytes));
    EXPECT_FALSE(AppendRecord(format, Moves{0, 1}, bytes));  // R R' is not canonical
  }
  // A record cut short is refused.
  std::vector<std::uint8_t> bytes;
  AppendRecord(kLastLayerRecords, Moves{0, 3, 6, 9}, bytes);
  Moves read;
  EXPECT_EQ(ReadRecord(kLastLayerRecords, bytes.data(), bytes.size() - 1, read), 0u);
}

TEST(MoveSequences, SimplifyMergesAndOrders) {
  struct Case {
    Moves in, out;
  };
  const int R = TurnCode(kR, 1), R2 = TurnCode(kR, 2), Ri = TurnCode(kR, 3), L = TurnCode(kL, 1), U = TurnCode(kU, 1);
  const Case cases[] = {
      {{static_cast<std::uint8_t>(R), static_cast<std::uint8_t>(Ri)}, {}},
      {{static_cast<std::uint8_t>(R), static_cast<std::uint8_t>(R)}, {static_cast<std::uint8_t>(R2)}},
      {{static_cast<std::uint8_t>(L), static_cast<std::uint8_t>(R)}, {static_cast<std::uint8_t>(R), static_cast<std::uint8_t>(L)}},
      {{static_cast<std::uint8_t>(R), static_cast<std::uint8_t>(L), static_cast<std::uint8_t>(Ri)}, {static_cast<std::uint8_t>(L)}},
      {{static_cast<std::uint8_t>(U), static_cast<std::uint8_t>(R), static_cast<std::uint8_t>(Ri), static_cast<std::uint8_t>(U)},
       {static_cast<std::uint8_t>(TurnCode(kU, 2))}},
  };
  for (const Case& c : cases) {
    Moves m = c.in;
    Simplify(m);
    EXPECT_EQ(m, c.out);
  }
}

}  // namespace
}  // namespace threestage
