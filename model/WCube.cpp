#include "model/WCube.h"

#include <utility>

namespace model {

namespace {

// Where the facelet of row r, column c of a face lies: each slot coordinate is
// top·(N-1) + row·r + col·c.
struct CoordRule {
  int top;
  int row;
  int col;
  int Of(int max, int r, int c) const { return top * max + row * r + col * c; }
};
struct FaceLayout {
  int side;
  CoordRule x, y, z;
};

// Faces in facelet-text order U F R B L D, each seen from outside.
constexpr FaceLayout kFaceLayouts[6] = {
    {kSidePosY, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},    // U: rows back to front
    {kSidePosZ, {0, 0, 1}, {1, -1, 0}, {1, 0, 0}},   // F
    {kSidePosX, {1, 0, 0}, {1, -1, 0}, {1, 0, -1}},  // R
    {kSideNegZ, {1, 0, -1}, {1, -1, 0}, {0, 0, 0}},  // B
    {kSideNegX, {0, 0, 0}, {1, -1, 0}, {0, 0, 1}},   // L
    {kSideNegY, {0, 0, 1}, {0, 0, 0}, {1, -1, 0}},   // D: rows front to back
};

// Calls visit(piece side value) for every facelet in text order.
template <typename Cube, typename Visit>
void ForEachFacelet(Cube& cube, Visit visit) {
  const int n = cube.Order();
  const int max = n - 1;
  for (const FaceLayout& face : kFaceLayouts) {
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) {
        auto* piece = cube.Piece(face.x.Of(max, r, c), face.y.Of(max, r, c), face.z.Of(max, r, c));
        visit(*piece, face.side);
      }
    }
  }
}

template <typename Field>
std::string ExportField(const WCube& cube, Field field) {
  std::string text;
  text.reserve(static_cast<size_t>(6 * cube.Order() * cube.Order()));
  ForEachFacelet(cube, [&](const WCubePiece& piece, int side) {
    text.push_back(static_cast<char>('0' + (piece.*field)[side]));
  });
  return text;
}

template <typename Field>
int ImportField(WCube& cube, std::string_view text, Field field) {
  const size_t needed = static_cast<size_t>(6 * cube.Order() * cube.Order());
  if (text.size() < needed) return 0;
  size_t next = 0;
  ForEachFacelet(cube, [&](WCubePiece& piece, int side) { (piece.*field)[side] = text[next++] - '0'; });
  return static_cast<int>(needed);
}

}  // namespace

WCube::WCube() {
  history.reserve(32);
  Init();
}

WCube::WCube(Scratch, int order) {
  if (order >= kMinOrder && order <= kMaxOrder) order_ = order;
  BuildSolved();
}

WCube::WCube(const WCube& other) { *this = other; }

WCube& WCube::operator=(const WCube& other) {
  if (this == &other) return *this;
  order_ = other.order_;
  for (int i = 0; i < kSlotCount; ++i) {
    slots_[i] = other.slots_[i] ? std::make_unique<WCubePiece>(*other.slots_[i]) : nullptr;
  }
  slotCentre_ = other.slotCentre_;
  history = other.history;
  redo_ = other.redo_;
  abortAnimation = other.abortAnimation;
  presenter_ = nullptr;
  return *this;
}

void WCube::Init(int newOrder) {
  if (newOrder >= kMinOrder && newOrder <= kMaxOrder) order_ = newOrder;
  Init();
}

void WCube::Init() {
  BuildSolved();
  gFaceVisibility.Reset();
}

void WCube::BuildSolved() {
  const int n = order_;
  const int max = n - 1;
  const float h = static_cast<float>(max) / 2.0f;
  // Cubies outside the new grid are dropped as well, so a smaller order keeps no stale ones.
  for (auto& slot : slots_) slot.reset();
  for (int x = 0; x < n; ++x) {
    for (int y = 0; y < n; ++y) {
      for (int z = 0; z < n; ++z) {
        const int index = SlotIndex(x, y, z);
        slotCentre_[index] = {static_cast<float>(x) - h, static_cast<float>(y) - h,
                              static_cast<float>(z) - h};
        auto piece = std::make_unique<WCubePiece>();
        piece->homeCentre = slotCentre_[index];
        piece->orderF = static_cast<float>(n);
        auto& colour = piece->faceColour;
        if (y == max) colour[kSidePosY] = kColourU;
        if (z == max) colour[kSidePosZ] = kColourF;
        if (x == max) colour[kSidePosX] = kColourR;
        if (z == 0) colour[kSideNegZ] = kColourB;
        if (x == 0) colour[kSideNegX] = kColourL;
        if (y == 0) colour[kSideNegY] = kColourD;
        slots_[index] = std::move(piece);
      }
    }
  }
  ClearHistory();
}

WCubePiece* WCube::Piece(int x, int y, int z) {
  return const_cast<WCubePiece*>(std::as_const(*this).Piece(x, y, z));
}

const WCubePiece* WCube::Piece(int x, int y, int z) const {
  if (x < 0 || y < 0 || z < 0 || x >= order_ || y >= order_ || z >= order_) return nullptr;
  return slots_[SlotIndex(x, y, z)].get();
}

Vec3f WCube::SlotCentre(int x, int y, int z) const {
  if (x < 0 || y < 0 || z < 0 || x >= order_ || y >= order_ || z >= order_) return {};
  const auto& centre = slotCentre_[SlotIndex(x, y, z)];
  return {centre[0], centre[1], centre[2]};
}

std::string WCube::ExportColours() const { return ExportField(*this, &WCubePiece::faceColour); }

std::string WCube::ExportStickerTurns() const { return ExportField(*this, &WCubePiece::stickerTurn); }

int WCube::ImportColours(std::string_view text) {
  const int read = ImportField(*this, text, &WCubePiece::faceColour);
  if (read) redo_.clear();
  return read;
}

int WCube::ImportStickerTurns(std::string_view text) {
  const int read = ImportField(*this, text, &WCubePiece::stickerTurn);
  if (read) redo_.clear();
  return read;
}

}  // namespace model
