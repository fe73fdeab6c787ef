#include "model/FaceletForms.h"

#include <algorithm>
#include <array>

#include "model/WCube.h"

namespace model {

namespace {

constexpr std::string_view kColourLetters = "UFRBLD";  // colour digit -> face letter when solved
// The own text's face (U F R B L D) at each place of the letter text's face order U R F D L B.
constexpr std::array<int, 6> kOwnFaceOfLetterFace = {0, 2, 1, 5, 4, 3};

int OrderOfLength(size_t length) {
  for (int n = kMinOrder; n <= kMaxOrder; ++n)
    if (length == static_cast<size_t>(6 * n * n)) return n;
  return 0;
}

// The letter each colour digit stands for: the face its centre sits on (odd
// orders with six differently coloured centres), else the solved scheme.
std::array<char, 6> LettersOfColours(std::string_view own, int n) {
  std::array<char, 6> letters{};
  for (int c = 0; c < 6; ++c) letters[c] = kColourLetters[c];
  if (n % 2 == 0) return letters;
  const int centre = (n / 2) * n + n / 2;
  std::array<char, 6> byCentre{};
  std::array<bool, 6> seen{};
  for (int face = 0; face < 6; ++face) {
    const int colour = own[face * n * n + centre] - '0';
    if (colour < 0 || colour > 5 || seen[colour]) return letters;
    seen[colour] = true;
    byCentre[colour] = kColourLetters[face];
  }
  return byCentre;
}

}  // namespace

int OrderOfLetterFacelets(std::string_view text) {
  const int n = OrderOfLength(text.size());
  if (n == 0) return 0;
  const bool letters = std::all_of(text.begin(), text.end(), [](char c) {
    return c != '\0' && std::string_view("URFDLB").find(c) != std::string_view::npos;
  });
  return letters ? n : 0;
}

std::string ToLetterFacelets(std::string_view own) {
  const int n = OrderOfLength(own.size());
  if (n == 0) return std::string(own);
  const std::array<char, 6> letters = LettersOfColours(own, n);
  const size_t area = static_cast<size_t>(n * n);
  std::string out;
  out.reserve(own.size());
  for (int ownFace : kOwnFaceOfLetterFace) {
    for (char c : own.substr(ownFace * area, area)) out += (c >= '0' && c <= '5') ? letters[c - '0'] : '?';
  }
  return out;
}

std::optional<std::string> FromLetterFacelets(std::string_view text) {
  const int n = OrderOfLetterFacelets(text);
  if (n == 0) return std::nullopt;
  const size_t area = static_cast<size_t>(n * n);
  std::string own(text.size(), '0');
  for (int place = 0; place < 6; ++place) {
    const size_t ownStart = kOwnFaceOfLetterFace[place] * area;
    for (size_t i = 0; i < area; ++i)
      own[ownStart + i] = static_cast<char>('0' + kColourLetters.find(text[place * area + i]));
  }
  return own;
}

}  // namespace model
