#pragma once
// The stored sequence lists the solver's tables are built from (written by
// tools/threestage_gen; see README.md here). The records are kept in the
// program as base-64 text split into string pieces, to keep the generated
// sources plain and small.
#include <cstdint>
#include <string>
#include <vector>

namespace threestage {

struct StoredPart {
  const char* const* pieces;
  int count;
};

// Declared by the generated sources.
extern const StoredPart* const kStoredF2LParts[];
extern const int kStoredF2LPartCount;
extern const StoredPart* const kStoredLastLayerParts[];
extern const int kStoredLastLayerPartCount;

// The records, decoded; a damaged text gives a shorter list (the tables then
// report the data as invalid).
std::vector<std::uint8_t> StoredF2LRecords();
std::vector<std::uint8_t> StoredLastLayerRecords();

// Base-64 (RFC 4648 alphabet, no padding needed) used for the stored text.
std::vector<std::uint8_t> DecodeBase64(const StoredPart* const* parts, int partCount, bool& ok);
void AppendBase64(const std::vector<std::uint8_t>& bytes, std::string& out);

}  // namespace threestage
