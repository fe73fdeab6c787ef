#include <gtest/gtest.h>

#include "model/Scrambler.h"

namespace {

TEST(Scrambler, GeneratorFirstValues) {
  // The classic C runtime generator: seed 1 gives 41, 18467, 6334, 26500, 19169.
  scramble::ScrambleRandom random(1);
  const int expected[] = {41, 18467, 6334, 26500, 19169};
  for (int value : expected) EXPECT_EQ(random.Draw(), value);
}

TEST(Scrambler, SameSeedSameTurns) {
  EXPECT_EQ(scramble::ScrambleTurns(5, 200, true, 1234), scramble::ScrambleTurns(5, 200, true, 1234));
  EXPECT_NE(scramble::ScrambleTurns(5, 200, true, 1234), scramble::ScrambleTurns(5, 200, true, 1235));
}

TEST(Scrambler, NoTurnUndoesThePreviousOneAndTheCentreStaysWhenKept) {
  for (int order = 2; order <= 7; ++order) {
    for (bool keep : {false, true}) {
      for (std::uint32_t seed : {0u, 1u, 99u, 1700000000u}) {
        const auto turns = scramble::ScrambleTurns(order, 2000, keep, seed);
        bool sawCentre = false, sawRepeat = false;
        for (size_t i = 0; i < turns.size(); ++i) {
          const auto& t = turns[i];
          ASSERT_GE(t.layer, 0);
          ASSERT_LT(t.layer, order);
          ASSERT_TRUE(t.axis >= 0 && t.axis < 3 && (t.dir == 0 || t.dir == 1));
          if (order % 2 == 1 && t.layer == (order - 1) / 2) sawCentre = true;
          if (i == 0) continue;
          const auto& p = turns[i - 1];
          const bool sameLayer = p.axis == t.axis && p.layer == t.layer;
          ASSERT_FALSE(sameLayer && p.dir != t.dir) << "order " << order << " turn " << i;
          if (sameLayer) sawRepeat = true;
        }
        if (order % 2 == 1) {
          EXPECT_EQ(sawCentre, !keep) << order;
        }
        EXPECT_TRUE(sawRepeat) << "two equal consecutive turns are allowed";
      }
    }
  }
}

TEST(Scrambler, EveryLayerIsEligibleOnEvenOrders) {
  for (int order : {2, 4, 6}) {
    std::vector<bool> seen(order, false);
    for (const auto& t : scramble::ScrambleTurns(order, 3000, true, 7)) seen[t.layer] = true;
    for (int layer = 0; layer < order; ++layer) EXPECT_TRUE(seen[layer]) << order << " " << layer;
  }
}

TEST(Scrambler, FinalSoundAxis) {
  EXPECT_EQ(scramble::FinalSoundAxis({}, false), 0);
  EXPECT_EQ(scramble::FinalSoundAxis({}, true), 1);
  EXPECT_EQ(scramble::FinalSoundAxis({{2, 0, 1}}, false), 2);
}

}  // namespace
