#include "solvers/tablecache/TableCache.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>

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

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::status(path, ec));
}

// The first bytes of the file at path, at most count of them.
Bytes Head(const std::string& path, std::size_t count) {
  std::ifstream in(path, std::ios::binary);
  Bytes head(count);
  in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(count));
  head.resize(in ? count : static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return head;
}

// Nothing there, or one of our cache files: the only places a file is written.
bool MayWrite(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return true;
  if (!fs::is_regular_file(status)) return false;
  const Bytes head = Head(path, sizeof kMagic);
  return head.size() == sizeof kMagic && std::memcmp(head.data(), kMagic, sizeof kMagic) == 0;
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
  // Only a regular file is opened: a FIFO or device would block or never end.
  if (!IsRegularFile(path)) return std::nullopt;
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size < kHeaderBytes || size > kLargestFile) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::uint8_t h[kHeaderBytes];
  if (!in.read(reinterpret_cast<char*>(h), kHeaderBytes)) return std::nullopt;
  if (std::memcmp(h, kMagic, sizeof kMagic) != 0 || GetU64(h + 8) != key ||
      GetU64(h + 16) != size - kHeaderBytes) {
    return std::nullopt;
  }
  // Read straight into the payload: table sets are megabytes, a second copy costs.
  Bytes payload(static_cast<std::size_t>(size - kHeaderBytes));
  if (!in.read(reinterpret_cast<char*>(payload.data()), static_cast<std::streamsize>(payload.size())))
    return std::nullopt;
  if (GetU64(h + 24) != Hash(payload.data(), payload.size())) return std::nullopt;
  return payload;
}

bool StoreFile(const std::string& path, std::uint64_t key, const Bytes& payload) {
  if (!MayWrite(path)) return false;
  Bytes file(kMagic, kMagic + sizeof kMagic);
  PutU64(file, key);
  PutU64(file, payload.size());
  PutU64(file, Hash(payload.data(), payload.size()));
  file.insert(file.end(), payload.begin(), payload.end());

  std::error_code ec;
  const fs::path target(path);
  fs::create_directories(target.parent_path(), ec);
  // A name of our own beside the target, so processes writing at once never share one.
  const fs::path temporary = target.string() + ".tmp" + std::to_string(::getpid()) + "-" +
                             std::to_string(std::random_device{}());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      return false;
    }
  }
  // Checked again just before the rename: something else may have appeared meanwhile.
  if (!MayWrite(path)) {
    fs::remove(temporary, ec);
    return false;
  }
  fs::rename(temporary, target, ec);
  if (ec) fs::remove(temporary, ec);
  return !ec;
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
