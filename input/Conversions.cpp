#include "input/Conversions.h"

#include <array>

namespace input {

namespace {

constexpr int kFaceU = 0, kFaceF = 1, kFaceR = 2, kFaceB = 3, kFaceL = 4, kFaceD = 5;

// Net-string positions of each order-3 piece's stickers, in the order their letters are written.
struct PieceStickers {
  int count;
  std::array<int, 3> at;
};
constexpr std::array<PieceStickers, 20> kPieces = {{
    {2, {7, 10}},      {2, {5, 19}},      {2, {1, 28}},      {2, {3, 37}},      // UF UR UB UL
    {2, {46, 16}},     {2, {50, 25}},     {2, {52, 34}},     {2, {48, 43}},     // DF DR DB DL
    {2, {14, 21}},     {2, {12, 41}},     {2, {30, 23}},     {2, {32, 39}},     // FR FL BR BL
    {3, {8, 11, 18}},  {3, {2, 20, 27}},  {3, {0, 29, 36}},  {3, {6, 38, 9}},   // UFR URB UBL ULF
    {3, {47, 24, 17}}, {3, {45, 15, 44}}, {3, {51, 42, 35}}, {3, {53, 33, 26}}, // DRF DFL DLB DBR
}};

constexpr std::array<int, 6> kCentres = {4, 13, 22, 31, 40, 49};

// Maps each centre's character to the given label of its face.
std::array<char, 256> CentreMap(const std::string& text, const char* labels) {
  std::array<char, 256> map{};
  for (int f = 0; f < 6; ++f) map[static_cast<unsigned char>(text[kCentres[f]])] = labels[f];
  return map;
}

char Mapped(const std::array<char, 256>& map, char c) {
  char m = map[static_cast<unsigned char>(c)];
  return m ? m : '?';  // a colour no centre carries
}

}  // namespace

bool IsUniform(const std::string& text) {
  if (text.empty() || text.size() % 6 != 0) return false;
  const size_t n = text.size() / 6;
  for (size_t face = 0; face < 6; ++face) {
    for (size_t i = 1; i < n; ++i) {
      if (text[face * n + i] != text[face * n]) return false;
    }
  }
  return true;
}

std::string ToPieceString(const std::string& text) {
  const auto map = CentreMap(text, "UFRBLD");
  std::string out;
  for (size_t p = 0; p < kPieces.size(); ++p) {
    if (p) out += ' ';
    for (int s = 0; s < kPieces[p].count; ++s) out += Mapped(map, text[kPieces[p].at[s]]);
  }
  return out;
}

std::string ToCentreCodes(const std::string& text) {
  const auto map = CentreMap(text, "012345");
  std::string out(text.size(), '?');
  for (size_t i = 0; i < text.size(); ++i) out[i] = Mapped(map, text[i]);
  return out;
}

std::string ToLabelledFaces(const std::string& text) {
  static constexpr const char* kLetters = "YBRGOW";
  static constexpr std::array<int, 6> kOrder = {kFaceL, kFaceF, kFaceR, kFaceB, kFaceU, kFaceD};
  static constexpr const char* kNames = "UFRBLD";
  std::string out;
  for (size_t k = 0; k < kOrder.size(); ++k) {
    const int face = kOrder[k];
    if (k) out += ' ';
    out += kNames[face];
    out += ':';
    for (int i = 0; i < 9; ++i) {
      const int c = text[face * 9 + i] - '0';
      out += (c >= 0 && c < 6) ? kLetters[c] : '?';
    }
  }
  return out;
}

std::string TurnWholeX2(int order, const std::string& text) {
  const size_t n = static_cast<size_t>(order) * order;
  auto block = [&](int face) { return text.substr(face * n, n); };
  auto reversed = [&](int face) {
    std::string b = block(face);
    return std::string(b.rbegin(), b.rend());
  };
  return block(kFaceD) + reversed(kFaceB) + reversed(kFaceR) + reversed(kFaceF) +
         reversed(kFaceL) + block(kFaceU);
}

std::string ToSolverFaces(int order, const std::string& text) {
  const int N = order;
  const size_t n = static_cast<size_t>(N) * N;
  std::string values(text.size(), 0);
  for (size_t i = 0; i < text.size(); ++i) values[i] = static_cast<char>(text[i] - '/');
  auto at = [&](int face, int row, int col) { return values[face * n + row * N + col]; };

  std::string out;
  out.reserve(text.size());
  auto emit = [&](int face, auto source) {
    for (int i = 0; i < N; ++i)
      for (int j = 0; j < N; ++j) {
        auto [r, c] = source(i, j);
        out += at(face, r, c);
      }
  };
  using RC = std::pair<int, int>;
  emit(kFaceL, [&](int i, int j) { return RC{j, N - 1 - i}; });  // quarter turn anticlockwise
  emit(kFaceR, [&](int i, int j) { return RC{j, i}; });          // transposed
  emit(kFaceU, [&](int i, int j) { return RC{N - 1 - i, j}; });  // rows reversed
  emit(kFaceD, [&](int i, int j) { return RC{i, j}; });
  emit(kFaceF, [&](int i, int j) { return RC{i, j}; });
  emit(kFaceB, [&](int i, int j) { return RC{i, N - 1 - j}; });  // mirrored left to right
  return out;
}

}  // namespace input
