#include "solvers/twophase/MovesPhase1.h"

#include "solvers/twophase/KubeLayout.h"

namespace twophase {

namespace {
// new[c1] = old[c0] + d1, new[c2] = old[c1] + d2, new[c3] = old[c2] + d3, new[c0] = old[c3] + d0.
template <std::size_t N>
void CycleAndAdd(std::array<std::uint8_t, N>& v, const std::array<std::uint8_t, 4>& c,
                 const std::array<int, 4>& add, int modulus) {
  const int old0 = v[c[0]], old1 = v[c[1]], old2 = v[c[2]], old3 = v[c[3]];
  auto wrap = [modulus](int x) { return static_cast<std::uint8_t>(((x % modulus) + modulus) % modulus); };
  v[c[0]] = wrap(old3 + add[0]);
  v[c[1]] = wrap(old0 + add[1]);
  v[c[2]] = wrap(old1 + add[2]);
  v[c[3]] = wrap(old2 + add[3]);
}
}  // namespace

void MovesPhase1::QuarterTurn(int face) {
  const FaceCycle& cycle = kFaceCycles[face];
  const int d = cycle.cornerTwist;
  CycleAndAdd(cornerTwist, cycle.corners, {d, -d, d, -d}, 3);
  const int f = cycle.edgeFlip;
  CycleAndAdd(edgeFlip, cycle.edges, {f, f, f, f}, 2);
}

void CornerOrient::Decode(std::uint16_t twist) {
  int sum = 0;
  for (int p = 6; p >= 0; --p) {
    cornerTwist[p] = static_cast<std::uint8_t>(twist % 3);
    sum += cornerTwist[p];
    twist = static_cast<std::uint16_t>(twist / 3);
  }
  cornerTwist[7] = static_cast<std::uint8_t>((3 - sum % 3) % 3);
}

std::uint16_t CornerOrient::Encode() const {
  unsigned twist = 0;
  for (int p = 0; p < 7; ++p) twist = twist * 3 + cornerTwist[p];
  return static_cast<std::uint16_t>(twist);
}

std::uint16_t CornerOrient::Next(std::uint16_t twist, int face) {
  CornerOrient c;
  c.Decode(twist);
  c.QuarterTurn(face);
  return c.Encode();
}

void EdgeOrient::Decode(std::uint16_t flip) {
  int sum = 0;
  for (int p = 10; p >= 0; --p) {
    edgeFlip[p] = static_cast<std::uint8_t>(flip & 1);
    sum += edgeFlip[p];
    flip = static_cast<std::uint16_t>(flip >> 1);
  }
  edgeFlip[11] = static_cast<std::uint8_t>(sum & 1);
}

std::uint16_t EdgeOrient::Encode() const {
  unsigned flip = 0;
  for (int p = 0; p < 11; ++p) flip = flip * 2 + edgeFlip[p];
  return static_cast<std::uint16_t>(flip);
}

std::uint16_t EdgeOrient::Next(std::uint16_t flip, int face) {
  EdgeOrient e;
  e.Decode(flip);
  e.QuarterTurn(face);
  return e.Encode();
}

}  // namespace twophase
