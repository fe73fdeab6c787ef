#include "solvers/threestage/TablesFile.h"

#include <cstring>

#include "solvers/threestage/StickerCube.h"
#include "solvers/threestage/data/StoredSequences.h"

namespace threestage {

namespace {

using tablecache::Bytes;
using tablecache::Reader;

constexpr std::uint64_t kFormat = 1;  // this file's payload layout

void PutSequence(Bytes& out, std::uint8_t length, const std::uint8_t* moves) {
  out.push_back(length);
  if (length != TableSequence::kBlank) out.insert(out.end(), moves, moves + length);
}

bool GetMoves(Reader& in, std::uint8_t length, int longest, std::uint8_t* moves) {
  if (length > longest) return false;
  const std::uint8_t* at = nullptr;
  if (!in.Take(length, at)) return false;
  for (int i = 0; i < length; ++i)
    if (at[i] >= kTurnCodes) return false;
  std::memcpy(moves, at, length);
  return true;
}

std::uint64_t HashParts(const StoredPart* const* parts, int count, std::uint64_t h) {
  for (int p = 0; p < count; ++p)
    for (int i = 0; i < parts[p]->count; ++i)
      h = tablecache::Hash(parts[p]->pieces[i], std::strlen(parts[p]->pieces[i]), h);
  return h;
}

}  // namespace

std::uint64_t TablesCacheKey() {
  std::uint64_t h = tablecache::Hash(&kFormat, sizeof kFormat);
  h = HashParts(kStoredF2LParts, kStoredF2LPartCount, h);
  return HashParts(kStoredLastLayerParts, kStoredLastLayerPartCount, h);
}

Bytes SerialiseTables(const ThreeStageTables& tables) {
  Bytes out(tables.cross.begin(), tables.cross.end());
  for (int t = 0; t < kF2LTableCount; ++t)
    for (const TableSequence& e : tables.f2l[t]) PutSequence(out, e.length, e.moves.data());
  // The last-layer index is sparse: only the filled cases, by index.
  tablecache::PutU32(out, static_cast<std::uint32_t>(tables.lastLayerFilled));
  for (std::size_t i = 0; i < tables.lastLayer.size(); ++i)
    if (tables.lastLayer[i] != 0) {
      tablecache::PutU32(out, static_cast<std::uint32_t>(i));
      tablecache::PutU32(out, tables.lastLayer[i]);
    }
  tablecache::PutU32(out, static_cast<std::uint32_t>(tables.lastLayerSolutions.size()));
  for (const Moves& m : tables.lastLayerSolutions) PutSequence(out, static_cast<std::uint8_t>(m.size()), m.data());
  return out;
}

std::optional<ThreeStageTables> ParseTables(const Bytes& payload) {
  ThreeStageTables tables;
  Reader in(payload);
  const std::uint8_t* cross = nullptr;
  if (!in.Take(kCrossCases, cross)) return std::nullopt;
  tables.cross.assign(cross, cross + kCrossCases);
  for (std::uint8_t next : tables.cross)
    if (next > kTurnCodes) return std::nullopt;
  for (int t = 0; t < kF2LTableCount; ++t) {
    tables.f2l[t].assign(F2LTableCases(t), TableSequence{});
    for (TableSequence& e : tables.f2l[t]) {
      if (!in.U8(e.length)) return std::nullopt;
      if (e.Blank()) continue;
      if (!GetMoves(in, e.length, kF2LMaxLength, e.moves.data())) return std::nullopt;
      ++tables.f2lFilled[t];
    }
  }
  std::uint32_t filled = 0, solutions = 0;
  if (!in.U32(filled) || filled > kLastLayerCases) return std::nullopt;
  tables.lastLayer.assign(kLastLayerCases, 0);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> refs(filled);
  for (auto& [index, ref] : refs)
    if (!in.U32(index) || !in.U32(ref) || index >= kLastLayerCases || ref == 0) return std::nullopt;
  if (!in.U32(solutions) || solutions > kLastLayerCases) return std::nullopt;
  for (const auto& [index, ref] : refs) {
    if (ref > solutions || tables.lastLayer[index] != 0) return std::nullopt;
    tables.lastLayer[index] = ref;
  }
  tables.lastLayerFilled = static_cast<int>(filled);
  tables.lastLayerSolutions.resize(solutions);
  for (Moves& m : tables.lastLayerSolutions) {
    std::uint8_t length = 0;
    std::array<std::uint8_t, kLastLayerMaxLength> moves{};
    if (!in.U8(length) || !GetMoves(in, length, kLastLayerMaxLength, moves.data())) return std::nullopt;
    m.assign(moves.begin(), moves.begin() + length);
  }
  if (!in.AtEnd()) return std::nullopt;
  tables.dataValid = true;  // only tables built from whole lists are stored
  return tables;
}

ThreeStageTables LoadOrBuildThreeStageTables() {
  const std::uint64_t key = TablesCacheKey();
  if (const auto payload = tablecache::Load(kTablesCacheName, key))
    if (auto tables = ParseTables(*payload)) return std::move(*tables);
  ThreeStageTables tables = BuildThreeStageTables();
  if (tables.dataValid) tablecache::Store(kTablesCacheName, key, SerialiseTables(tables));
  return tables;
}

}  // namespace threestage
