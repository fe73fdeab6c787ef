#include "solvers/twophase/TableFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fileio/RegularFile.h"

namespace twophase {

namespace {

constexpr char kChecksumTag[8] = {'R', 'V', 'S', 'U', 'M', '6', '4', '\0'};

// The file's parts in order: move tables, then pruning tables.
std::array<const MvTable*, 3> MoveTablesInFileOrder(const TwoPhaseTables& t) {
  return {&t.udEdgePerm, &t.slicePerm, &t.cornerPerm};
}
std::array<const PruneTable*, 5> PruneTablesInFileOrder(const TwoPhaseTables& t) {
  return {&t.pruneC, &t.pruneA, &t.pruneB, &t.pruneE, &t.pruneD};
}

// FNV-1a over 64-bit little-endian words, the tail bytewise.
std::uint64_t Checksum(const std::uint8_t* data, std::size_t size) {
  std::uint64_t h = 1469598103934665603ull;
  constexpr std::uint64_t kPrime = 1099511628211ull;
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word = 0;
    for (int b = 7; b >= 0; --b) word = (word << 8) | data[i + static_cast<std::size_t>(b)];
    h = (h ^ word) * kPrime;
  }
  for (; i < size; ++i) h = (h ^ data[i]) * kPrime;
  return h;
}

std::uint16_t ReadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

bool MoveTableInRange(const std::uint8_t* p, const MvTable& table) {
  const std::size_t n = table.Entries().size();
  for (std::size_t i = 0; i < n; ++i) {
    if (ReadU16(p + 2 * i) >= table.Count()) return false;
  }
  return true;
}

bool PruneTableInRange(const std::uint8_t* p, const PruneTable& table) {
  const std::uint32_t entries = table.EntryCount();
  for (std::uint32_t k = 0; k < entries; ++k) {
    const int value = (p[k >> 1] >> ((k & 1) * 4)) & 15;
    if (value > PruneTable::kMaxDistance) return false;
    if ((value == 0) != (k == table.GoalEntry())) return false;
  }
  return true;
}

std::vector<std::uint8_t> Serialise(const TwoPhaseTables& tables) {
  std::vector<std::uint8_t> out(ExpectedTableFileLength(tables), 0);
  std::size_t at = kReservedBytes;
  std::memcpy(out.data() + at, kTableMagic, sizeof kTableMagic);
  at += sizeof kTableMagic;
  for (const MvTable* table : MoveTablesInFileOrder(tables)) {
    for (std::uint16_t v : table->Entries()) {
      out[at++] = static_cast<std::uint8_t>(v & 0xFF);
      out[at++] = static_cast<std::uint8_t>(v >> 8);
    }
  }
  for (const PruneTable* table : PruneTablesInFileOrder(tables)) {
    std::copy(table->Bytes().begin(), table->Bytes().end(), out.begin() + static_cast<std::ptrdiff_t>(at));
    at += table->Bytes().size();
  }
  std::memcpy(out.data(), kChecksumTag, sizeof kChecksumTag);
  std::uint64_t sum = Checksum(out.data() + kReservedBytes, out.size() - kReservedBytes);
  for (int b = 0; b < 8; ++b) out[sizeof kChecksumTag + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(sum >> (8 * b));
  return out;
}

bool StoredChecksumMatches(const std::vector<std::uint8_t>& data) {
  if (std::memcmp(data.data(), kChecksumTag, sizeof kChecksumTag) != 0) return false;
  std::uint64_t stored = 0;
  for (int b = 7; b >= 0; --b) stored = (stored << 8) | data[sizeof kChecksumTag + static_cast<std::size_t>(b)];
  return stored == Checksum(data.data() + kReservedBytes, data.size() - kReservedBytes);
}

bool ContentsInRange(const std::vector<std::uint8_t>& data, const TwoPhaseTables& tables) {
  std::size_t at = kReservedBytes + sizeof kTableMagic;
  for (const MvTable* table : MoveTablesInFileOrder(tables)) {
    if (!MoveTableInRange(data.data() + at, *table)) return false;
    at += table->Entries().size() * 2;
  }
  for (const PruneTable* table : PruneTablesInFileOrder(tables)) {
    if (!PruneTableInRange(data.data() + at, *table)) return false;
    at += table->Bytes().size();
  }
  return true;
}

void CopyInto(const std::vector<std::uint8_t>& data, TwoPhaseTables& tables) {
  std::size_t at = kReservedBytes + sizeof kTableMagic;
  for (MvTable* table : {static_cast<MvTable*>(&tables.udEdgePerm), static_cast<MvTable*>(&tables.slicePerm),
                         static_cast<MvTable*>(&tables.cornerPerm)}) {
    for (std::uint16_t& v : table->Entries()) {
      v = ReadU16(data.data() + at);
      at += 2;
    }
  }
  for (PruneTable* table : {&tables.pruneC, &tables.pruneA, &tables.pruneB, &tables.pruneE, &tables.pruneD}) {
    auto& bytes = table->Bytes();
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(at), bytes.size(), bytes.begin());
    at += bytes.size();
  }
}

// The start of a file written by a table writer: the checksum tag, or the magic
// after the reserved block (left zero by other writers).
bool BeginsAsTableFile(const std::vector<std::uint8_t>& data) {
  const bool tagged = data.size() >= sizeof kChecksumTag &&
                      std::memcmp(data.data(), kChecksumTag, sizeof kChecksumTag) == 0;
  const bool magic = data.size() >= kReservedBytes + sizeof kTableMagic &&
                     std::memcmp(data.data() + kReservedBytes, kTableMagic, sizeof kTableMagic) == 0;
  return tagged || magic;
}

// Whether the existing regular file at target (links resolved) may be replaced by tables.
bool MayBecomeTableFile(const std::string& target) {
  if (std::filesystem::path(target).filename() == kTableFileName) return true;
  // No table file is larger than this: anything larger is something else.
  constexpr std::size_t kLargestTableFile = 16u << 20;
  std::vector<std::uint8_t> data;
  return fileio::ReadRegularFile(target, kLargestTableFile, data) == fileio::ReadStatus::kRead &&
         BeginsAsTableFile(data);
}

}  // namespace

