// Colourings that are not solvable cubes give the solver's codes −1 to −4.
#include <gtest/gtest.h>

#include <functional>

#include "NxNTestCube.h"
#include "solvers/nxn/NxNValidate.h"

namespace {

using nxntest::At;
constexpr int U = 0, F = 1, R = 2, B = 3, L = 4, D = 5;

// Rotates the colours of the listed net positions one step (a → b → c → a).
void Cycle(std::string& net, std::initializer_list<int> at) {
  std::vector<int> p(at);
  const char last = net[p.back()];
  for (size_t i = p.size() - 1; i > 0; --i) net[p[i]] = net[p[i - 1]];
  net[p[0]] = last;
}

int CodeOf(int order, const std::string& net) {
  const std::string faces = input::ToSolverFaces(order, net);
  const nxn::Geometry& g = nxn::GeometryOf(order);
  nxn::Stickers s(faces.begin(), faces.end());
  nxn::Scheme scheme{};
  return nxn::Validate(g, s, scheme);
}

struct BadColouring {
  const char* name;
  int order;
  std::function<void(std::string&, int)> spoil;  // (net, order)
  int code;
};

void TwistCorner(std::string& net, int n) { Cycle(net, {At(n, U, n - 1, n - 1), At(n, F, 0, n - 1), At(n, R, 0, 0)}); }
void FlipMiddleEdge(std::string& net, int n) { Cycle(net, {At(n, U, n - 1, n / 2), At(n, F, 0, n / 2)}); }
void SwapMiddleEdges(std::string& net, int n) {
  Cycle(net, {At(n, U, n - 1, n / 2), At(n, U, n / 2, n - 1)});
  Cycle(net, {At(n, F, 0, n / 2), At(n, R, 0, n / 2)});
}

void FlipWing(std::string& net, int n) { Cycle(net, {At(n, U, n - 1, 1), At(n, F, 0, 1)}); }

const BadColouring kBad[] = {
    {"five stickers of one colour", 2, [](std::string& s, int n) { s[At(n, F, 0, 0)] = '0'; }, -1},
    {"twisted corner", 2, TwistCorner, -2},
    {"corner mirrored", 2, [](std::string& s, int n) { Cycle(s, {At(n, F, 0, n - 1), At(n, R, 0, 0)}); }, -1},
    {"U and D stickers of two corners swapped", 2,
     [](std::string& s, int n) { Cycle(s, {At(n, U, n - 1, n - 1), At(n, D, 0, n - 1)}); }, -1},
    {"two centres alike", 3, [](std::string& s, int n) { s[At(n, F, 1, 1)] = '0'; }, -1},
    {"twisted corner", 3, TwistCorner, -2},
    {"flipped edge", 3, FlipMiddleEdge, -3},
    {"two edges swapped", 3, SwapMiddleEdges, -4},
    {"edge with opposite colours", 3, [](std::string& s, int n) { s[At(n, F, 0, n / 2)] = '5'; }, -1},
    {"twisted corner", 5, TwistCorner, -2},
    {"flipped middle edge", 5, FlipMiddleEdge, -3},
    {"two middle edges swapped", 5, SwapMiddleEdges, -4},
    {"one wing flipped in place", 5, [](std::string& s, int n) { Cycle(s, {At(n, U, n - 1, 1), At(n, F, 0, 1)}); }, -1},
    {"x-centre swapped with a +-centre", 5,
     [](std::string& s, int n) { Cycle(s, {At(n, U, 1, 1), At(n, F, 1, 2)}); }, -1},
    {"corner colours on a wing", 5, [](std::string& s, int n) { s[At(n, U, n - 1, 1)] = '2'; }, -1},
    {"one wing flipped in place", 4, FlipWing, -1},
    // The corner's twist is checked before a wing's flip.
    {"twisted corner and a flipped wing", 4, [](std::string& s, int n) { TwistCorner(s, n); FlipWing(s, n); }, -2},
    {"twisted corner and a flipped wing", 5, [](std::string& s, int n) { TwistCorner(s, n); FlipWing(s, n); }, -2},
    {"twisted corner and a flipped wing", 7, [](std::string& s, int n) { TwistCorner(s, n); FlipWing(s, n); }, -2},
    {"twisted corner and corner colours on a wing", 4,
     [](std::string& s, int n) { TwistCorner(s, n); s[At(n, U, n - 1, 1)] = '2'; }, -1},
};

TEST(NxNValidate, BadColouringsGiveTheirCodes) {
  for (const auto& bad : kBad) {
    std::string net = nxntest::SolvedNet(bad.order);
    bad.spoil(net, bad.order);
    EXPECT_EQ(CodeOf(bad.order, net), bad.code) << bad.order << ": " << bad.name;
  }
}

TEST(NxNValidate, RandomStatesOfEveryOrderAreValid) {
  std::mt19937 rng(7);
  for (int order = 2; order <= 7; ++order)
    for (int i = 0; i < 5; ++i) EXPECT_EQ(CodeOf(order, nxntest::RandomNet(order, rng)), 0) << order;
}

// The 4×4×4 edge-flip parity: one edge looks flipped (its two wings swapped); a real state.
TEST(NxNValidate, SwappedTwinWingsAreValidOnEvenOrders) {
  const std::string solved = nxntest::SolvedNet(4);
  const std::string net = nxntest::Apply(4, solved, "r2 B2 U2 l U2 r' U2 r U2 F2 r F2 l' B2 r2");
  int differing = 0;
  for (size_t i = 0; i < net.size(); ++i) differing += net[i] != solved[i];
  EXPECT_EQ(differing, 4);
  EXPECT_EQ(CodeOf(4, net), 0);
}

}  // namespace
