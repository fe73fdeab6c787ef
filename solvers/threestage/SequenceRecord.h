#pragma once
// Stored sequences. A record holds a length field in the low bits of its first
// byte and above it, little-endian, one integer: the sequence cut from its start
// into chunks of five turns (the last chunk the remaining 1..5), each chunk
// replaced by its index in the canonical list of its length, the indexes joined
// in mixed radix with the list sizes as bases, the last chunk the lowest digit.
// A record takes the fewest whole bytes that hold the field and the integer's
// range; records follow one another without gaps.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "solvers/threestage/CanonicalSequences.h"

namespace threestage {

struct RecordFormat {
  int lengthBits;
  int maxLength;
};
constexpr RecordFormat kF2LRecords{4, 12};        // first-two-layers halves
constexpr RecordFormat kLastLayerRecords{5, 16};  // last layer

int RecordBytes(const RecordFormat& format, int length);
// Appends the record of a canonical sequence; false (nothing appended) when the
// sequence is not canonical or too long for the format.
bool AppendRecord(const RecordFormat& format, const Moves& moves, std::vector<std::uint8_t>& out);
// Reads the record at data[0..size); returns the bytes it takes, or 0 when the
// bytes do not hold a valid record.
std::size_t ReadRecord(const RecordFormat& format, const std::uint8_t* data, std::size_t size, Moves& moves);

}  // namespace threestage
