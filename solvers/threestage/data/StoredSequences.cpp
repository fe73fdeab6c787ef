#include "solvers/threestage/data/StoredSequences.h"

#include <array>

namespace threestage {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::array<int, 256> DecodeMap() {
  std::array<int, 256> map{};
  map.fill(-1);
  for (int i = 0; i < 64; ++i) map[static_cast<unsigned char>(kAlphabet[i])] = i;
  return map;
}

std::vector<std::uint8_t> Decode(const StoredPart* const* parts, int partCount) {
  bool ok = true;
  std::vector<std::uint8_t> bytes = DecodeBase64(parts, partCount, ok);
  if (!ok) bytes.clear();
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> DecodeBase64(const StoredPart* const* parts, int partCount, bool& ok) {
  static const std::array<int, 256> map = DecodeMap();
  std::vector<std::uint8_t> out;
  unsigned buffer = 0;
  int bits = 0;
  ok = true;
  for (int p = 0; p < partCount; ++p) {
    for (int i = 0; i < parts[p]->count; ++i) {
      for (const char* c = parts[p]->pieces[i]; *c; ++c) {
        const int v = map[static_cast<unsigned char>(*c)];
        if (v < 0) {
          ok = false;
          return out;
        }
        buffer = (buffer << 6 | static_cast<unsigned>(v)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
          bits -= 8;
          out.push_back(static_cast<std::uint8_t>(buffer >> bits & 0xFF));
        }
      }
    }
  }
  return out;
}

void AppendBase64(const std::vector<std::uint8_t>& bytes, std::string& out) {
  unsigned buffer = 0;
  int bits = 0;
  for (auto b : bytes) {
    buffer = (buffer << 8 | b) & 0xFFFF;
    bits += 8;
    while (bits >= 6) {
      bits -= 6;
      out.push_back(kAlphabet[buffer >> bits & 63]);
    }
  }
  if (bits > 0) out.push_back(kAlphabet[buffer << (6 - bits) & 63]);
}

std::vector<std::uint8_t> StoredF2LRecords() { return Decode(kStoredF2LParts, kStoredF2LPartCount); }
std::vector<std::uint8_t> StoredLastLayerRecords() { return Decode(kStoredLastLayerParts, kStoredLastLayerPartCount); }

}  // namespace threestage