std::size_t ExpectedTableFileLength(const TwoPhaseTables& tables) {
  std::size_t length = kReservedBytes + sizeof kTableMagic;
  for (const MvTable* table : MoveTablesInFileOrder(tables)) length += table->Entries().size() * 2;
  for (const PruneTable* table : PruneTablesInFileOrder(tables)) length += table->Bytes().size();
  return length;
}

TableFileStatus ParseTableFile(const std::vector<std::uint8_t>& data, TwoPhaseTables& tables) {
  if (data.size() != ExpectedTableFileLength(tables)) return TableFileStatus::kWrongLength;
  if (std::memcmp(data.data() + kReservedBytes, kTableMagic, sizeof kTableMagic) != 0) {
    return TableFileStatus::kBadMagic;
  }
  if (!StoredChecksumMatches(data)) return TableFileStatus::kBadChecksum;
  if (!ContentsInRange(data, tables)) return TableFileStatus::kBadContents;
  CopyInto(data, tables);
  return TableFileStatus::kLoaded;
}

TableFileStatus ReadTableFile(const std::string& path, TwoPhaseTables& tables) {
  std::vector<std::uint8_t> data;
  switch (fileio::ReadRegularFile(path, ExpectedTableFileLength(tables), data)) {
    case fileio::ReadStatus::kRead: return ParseTableFile(data, tables);
    case fileio::ReadStatus::kMissing: return TableFileStatus::kMissing;
    case fileio::ReadStatus::kNotRegular: return TableFileStatus::kNotRegular;
    case fileio::ReadStatus::kTooLarge: return TableFileStatus::kWrongLength;
    case fileio::ReadStatus::kUnreadable: return TableFileStatus::kUnreadable;
  }
  return TableFileStatus::kUnreadable;
}

std::vector<std::uint8_t> TableFileBytes(const TwoPhaseTables& tables) { return Serialise(tables); }

TableFilePlace InspectTableFilePlace(const std::string& path) {
  const std::string target = fileio::ResolveLinks(path);
  switch (fileio::KindAt(target)) {
    case fileio::PathKind::kNothing: return TableFilePlace::kFree;
    case fileio::PathKind::kOther: return TableFilePlace::kNotRegular;
    case fileio::PathKind::kRegularFile: break;
  }
  return MayBecomeTableFile(target) ? TableFilePlace::kTableFile : TableFilePlace::kOtherFile;
}

bool WriteTableFile(const std::string& path, const TwoPhaseTables& tables) {
  fileio::WriteOptions options;
  options.createFolders = true;
  options.mayReplace = MayBecomeTableFile;
  return fileio::ReplaceFile(path, Serialise(tables), options) == fileio::WriteStatus::kWritten;
}

bool LoadOrBuildTables(TwoPhaseTables& tables, const std::vector<std::string>& files,
                       const std::function<void(const std::string&)>& progress, const std::atomic<bool>* cancel) {
  for (const auto& path : files) {
    if (ReadTableFile(path, tables) == TableFileStatus::kLoaded) return true;
  }
  if (!tables.Build(progress, cancel)) return false;
  for (const auto& path : files) {
    if (WriteTableFile(path, tables)) break;
  }
  return true;
}

}  // namespace twophase
