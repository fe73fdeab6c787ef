#include "solvers/tablecache/TableCache.h"

#include <cstring>
#include <filesystem>
#include <mutex>

#include "fileio/RegularFile.h"

namespace tablecache {

namespace {

namespace fs = std::filesystem;

constexpr char kMagic[8] = {'R', 'V', 'T', 'C', 'A', 'C', 'H', 'E'};
constexpr std::size_t kHeaderBytes = 32;
constexpr std::uint64_t kLargestFile = 64u << 20;  // far above any table set

std::mutex gFoldersMutex;
std::vector<std::string> gFolders;

void PutU64(Bytes& out, std::uint64_t value) {
  for (int b = 0; b < 8; ++b) out.push_back(static_cast<std::uint8_t>(value >> (8 * b)));
}

std::uint64_t GetU64(const std::uint8_t* p) {
  std::uint64_t value = 0;
  for (int b = 7; b >= 0; --b) value = value << 8 | p[b];
  return value;
}

bool HasOurHeader(const Bytes& file) {
  return file.size() >= sizeof kMagic && std::memcmp(file.data(), kMagic, sizeof kMagic) == 0;
}

// Nothing there, or one of our cache files: the only places a file is written.
bool MayReplace(const std::string& target) {
  Bytes existing;
  return fileio::ReadRegularFile(target, kLargestFile, existing) == fileio::ReadStatus::kRead &&
         HasOurHeader(existing);
}

std::vector<std::string> Folders() {
  std::lock_guard<std::mutex> lock(gFoldersMutex);
  return gFolders;
}

}  // namespace

std::uint64_t Hash(const void* data, std::size_t size, std::uint64_t seed) {
  constexpr std::uint64_t kPrime = 1099511628211ull;
  const auto* p = static_cast<const std::uint8_t*>(data);
  std::uint64_t h = seed;
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) h = (h ^ GetU64(p + i)) * kPrime;  // a word at a time: megabytes in a millisecond or two
  for (; i < size; ++i) h = (h ^ p[i]) * kPrime;
  return h;
}

void PutU32(Bytes& out, std::uint32_t value) {
  for (int b = 0; b < 4; ++b) out.push_back(static_cast<std::uint8_t>(value >> (8 * b)));
}

bool Reader::Take(std::size_t count, const std::uint8_t*& at) {
  if (bytes_.size() - at_ < count) return false;
  at = bytes_.data() + at_;
  at_ += count;
  return true;
}

bool Reader::U8(std::uint8_t& value) {
  const std::uint8_t* p = nullptr;
  if (!Take(1, p)) return false;
  value = *p;
  return true;
}

bool Reader::U32(std::uint32_t& value) {
  const std::uint8_t* p = nullptr;
  if (!Take(4, p)) return false;
  value = static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
  return true;
}

void SetFolders(std::vector<std::string> folders) {
  std::lock_guard<std::mutex> lock(gFoldersMutex);
  gFolders = std::move(folders);
}

void SetFoldersOf(const std::vector<std::string>& files) {
  std::vector<std::string> folders;
  for (const auto& file : files) folders.push_back(fs::path(file).parent_path().string());
  SetFolders(std::move(folders));
}

std::optional<Bytes> LoadFile(const std::string& path, std::uint64_t key) {
  // Only a regular file is read: a FIFO or device would block or never end.
  Bytes file;
  if (fileio::ReadRegularFile(path, kLargestFile, file) != fileio::ReadStatus::kRead) return std::nullopt;
  if (file.size() < kHeaderBytes || !HasOurHeader(file) || GetU64(file.data() + 8) != key ||
      GetU64(file.data() + 16) != file.size() - kHeaderBytes ||
      GetU64(file.data() + 24) != Hash(file.data() + kHeaderBytes, file.size() - kHeaderBytes)) {
    return std::nullopt;
  }
  return Bytes(file.begin() + kHeaderBytes, file.end());
}

bool StoreFile(const std::string& path, std::uint64_t key, const Bytes& payload) {
  Bytes file(kMagic, kMagic + sizeof kMagic);
  PutU64(file, key);
  PutU64(file, payload.size());
  PutU64(file, Hash(payload.data(), payload.size()));
  file.insert(file.end(), payload.begin(), payload.end());
  fileio::WriteOptions options;
  options.createFolders = true;
  options.mayReplace = MayReplace;
  return fileio::ReplaceFile(path, file, options) == fileio::WriteStatus::kWritten;
}

std::optional<Bytes> Load(const std::string& name, std::uint64_t key) {
  for (const std::string& folder : Folders())
    if (auto payload = LoadFile((fs::path(folder) / name).string(), key)) return payload;
  return std::nullopt;
}

bool Store(const std::string& name, std::uint64_t key, const Bytes& payload) {
  for (const std::string& folder : Folders())
    if (StoreFile((fs::path(folder) / name).string(), key, payload)) return true;
  return false;
}

}  // namespace tablecache
