// The vertex arrays a frame draws the cube from: the body quads left out of a
// cubie closed towards the viewer are hidden behind what is kept, and those
// left out behind a neighbour are hidden by what the neighbour draws (both
// checked by casting rays); cubies with a bare side towards the viewer are
// kept whole, and the pieces of a turning layer form their own group.
#include <cmath>
#include <optional>

#include "GuiTestMain.h"
#include "view/CubieShadow.h"
#include "view/PieceBatches.h"

namespace {

using view::Vec3;

Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Distance along `dir` from `from` to triangle a b c, if the ray meets it.
std::optional<float> RayHits(const Vec3& from, const Vec3& dir, const Vec3& a, const Vec3& b, const Vec3& c) {
  const Vec3 e1 = Sub(b, a), e2 = Sub(c, a);
  const Vec3 p = Cross(dir, e2);
  const float det = Dot(e1, p);
  if (std::fabs(det) < 1e-12f) return std::nullopt;
  const Vec3 s = Sub(from, a);
  const float u = Dot(s, p) / det;
  const Vec3 q = Cross(s, e1);
  const float v = Dot(dir, q) / det;
  if (u < -1e-5f || v < -1e-5f || u + v > 1 + 1e-5f) return std::nullopt;
  return Dot(e2, q) / det;
}

bool RayHitsQuad(const Vec3& from, const Vec3& dir, const Vec3 (&quad)[4]) {
  const auto first = RayHits(from, dir, quad[0], quad[1], quad[2]);
  const auto second = RayHits(from, dir, quad[0], quad[2], quad[3]);
  return (first && *first > 1e-4f) || (second && *second > 1e-4f);
}

// The three sides of a cubie facing a viewer in direction v (FaceSlot order).
std::array<bool, 6> SidesFacing(const model::Vec3f& v) {
  return {v.x > 0, v.x < 0, v.y > 0, v.y < 0, v.z > 0, v.z < 0};
}

model::Vec3f Unit(float x, float y, float z) {
  const float l = std::sqrt(x * x + y * y + z * z);
  return {x / l, y / l, z / l};
}

// Points inside a quad (weights of its four corners).
constexpr std::array<float, 4> kSamples[] = {
    {0.25f, 0.25f, 0.25f, 0.25f}, {0.7f, 0.1f, 0.1f, 0.1f}, {0.1f, 0.1f, 0.7f, 0.1f}, {0.1f, 0.45f, 0.1f, 0.35f}};

Vec3 SamplePoint(const Vec3 (&quad)[4], const std::array<float, 4>& w) {
  Vec3 p{0, 0, 0};
  for (int v = 0; v < 4; ++v)
    for (int c = 0; c < 3; ++c) p[c] += w[v] * quad[v][c];
  return p;
}

// True when the ray from `from` towards the viewer meets what a closed cubie
// centred at `centre` draws: its stickers facing the viewer and its body
// quads that do not face away.
bool CubieCovers(const Vec3& from, const model::Vec3f& viewer, const Vec3& centre) {
  const Vec3 dir{viewer.x, viewer.y, viewer.z};
  const Vec3 local = Sub(from, centre);
  const auto away = view::BackFacingBodyQuads(viewer);
  const auto& quads = view::BodyQuads();
  for (size_t k = 0; k < quads.size(); ++k)
    if (!away[k] && RayHitsQuad(local, dir, quads[k].vertex)) return true;
  const std::array<bool, 6> sides = SidesFacing(viewer);
  for (int side = 0; side < 6; ++side)
    if (sides[side] && RayHitsQuad(local, dir, view::StickerQuadOf(side, 0.5f).vertex)) return true;
  return false;
}

void AddViews() {
  QTest::addColumn<float>("x");
  QTest::addColumn<float>("y");
  QTest::addColumn<float>("z");
  QTest::newRow("home view") << 0.5f << 0.6f << 0.62f;
  QTest::newRow("from below behind") << -0.61f << -0.5f << -0.6f;
  QTest::newRow("nearly along an axis") << 0.05f << -0.02f << 0.99f;
  QTest::newRow("along a face diagonal") << 0.7f << -0.7f << 0.1f;
  QTest::newRow("skew") << -0.2f << 0.9f << 0.35f;
}

}  // namespace

class PieceBatchesTest : public QObject {
  Q_OBJECT

