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
// A file is used only when it is a regular file, its length, magic and checksum
// match and every entry is in range (move entries below their count, pruning
// values 0–14, goal entries 0); anything else is reported and the caller rebuilds.
//
// The file is written only where no file is, or over a file that this program
// may take as its own table file: one named RVTomsel.pro (the name the program
// gives its table files), or one that begins as a table file does (the checksum
// tag at 0 or the magic at 1024: a damaged or older table file). Any other file,
// say a mistyped path to a document, is refused and left as it is; a folder,
// FIFO or device is never opened for writing.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "solvers/twophase/TwoPhaseTables.h"

namespace twophase {

inline constexpr const char* kTableFileName = "RVTomsel.pro";
inline constexpr std::size_t kReservedBytes = 1024;
inline constexpr char kTableMagic[6] = {'Z', 'Q', 'T', '1', '8', '\0'};

std::size_t ExpectedTableFileLength(const TwoPhaseTables& tables);

enum class TableFileStatus {
  kLoaded,
  kMissing,      // no file at the path
  kNotRegular,   // a folder, FIFO or device: not even opened
  kUnreadable,   // no permission, or a read error
  kWrongLength,
  kBadMagic,
  kBadChecksum,  // damaged, or written by another program
  kBadContents,  // an entry out of range
};

// Reads and checks the whole file before anything reaches the tables; on any
// status but kLoaded the tables are left as they were.
TableFileStatus ReadTableFile(const std::string& path, TwoPhaseTables& tables);
// The same for the bytes of a file already read.
TableFileStatus ParseTableFile(const std::vector<std::uint8_t>& data, TwoPhaseTables& tables);
// The bytes of the file for the tables (built or loaded).
std::vector<std::uint8_t> TableFileBytes(const TwoPhaseTables& tables);

enum class TableFilePlace {
  kFree,        // nothing there (after following symbolic links)
  kTableFile,   // a regular file the tables may replace
  kOtherFile,   // a regular file of something else: never replaced
  kNotRegular,  // a folder, FIFO or device
};
TableFilePlace InspectTableFilePlace(const std::string& path);

// Writes a temporary file beside path and renames it into place, creating the
// directory when needed. False when anything fails or the place is not kFree or
// kTableFile; nothing half-written remains.
bool WriteTableFile(const std::string& path, const TwoPhaseTables& tables);

// Loads the first file in files that is valid; otherwise builds the tables
// (progress texts as TwoPhaseTables::Build) and writes them to the first file
// that can be written. Failing to write never fails the call; false only when
// the build was cancelled.
bool LoadOrBuildTables(TwoPhaseTables& tables, const std::vector<std::string>& files,
                       const std::function<void(const std::string&)>& progress,
                       const std::atomic<bool>* cancel = nullptr);

}  // namespace twophase
