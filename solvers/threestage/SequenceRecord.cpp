#include "solvers/threestage/SequenceRecord.h"

namespace threestage {

namespace {

int ChunkLength(int length, int chunk) {
  const int start = chunk * kCodeBookLength;
  return length - start < kCodeBookLength ? length - start : kCodeBookLength;
}
int ChunkCount(int length) { return (length + kCodeBookLength - 1) / kCodeBookLength; }

// Bits needed for the values 0..range−1.
int BitsFor(std::uint64_t range) {
  int bits = 0;
  while (bits < 64 && (range - 1) >> bits) ++bits;
  return bits;
}

std::uint64_t Range(int length) {
  std::uint64_t range = 1;  // at most 577 368³ · 18 < 2^62 for 16 turns
  for (int c = 0; c < ChunkCount(length); ++c) range *= CanonicalCount(ChunkLength(length, c));
  return range;
}

}  // namespace

int RecordBytes(const RecordFormat& format, int length) {
  return (format.lengthBits + BitsFor(Range(length)) + 7) / 8;
}

bool AppendRecord(const RecordFormat& format, const Moves& moves, std::vector<std::uint8_t>& out) {
  const int length = static_cast<int>(moves.size());
  if (length > format.maxLength || !IsCanonical(moves)) return false;
  std::uint64_t value = 0;
  for (int c = 0; c < ChunkCount(length); ++c) {
    const int n = ChunkLength(length, c);
    value = value * CanonicalCount(n) + CanonicalRank(moves.data() + c * kCodeBookLength, n);
  }
  const int bytes = RecordBytes(format, length);
  out.push_back(static_cast<std::uint8_t>(length | ((value << format.lengthBits) & 0xFF)));
  value >>= 8 - format.lengthBits;
  for (int b = 1; b < bytes; ++b, value >>= 8) out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  return true;
}

std::size_t ReadRecord(const RecordFormat& format, const std::uint8_t* data, std::size_t size, Moves& moves) {
  if (size == 0) return 0;
  const int length = data[0] & ((1 << format.lengthBits) - 1);
  if (length > format.maxLength) return 0;
  const std::size_t bytes = static_cast<std::size_t>(RecordBytes(format, length));
  if (bytes > size) return 0;
  std::uint64_t value = data[0] >> format.lengthBits;
  int shift = 8 - format.lengthBits;
  for (std::size_t b = 1; b < bytes; ++b, shift += 8) value |= static_cast<std::uint64_t>(data[b]) << shift;
  if (value >= Range(length)) return 0;
  moves.assign(static_cast<std::size_t>(length), 0);
  for (int c = ChunkCount(length) - 1; c >= 0; --c) {
    const int n = ChunkLength(length, c);
    const std::uint64_t count = CanonicalCount(n);
    CanonicalUnrank(value % count, n, moves.data() + c * kCodeBookLength);
    value /= count;
  }
  if (!IsCanonical(moves)) return 0;  // two chunks may meet badly in foreign data
  return bytes;
}

}  // namespace threestage
