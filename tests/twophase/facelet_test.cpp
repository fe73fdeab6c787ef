#include <gtest/gtest.h>

#include "FaceletModel.h"
#include "input/Conversions.h"
#include "solvers/twophase/KFacelet.h"
#include "solvers/twophase/KubeFacelets.h"

namespace {

using namespace twophase;
using twophase_test::kSolvedNet;
using twophase_test::Turned;

int CodeOf(const std::string& labelled) {
  KFacelet facelets(labelled);
  return facelets.Validate();
}

std::string Swapped(std::string net, std::size_t i, std::size_t j) {
  const char keep = net.at(i);
  net.at(i) = net.at(j);
  net.at(j) = keep;
  return net;
}
// Net positions (faces U F R B L D): UFR corner U 8, F 2, R 0; UF edge U 7, F 1;
// UR edge U 5, R 1.
std::string CornerTwisted(std::string net) {
  const char u = net[8], f = net[11], r = net[18];
  net[8] = r;
  net[11] = u;
  net[18] = f;
  return net;
}

struct ValidationCase {
  const char* what;
  std::string labelled;
  int code;
};

TEST(KFacelet, ValidationCodes) {
  const std::string scrambled = Turned(kSolvedNet, "R U F' L2 D B' R2 U'");
  std::string unknown = kSolvedNet;
  unknown[0] = '9';
  std::string sameCentres = kSolvedNet;
  sameCentres[13] = '0';  // F centre takes the U colour
  std::string tenOfOne = kSolvedNet;
  tenOfOne[0] = '1';
  const ValidationCase cases[] = {
      {"solved", input::ToLabelledFaces(kSolvedNet), kFaceletsOk},
      {"scrambled", input::ToLabelledFaces(scrambled), kFaceletsOk},
      {"empty text", "", kSameCentres},
      {"ten characters", "U:00000000", kSameCentres},
      {"no labels", std::string(80, 'Y'), kSameCentres},
      {"same centres, every other check fails too", input::ToLabelledFaces(sameCentres), kSameCentres},
      {"unknown colour", input::ToLabelledFaces(unknown), kUnknownColour},
      {"ten of one colour", input::ToLabelledFaces(tenOfOne), kWrongColourCount},
      {"corner twisted in place", input::ToLabelledFaces(CornerTwisted(scrambled)), kTwistedCorner},
      {"edge flipped", input::ToLabelledFaces(Swapped(scrambled, 7, 10)), kFlippedEdge},
      {"two edges swapped", input::ToLabelledFaces(Swapped(Swapped(kSolvedNet, 7, 5), 10, 19)), kParity},
      // U and D stickers of the UFR and DFR corners swapped: the colours read mirrored.
      {"corner of no cube", input::ToLabelledFaces(Swapped(kSolvedNet, 8, 47)), kBadCorner},
  };
  for (const auto& c : cases) EXPECT_EQ(CodeOf(c.labelled), c.code) << c.what << ": " << c.labelled;
}

TEST(KFacelet, GroupsInAnyOrder) {
  const std::string net = Turned(kSolvedNet, "F R' D2 L B U'");
  const std::string labelled = input::ToLabelledFaces(net);  // L F R B U D
  // Reorder to U D L R F B and to D B L U F R; each group is 11 characters plus a space.
  auto group = [&](char face) { return labelled.substr(labelled.find(std::string(1, face) + ":"), 11); };
  const std::string inUDLRFB = group('U') + " " + group('D') + " " + group('L') + " " + group('R') + " " +
                               group('F') + " " + group('B');
  const std::string packed = group('D') + group('B') + group('L') + group('U') + group('F') + group('R');
  KFacelet a(labelled), b(inUDLRFB), c(packed);
  ASSERT_EQ(a.Validate(), kFaceletsOk);
  ASSERT_EQ(b.Validate(), kFaceletsOk);
  ASSERT_EQ(c.Validate(), kFaceletsOk);
  EXPECT_EQ(static_cast<const CKube&>(a), static_cast<const CKube&>(b));
  EXPECT_EQ(static_cast<const CKube&>(a), static_cast<const CKube&>(c));
  // A later group for the same face replaces the earlier one.
  KFacelet d(group('U') + " " + labelled);
  EXPECT_EQ(d.Validate(), kFaceletsOk);
  EXPECT_EQ(static_cast<const CKube&>(d), static_cast<const CKube&>(a));
}

TEST(KFacelet, MissingFaceStaysSpaces) {
  const std::string labelled = input::ToLabelledFaces(kSolvedNet);
  KFacelet facelets(labelled.substr(0, labelled.size() - 24));  // without "U:…" and "D:…"
  for (int i = 0; i < 18; ++i) EXPECT_EQ(facelets.facelets[i], ' ');
  EXPECT_EQ(facelets.Validate(), kSameCentres);
}

}  // namespace

namespace {

TEST(KFacelet, RandomCubesReadBackFromTheirFacelets) {
  std::mt19937_64 rng(42);
  for (int i = 0; i < 500; ++i) {
    const twophase::CKube cube = twophase::RandomKube(rng);
    twophase::KFacelet facelets(twophase::LabelledFacesOf(cube));
    ASSERT_EQ(facelets.Validate(), twophase::kFaceletsOk);
    ASSERT_EQ(static_cast<const twophase::CKube&>(facelets), cube);
  }
}

}  // namespace
