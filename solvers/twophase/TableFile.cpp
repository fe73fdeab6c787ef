#include "solvers/twophase/TableFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

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

}  // namespace

std::size_t ExpectedTableFileLength(const TwoPhaseTables& tables) {
  std::size_t length = kReservedBytes + sizeof kTableMagic;
  for (const MvTable* table : MoveTablesInFileOrder(tables)) length += table->Entries().size() * 2;
  for (const PruneTable* table : PruneTablesInFileOrder(tables)) length += table->Bytes().size();
  return length;
}

TableFileStatus ReadTableFile(const std::string& path, TwoPhaseTables& tables) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return TableFileStatus::kMissing;
  const std::size_t expected = ExpectedTableFileLength(tables);
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size != expected) return TableFileStatus::kWrongLength;

  std::vector<std::uint8_t> data(expected);
  in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(expected));
  if (static_cast<std::size_t>(in.gcount()) != expected || in.peek() != std::ifstream::traits_type::eof()) {
    return TableFileStatus::kWrongLength;
  }
  if (std::memcmp(data.data() + kReservedBytes, kTableMagic, sizeof kTableMagic) != 0) {
    return TableFileStatus::kBadMagic;
  }
  if (!StoredChecksumMatches(data)) return TableFileStatus::kBadChecksum;
  if (!ContentsInRange(data, tables)) return TableFileStatus::kBadContents;
  CopyInto(data, tables);
  return TableFileStatus::kLoaded;
}

bool WriteTableFile(const std::string& path, const TwoPhaseTables& tables) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

  const std::vector<std::uint8_t> data = Serialise(tables);
  // A name of its own per writer, so that two programs writing at once do not mix.
  const fs::path temp = target.string() + ".tmp" + std::to_string(std::random_device{}());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) {
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace twophase