 private slots:
  void leftOutQuadsAreHidden_data() { AddViews(); }
  void leftOutQuadsAreHidden() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, z);
    const model::Vec3f viewer = Unit(x, y, z);
    const Vec3 dir{viewer.x, viewer.y, viewer.z};
    const std::array<bool, 6> sides = SidesFacing(viewer);
    QVERIFY(view::ClosedTowards(sides, viewer));
    const auto away = view::BackFacingBodyQuads(viewer);
    const auto& quads = view::BodyQuads();
    int leftOut = 0;
    for (size_t q = 0; q < quads.size(); ++q) {
      if (!away[q]) continue;
      ++leftOut;
      // Rays from inside the left-out quad towards the viewer meet a kept quad or a sticker.
      for (const auto& w : kSamples) {
        const Vec3 from = SamplePoint(quads[q].vertex, w);
        bool hidden = false;
        for (size_t k = 0; k < quads.size() && !hidden; ++k)
          hidden = !away[k] && RayHitsQuad(from, dir, quads[k].vertex);
        for (int side = 0; side < 6 && !hidden; ++side)
          hidden = sides[side] && RayHitsQuad(from, dir, view::StickerQuadOf(side, 0.5f).vertex);
        QVERIFY2(hidden, qPrintable(QString("body quad %1 would show").arg(q)));
      }
    }
    // A third or more of the body faces away from any viewer.
    QVERIFY2(leftOut >= view::kBodyQuadCount / 3, qPrintable(QString::number(leftOut)));
  }

  void quadsBehindNeighbourAreCovered_data() { AddViews(); }
  void quadsBehindNeighbourAreCovered() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, z);
    const model::Vec3f viewer = Unit(x, y, z);
    const auto& quads = view::BodyQuads();
    int covered = 0;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        for (int dz = -1; dz <= 1; ++dz) {
          if (dx == 0 && dy == 0 && dz == 0) continue;
          const std::uint64_t behind = view::BodyQuadsBehind(viewer, {dx, dy, dz});
          const Vec3 centre{float(dx), float(dy), float(dz)};
          for (size_t q = 0; q < quads.size(); ++q) {
            if (!(behind >> q & 1)) continue;
            ++covered;
            for (const auto& w : kSamples)
              QVERIFY2(CubieCovers(SamplePoint(quads[q].vertex, w), viewer, centre),
                       qPrintable(QString("quad %1 behind %2 %3 %4 would show").arg(q).arg(dx).arg(dy).arg(dz)));
          }
        }
    // From any direction some cubie hides part of one behind it.
    QVERIFY(covered > 0);
  }

  void bareSideTowardsViewerKeepsCubieWhole() {
    const model::Vec3f home = Unit(0.5f, 0.6f, 0.62f);
    const std::array<bool, 6> homeSides = {true, false, true, false, true, false};
    QVERIFY(view::ClosedTowards(homeSides, home));
    // Seen from below while the +Y sticker is still the one drawn.
    QVERIFY(!view::ClosedTowards(homeSides, Unit(0.5f, -0.6f, 0.62f)));
    // A side seen edge-on counts as facing the viewer.
    QVERIFY(!view::ClosedTowards({false, true, true, false, true, false}, Unit(0, 0.6f, 0.8f)));
    QVERIFY(view::ClosedTowards({true, true, true, true, true, true}, Unit(-0.3f, 0.1f, -0.9f)));
  }

  void turningLayerFormsItsOwnGroup() {
    model::WCube cube;
    cube.Init(7);
    for (int j = 0; j < 7; ++j)
      for (int k = 0; k < 7; ++k) {
        model::WCubePiece* p = cube.Piece(6, j, k);
        p->inTurn = 1;
        p->turnAngle = 30;
        p->turnAxis = {1, 0, 0};
      }
    view::PieceBatches batches;
    const std::array<bool, 6> homeSides = {true, false, true, false, true, false};
    for (bool textured : {false, true}) {
      batches.Build(cube, homeSides, textured, Unit(0.5f, 0.6f, 0.62f));
      QCOMPARE(batches.Groups().size(), size_t(2));
      const int turning = 49, resting = 218 - 49;
      for (const view::PieceGroup& g : batches.Groups()) {
        size_t stickerQuads = 0;
        for (const auto& s : g.stickers) stickerQuads += s.size() / 4;
        if (g.angle == 0) {
          QCOMPARE(stickerQuads, size_t(3 * resting));
        } else {
          QCOMPARE(g.angle, 30.0f);
          QCOMPARE(g.axis, (model::Vec3f{1, 0, 0}));
          // All six sides while turning; textured leaves out the hidden one on the axis.
          QCOMPARE(stickerQuads, size_t((textured ? 5 : 6) * turning));
        }
        QVERIFY(g.openBodies.empty());
        QVERIFY(!g.closedBodies.empty());
      }
    }
  }
};

ROVAN_GUI_TEST_MAIN(PieceBatchesTest)
#include "piecebatches.moc"
