#include "StickerOracle.h"

#include <stdexcept>

namespace oracle {

namespace {

struct FaceInfo {
  int axis;
  int sign;  // of the outward normal
};

std::optional<FaceInfo> FaceOfLetter(char letter) {
  switch (letter) {
    case 'R': return FaceInfo{0, +1};
    case 'L': return FaceInfo{0, -1};
    case 'U': return FaceInfo{1, +1};
    case 'D': return FaceInfo{1, -1};
    case 'F': return FaceInfo{2, +1};
    case 'B': return FaceInfo{2, -1};
    default: return std::nullopt;
  }
}

// Clockwise seen from outside is -90° about the outward normal.
int ClockwiseDir(const FaceInfo& f) { return f.sign > 0 ? 0 : 1; }
// The k-th layer counted from the face (1 = the face layer itself).
int KthFrom(const FaceInfo& f, int order, int k) { return f.sign > 0 ? order - k : k - 1; }
std::vector<int> KthRange(const FaceInfo& f, int order, int fromK, int toK) {
  std::vector<int> layers;
  for (int k = fromK; k <= toK; ++k) layers.push_back(KthFrom(f, order, k));
  return layers;
}
std::vector<int> Span(int start, int count) {
  std::vector<int> layers;
  for (int i = 0; i < count; ++i) layers.push_back(start + i);
  return layers;
}

Int3 Rotate(const Int3& v, int axis, int dir) {
  const auto [x, y, z] = v;
  if (dir == 1) {
    if (axis == 0) return {x, -z, y};
    if (axis == 1) return {z, y, -x};
    return {-y, x, z};
  }
  if (axis == 0) return {x, z, -y};
  if (axis == 1) return {-z, y, x};
  return {y, -x, z};
}

// Upright picture direction per face: side faces point to U, U to B, D to F.
Int3 Upright(const Int3& normal) {
  if (normal[1] == 1) return {0, 0, -1};
  if (normal[1] == -1) return {0, 0, 1};
  return {0, 1, 0};
}

int NormalAxis(const Int3& n) { return n[0] != 0 ? 0 : n[1] != 0 ? 1 : 2; }

// Facelet (row r, column c) of each face in text order U F R B L D: slot indices and normal.
struct FaceletPlace {
  Int3 slot;
  Int3 normal;
};
FaceletPlace PlaceOf(int face, int r, int c, int order) {
  const int m = order - 1;
  switch (face) {
    case 0: return {{c, m, r}, {0, 1, 0}};
    case 1: return {{c, m - r, m}, {0, 0, 1}};
    case 2: return {{m, m - r, m - c}, {1, 0, 0}};
    case 3: return {{m - c, m - r, 0}, {0, 0, -1}};
    case 4: return {{0, m - r, c}, {-1, 0, 0}};
    default: return {{c, 0, m - r}, {0, -1, 0}};
  }
}

int ColourOfNormal(const Int3& n) {
  if (n[1] == 1) return 0;
  if (n[2] == 1) return 1;
  if (n[0] == 1) return 2;
  if (n[2] == -1) return 3;
  if (n[0] == -1) return 4;
  return 5;
}

}  // namespace

std::optional<Move> Parse(const std::string& token, int n) {
  // Suffix: 0 none, 1 "'", 2 "2", 3 "2'".
  int suffix = 0;
  if (token.size() >= 3 && token.ends_with("2'")) {
    suffix = 3;
  } else if (token.size() >= 2 && token.ends_with("'")) {
    suffix = 1;
  } else if (token.size() >= 2 && token.ends_with("2")) {
    suffix = 2;
  }
  const std::string stem = token.substr(0, token.size() - (suffix == 3 ? 2 : suffix == 0 ? 0 : 1));
  if (stem.empty()) return std::nullopt;

  enum { kAll, kNoPrimedHalf, kQuarterOnly } suffixes = kAll;
  std::optional<FaceInfo> face;
  std::vector<int> layers;
  bool recorded = false;
  bool valid = false;
  const auto all = Span(0, n);

  if (stem.size() == 1) {
    const char s = stem[0];
    if ((face = FaceOfLetter(s))) {
      layers = {KthFrom(*face, n, 1)};
      recorded = valid = true;
    } else if (s == 'x' || s == 'y' || s == 'z') {
      face = FaceOfLetter(s == 'x' ? 'R' : s == 'y' ? 'U' : 'F');
      layers = all;
      valid = true;
    } else if (s >= 'a' && s <= 'z' && (face = FaceOfLetter(static_cast<char>(s - 'a' + 'A')))) {
      if (n >= 4) {
        layers = {KthFrom(*face, n, 2)};
        recorded = valid = true;
      } else if (n == 3) {
        layers = KthRange(*face, n, 1, 2);
        suffixes = kQuarterOnly;
        valid = true;
      }
    } else if (s == 'M' || s == 'E' || s == 'S') {
      face = FaceOfLetter(s == 'M' ? 'L' : s == 'E' ? 'D' : 'F');
      layers = {(n - 1) / 2};
      recorded = true;
      valid = n % 2 == 1;
    }
  } else if (stem.size() == 2 && stem[0] == 'C' && (face = FaceOfLetter(stem[1]))) {
    layers = all;
    if (face->axis == 1) suffixes = kNoPrimedHalf;
    valid = true;
  } else if ((stem.size() == 2 || stem.size() == 3) && (face = FaceOfLetter(stem.back()))) {
    const char family = stem[0];
    const int digit = stem.size() == 3 ? stem[1] - '0' : 0;
    if (stem.size() == 3 && (digit < 2 || digit > 9)) return std::nullopt;
    const char letter = stem.back();
    suffixes = kNoPrimedHalf;
    const bool high = face->sign > 0;
    switch (family) {
      case 'T': {
        const int k = digit == 0 ? 2 : digit;
        valid = (digit == 0 && n >= 3) || (k >= 3 && k <= 5 && n >= k) || (k == 6 && letter == 'B' && n == 7);
        if (valid) layers = KthRange(*face, n, 1, k);
        break;
      }
      case 'S': {
        const int k = digit == 0 ? 1 : digit;
        valid = (k == 1 && n >= 3) || (k == 2 && n >= 4) ||
                (k == 3 && n == 7 && std::string("FUDR").find(letter) != std::string::npos);
        if (valid) {
          layers = KthRange(*face, n, 1, k);
          const FaceInfo opposite{face->axis, -face->sign};
          for (int layer : KthRange(opposite, n, 1, k)) layers.push_back(layer);
        }
        break;
      }
      case 'N': {
        const int k = digit == 0 ? 2 : digit;
        valid = (digit == 0 && n >= 4) || (digit >= 3 && digit <= 5 && n >= digit);
        if (valid) layers = {KthFrom(*face, n, k)};
        suffixes = kAll;
        recorded = true;
        break;
      }
      case 'W':
        valid = digit == 0 && n >= 3;
        if (valid) layers = KthRange(*face, n, 2, n - 1);
        break;
      case 'M':
        if (digit == 0) {
          valid = n >= 3;
          layers = {high ? n / 2 : (n - 1) / 2};
          suffixes = kAll;
          recorded = true;
        } else if (digit == 2) {
          valid = n >= 6;
          layers = Span(high ? (n - 1) / 2 : n / 2 - 1, 2);
        } else if (digit == 3) {
          valid = n >= 6;
          layers = Span(high ? n / 2 - 1 : (n - 1) / 2 - 1, 3);
        }
        break;
      case 'V': {
        const int k = digit == 0 ? 2 : digit;
        valid = (digit == 0 && n >= 5) || (k == 3 && n >= 6) || (k == 4 && n == 7);
        if (valid) layers = KthRange(*face, n, 2, k + 1);
        break;
      }
      default: break;
    }
  }
  if (!valid || !face) return std::nullopt;
  if (suffixes == kNoPrimedHalf && suffix == 3) return std::nullopt;
  if (suffixes == kQuarterOnly && suffix >= 2) return std::nullopt;

  int dir = ClockwiseDir(*face);
  if (suffix == 1 || suffix == 3) dir = 1 - dir;
  // Half turns that run the other way round (the end state is the same).
  const bool odd = n % 2 == 1;
  if (token == "CD2" || (odd && (token == "MD2" || token == "MU2'"))) dir = 0;
  if (token == "S3U2" || token == "V4F2" || (odd && (token == "MD2'" || token == "MU2"))) dir = 1;
  return Move{{face->axis, layers, dir}, suffix >= 2 ? 2 : 1, recorded};
}

StickerCube::StickerCube(int order) : order_(order) {
  for (int face = 0; face < 6; ++face) {
    for (int r = 0; r < order; ++r) {
      for (int c = 0; c < order; ++c) {
        const FaceletPlace place = PlaceOf(face, r, c, order);
        Int3 position;
        for (int a = 0; a < 3; ++a) position[a] = 2 * place.slot[a] - (order - 1) + place.normal[a];
        stickers_.push_back({position, place.normal, Upright(place.normal), ColourOfNormal(place.normal)});
      }
    }
  }
}

void StickerCube::Turn(const Quarter& quarter) {
  for (Sticker& s : stickers_) {
    const int centre = s.position[quarter.axis] - s.normal[quarter.axis];
    const int layer = (centre + order_ - 1) / 2;
    bool turning = false;
    for (int l : quarter.layers) turning = turning || l == layer;
    if (!turning) continue;
    s.position = Rotate(s.position, quarter.axis, quarter.dir);
    s.normal = Rotate(s.normal, quarter.axis, quarter.dir);
    s.up = Rotate(s.up, quarter.axis, quarter.dir);
  }
}

bool StickerCube::Apply(const std::string& token) {
  const auto move = Parse(token, order_);
  if (!move) return false;
  for (int i = 0; i < move->times; ++i) {
    Turn(move->quarter);
    if (move->recorded) records_.push_back({move->quarter.axis, move->quarter.layers[0], move->quarter.dir});
  }
  return true;
}

const Sticker& StickerCube::At(const Int3& position, const Int3& normal) const {
  for (const Sticker& s : stickers_) {
    if (s.position == position && s.normal == normal) return s;
  }
  throw std::logic_error("no sticker at a surface place");
}

template <typename Value>
std::string StickerCube::Facelets(Value value) const {
  std::string text;
  for (int face = 0; face < 6; ++face) {
    for (int r = 0; r < order_; ++r) {
      for (int c = 0; c < order_; ++c) {
        const FaceletPlace place = PlaceOf(face, r, c, order_);
        Int3 position;
        for (int a = 0; a < 3; ++a) position[a] = 2 * place.slot[a] - (order_ - 1) + place.normal[a];
        text.push_back(static_cast<char>('0' + value(At(position, place.normal))));
      }
    }
  }
  return text;
}

std::string StickerCube::Colours() const {
  return Facelets([](const Sticker& s) { return s.colour; });
}

// Clockwise quarter turns (seen from outside) from the upright direction to the picture's up.
std::string StickerCube::StickerTurns() const {
  return Facelets([](const Sticker& s) {
    const int axis = NormalAxis(s.normal);
    const int clockwiseDir = s.normal[axis] > 0 ? 0 : 1;
    Int3 up = Upright(s.normal);
    for (int turns = 0; turns < 4; ++turns) {
      if (up == s.up) return turns;
      up = Rotate(up, axis, clockwiseDir);
    }
    throw std::logic_error("picture direction off the face");
  });
}

std::vector<std::string> CandidateTokens() {
  const std::vector<std::string> prefixes = {"",   "C",  "T",  "T2", "T3", "T4", "T5", "T6", "T7", "S",  "S2",
                                             "S3", "S4", "N",  "N2", "N3", "N4", "N5", "N6", "W",  "W2", "M",
                                             "M2", "M3", "M4", "V",  "V2", "V3", "V4", "V5", "X",  "c"};
  const std::string letters = "RLUDFBrludfbxyzMES";
  const std::vector<std::string> suffixes = {"", "'", "2", "2'", "'2", "3", " "};
  std::vector<std::string> tokens = {"", " R", "R ", "RR", "2", "'", "r''"};
  for (const auto& prefix : prefixes) {
    for (char letter : letters) {
      for (const auto& suffix : suffixes) {
        std::string token = prefix;
        token += letter;
        token += suffix;
        tokens.push_back(token);
      }
    }
  }
  return tokens;
}

}  // namespace oracle
