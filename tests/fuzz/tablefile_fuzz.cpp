// libFuzzer target for the two-phase table-file reader. A table file is 5 MB, so
// most inputs describe changes to a valid file rather than a whole file. The
// first byte chooses how the rest is used:
//   0  the bytes of a whole file (any length);
//   1  byte changes to a valid file: records {offset (4 bytes), xor mask (1)};
//   2  entry changes to valid tables, written with a fresh checksum: records
//      {table (1), index (4), value (2)}, so the range checks behind the checksum
//      are reached.
// Whatever the input, the reader must refuse or load without crashing, and a
// loaded file must hold exactly the tables that were written (or, for mode 2,
// only entries in range).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "solvers/twophase/TableFile.h"
#include "solvers/twophase/TwoPhaseTables.h"

namespace {

using twophase::PruneTable;
using twophase::TableFileStatus;
using twophase::TwoPhaseTables;

TwoPhaseTables* gReference = nullptr;  // valid tables, changed and restored by mode 2
TwoPhaseTables* gLoaded = nullptr;     // what the reader fills
std::vector<std::uint8_t>* gImage = nullptr;  // the valid file, changed and restored by mode 1

std::uint32_t U32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }

bool SameContents(const TwoPhaseTables& x, const TwoPhaseTables& y) {
  return x.udEdgePerm.Entries() == y.udEdgePerm.Entries() && x.slicePerm.Entries() == y.slicePerm.Entries() &&
         x.cornerPerm.Entries() == y.cornerPerm.Entries() && x.pruneA.Bytes() == y.pruneA.Bytes() &&
         x.pruneB.Bytes() == y.pruneB.Bytes() && x.pruneC.Bytes() == y.pruneC.Bytes() &&
         x.pruneD.Bytes() == y.pruneD.Bytes() && x.pruneE.Bytes() == y.pruneE.Bytes();
}

void Require(bool condition) {
  if (!condition) std::abort();
}

void WholeFile(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const TableFileStatus status = twophase::ParseTableFile(bytes, *gLoaded);
  Require(status != TableFileStatus::kLoaded || size == gImage->size());
}

void ChangedBytes(const std::uint8_t* data, std::size_t size) {
  struct Change {
    std::size_t at;
    std::uint8_t old;
  };
  std::vector<Change> changes;
  for (; size >= 5; data += 5, size -= 5) {
    const std::size_t at = U32(data) % gImage->size();
    changes.push_back({at, (*gImage)[at]});
    (*gImage)[at] ^= data[4];
  }
  const TableFileStatus status = twophase::ParseTableFile(*gImage, *gLoaded);
  for (auto c = changes.rbegin(); c != changes.rend(); ++c) (*gImage)[c->at] = c->old;
  // Only changes to the uncovered part of the reserved block may still load.
  Require(status != TableFileStatus::kLoaded || SameContents(*gLoaded, *gReference));
}

// Entry k of a pruning table, in range as the reader must demand.
bool PruneEntryFits(const PruneTable& table, std::uint32_t k) {
  if (k >= table.EntryCount()) return true;  // the padding nibble
  const int value = table.Get(k);
  return value <= PruneTable::kMaxDistance && (value == 0) == (k == table.GoalEntry());
}

void ChangedEntries(const std::uint8_t* data, std::size_t size) {
  twophase::MvTable* moves[] = {&gReference->udEdgePerm, &gReference->slicePerm, &gReference->cornerPerm};
  PruneTable* prunes[] = {&gReference->pruneC, &gReference->pruneA, &gReference->pruneB, &gReference->pruneE,
                          &gReference->pruneD};
  struct Change {
    int table;
    std::size_t index;
    std::uint16_t old;
  };
  std::vector<Change> changes;
  for (; size >= 7; data += 7, size -= 7) {
    const int table = data[0] % 8;
    const std::uint32_t raw = U32(data + 1);
    const std::uint16_t value = static_cast<std::uint16_t>(data[5] | (data[6] << 8));
    if (table < 3) {
      auto& entries = moves[table]->Entries();
      const std::size_t index = raw % entries.size();
      changes.push_back({table, index, entries[index]});
      entries[index] = value;
    } else {
      auto& bytes = prunes[table - 3]->Bytes();
      const std::size_t index = raw % bytes.size();
      changes.push_back({table, index, bytes[index]});
      bytes[index] = static_cast<std::uint8_t>(value);
    }
  }
  bool fits = true;
  for (const Change& c : changes) {
    if (c.table < 3) {
      fits = fits && moves[c.table]->Entries()[c.index] < moves[c.table]->Count();
    } else {
      const PruneTable& t = *prunes[c.table - 3];
      fits = fits && PruneEntryFits(t, static_cast<std::uint32_t>(2 * c.index)) &&
             PruneEntryFits(t, static_cast<std::uint32_t>(2 * c.index + 1));
    }
  }
  const TableFileStatus status = twophase::ParseTableFile(twophase::TableFileBytes(*gReference), *gLoaded);
  Require((status == TableFileStatus::kLoaded) == fits);
  Require(status != TableFileStatus::kLoaded || SameContents(*gLoaded, *gReference));
  for (auto c = changes.rbegin(); c != changes.rend(); ++c) {
    if (c->table < 3) {
      moves[c->table]->Entries()[c->index] = c->old;
    } else {
      prunes[c->table - 3]->Bytes()[c->index] = static_cast<std::uint8_t>(c->old);
    }
  }
}

}  // namespace

// The valid tables come from ROVAN_TABLE_FILE when it names a valid table file
// (the release build's tests leave one beside rovan-cli), else they are built.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  gReference = new TwoPhaseTables;
  gLoaded = new TwoPhaseTables;
  const char* file = std::getenv("ROVAN_TABLE_FILE");
  const bool loaded = file && twophase::ReadTableFile(file, *gReference) == TableFileStatus::kLoaded;
  if (!loaded && !gReference->Build(nullptr)) std::abort();
  gImage = new std::vector<std::uint8_t>(twophase::TableFileBytes(*gReference));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // No change at all (fewer bytes than one record) would only load the valid file again.
  constexpr std::size_t kShortest[3] = {1, 1 + 5, 1 + 7};
  if (size == 0 || size < kShortest[data[0] % 3]) return 0;
  switch (data[0] % 3) {
    case 0: WholeFile(data + 1, size - 1); break;
    case 1: ChangedBytes(data + 1, size - 1); break;
    case 2: ChangedEntries(data + 1, size - 1); break;
  }
  return 0;
}
