#pragma once
// Solver tables that take long to build are kept as files in the program's
// cache folders (those of the two-phase table file), so that a machine builds
// them once and later processes load them. Each file holds one table set:
//
//   offset  bytes  content
//   0       8      magic "RVTCACHE"
//   8       8      key: changes whenever the data the tables are built from change
//   16      8      payload length
//   24      8      checksum of the payload
//   32      …      payload (the table set's own format)
//
// A file is used only when it is a regular file whose header, length, key and
// checksum all match; the caller still checks the payload's contents. Files
// are written whole (a temporary file renamed into place) and only where no
// file of that name is or where one of these cache files is (damaged or
// stale); any other file is left as it is. All numbers little-endian.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tablecache {

using Bytes = std::vector<std::uint8_t>;

// The folders to use, most preferred first. Until this is called (tests,
// benchmarks) no file is read or written and every table is built.
void SetFolders(std::vector<std::string> folders);
// The folders the given files are in, in the same order.
void SetFoldersOf(const std::vector<std::string>& files);

// The payload of the first valid file `name` with this key in the folders.
std::optional<Bytes> Load(const std::string& name, std::uint64_t key);
// Writes the payload into the first folder where that is allowed and works;
// false when none took it (the tables are then simply built again next time).
bool Store(const std::string& name, std::uint64_t key, const Bytes& payload);

// The same on explicit paths.
std::optional<Bytes> LoadFile(const std::string& path, std::uint64_t key);
bool StoreFile(const std::string& path, std::uint64_t key, const Bytes& payload);

// FNV-1a over 64-bit words, then the tail bytewise: the payload checksum, also
// good for making keys.
std::uint64_t Hash(const void* data, std::size_t size, std::uint64_t seed = 1469598103934665603ull);

// Little-endian writing and bounds-checked reading of payloads.
void PutU32(Bytes& out, std::uint32_t value);
class Reader {
 public:
  explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
  bool U8(std::uint8_t& value);
  bool U32(std::uint32_t& value);
  bool Take(std::size_t count, const std::uint8_t*& at);
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  const Bytes& bytes_;
  std::size_t at_ = 0;
};

}  // namespace tablecache
