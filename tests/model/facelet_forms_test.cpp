// The letter facelet text (U R F D L B) against the program's own digits.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/FaceletForms.h"
#include "model/MoveNotation.h"
#include "model/StandardNotation.h"

namespace {

std::string OwnAfter(int order, const std::string& tokens) {
  model::WCube cube;
  cube.Init(order);
  EXPECT_EQ(model::ApplySequence(cube, tokens), 0) << tokens;
  return cube.ExportColours();
}

// Known cubes as other programs print them: the solved cube, single face turns
// and the superflip as commonly published.
TEST(LetterFacelets, KnownCubes) {
  struct Case {
    int order;
    const char* tokens;  // the program's own notation, from solved
    const char* letters;
  };
  const Case cases[] = {
      {3, "", "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB"},
      {3, "R", "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB"},
      {3, "F", "UUUUUULLLURRURRURRFFFFFFFFFRRRDDDDDDLLDLLDLLDBBBBBBBBB"},
      {3, "U", "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB"},
      {3, "U R2 F B R B2 R U2 L B2 R U' D' R2 F R' L B2 U2 F2",
       "UBULURUFURURFRBRDRFUFLFRFDFDFDLDRDBDLULBLFLDLBUBRBLBDB"},
      // Whole-cube turns of odd orders: letters follow the centres.
      {3, "y", "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB"},
      {3, "x R", "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB"},
      {2, "", "UUUURRRRFFFFDDDDLLLLBBBB"},
      {2, "R", "UFUFRRRRFDFDDBDBLLLLUBUB"},
      // Even orders keep the solved cube's scheme, so a whole turn shows.
      {2, "y", "UUUUBBBBRRRRDDDDFFFFLLLL"},
      {4, "", "UUUUUUUUUUUUUUUURRRRRRRRRRRRRRRRFFFFFFFFFFFFFFFFDDDDDDDDDDDDDDDDLLLLLLLLLLLLLLLLBBBBBBBBBBBBBBBB"},
  };
  for (const Case& c : cases) {
    const std::string own = OwnAfter(c.order, c.tokens);
    EXPECT_EQ(model::ToLetterFacelets(own), c.letters) << c.tokens;
    // The letters give the same state back, up to the whole-cube turn the letters drop.
    const auto back = model::FromLetterFacelets(c.letters);
    ASSERT_TRUE(back) << c.tokens;
    EXPECT_EQ(model::ToLetterFacelets(*back), c.letters);
  }
}

// Every order: scrambles with the centres home (the letter form's own frame)
// go to letters and back unchanged, and letters read back into digits.
TEST(LetterFacelets, RoundTripsForEveryOrder) {
  std::mt19937 random(18);
  for (int order = 2; order <= 7; ++order) {
    std::vector<std::string> faceTurns;
    for (const char* t : {"R", "L'", "U2", "D", "F'", "B", "NR", "N3F'"})
      if (model::IsInVocabulary(order, t)) faceTurns.emplace_back(t);
    if (order == 5) faceTurns.pop_back();  // N3F' turns the centre layer there
    for (int trial = 0; trial < 5; ++trial) {
      model::WCube cube;
      cube.Init(order);
      for (int i = 0; i < 40; ++i) model::ApplyCommand(cube, faceTurns[random() % faceTurns.size()], 0, 0, 0);
      const std::string own = cube.ExportColours();
      const std::string letters = model::ToLetterFacelets(own);
      EXPECT_EQ(model::OrderOfLetterFacelets(letters), order);
      EXPECT_EQ(model::FromLetterFacelets(letters), own) << order;
    }
  }
}

TEST(LetterFacelets, RefusesOtherTexts) {
  const std::string solved = "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";
  for (const std::string& text : {solved.substr(1), solved + "U", std::string(54, '0'), "x" + solved.substr(1),
                                  "u" + solved.substr(1), std::string(25, 'U'), std::string()}) {
    EXPECT_FALSE(model::FromLetterFacelets(text)) << text;
    EXPECT_EQ(model::OrderOfLetterFacelets(text), 0) << text;
  }
}

}  // namespace
