#pragma once
// The table file "RVTomsel.pro", little-endian:
//
//   offset    bytes    content
//   0         1024     reserved block; this program keeps a checksum of the rest there
//   1024      6        magic "ZQT18\0"
//   1030      483840   move table U/D edge permutation (40320 × 6 × 16 bits)
//   484870    288      move table slice edge permutation (24 × 6)
//   485158    483840   move table corner permutation (40320 × 6)
//   968998    …        pruning tables c, a, b, E, D (4 bits per entry, (entries + 1) / 2 bytes)
//                      — 5224329 bytes in all
//
// A file is used only when its length, magic and checksum match and every entry
// is in range (move entries below their count, pruning values 0–14, goal entries
// 0); anything else is reported and the caller rebuilds.
#include <cstddef>
#include <string>

#include "solvers/twophase/TwoPhaseTables.h"

namespace twophase {

inline constexpr const char* kTableFileName = "RVTomsel.pro";
inline constexpr std::size_t kReservedBytes = 1024;
inline constexpr char kTableMagic[6] = {'Z', 'Q', 'T', '1', '8', '\0'};

std::size_t ExpectedTableFileLength(const TwoPhaseTables& tables);

enum class TableFileStatus {
  kLoaded,
  kMissing,      // cannot be opened
  kWrongLength,
  kBadMagic,
  kBadChecksum,  // damaged, or written by another program
  kBadContents,  // an entry out of range
};

// Reads and checks the whole file before anything reaches the tables; on any
// status but kLoaded the tables are left as they were.
TableFileStatus ReadTableFile(const std::string& path, TwoPhaseTables& tables);

// Writes a temporary file beside path and renames it into place, creating the
// directory when needed. False when anything fails; nothing half-written remains.
bool WriteTableFile(const std::string& path, const TwoPhaseTables& tables);

}  // namespace twophase
