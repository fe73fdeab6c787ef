#include "fileio/RegularFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fileio {

namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit
constexpr int kTempNameTries = 100;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    if (fd_ < 0) return true;
    const bool ok = ::close(fd_) == 0;
    fd_ = -1;
    return ok;
  }

 private:
  int fd_;
};

ReadStatus StatusOfErrno(int error) {
  return error == ENOENT || error == ENOTDIR ? ReadStatus::kMissing : ReadStatus::kUnreadable;
}

// Reads until the end of the file or until more than maxBytes have come.
ReadStatus ReadAll(int fd, std::size_t expected, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
  bytes.resize(std::min(expected, maxBytes) + 1);
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) {
      if (have > maxBytes) return ReadStatus::kTooLarge;  // the file grew while being read
      bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
    }
    const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (got < 0) {
      if (errno == EINTR) continue;
      return ReadStatus::kUnreadable;
    }
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  if (have > maxBytes) return ReadStatus::kTooLarge;
  bytes.resize(have);
  return ReadStatus::kRead;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// A name of its own per writer and call, so that two writers never share one.
std::string TempNameFor(const std::string& target, int attempt) {
  static std::atomic<unsigned> serial{0};
  return target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "-" +
         std::to_string(attempt);
}

// Makes the data reach the disk before the rename makes it the file; a folder
// that cannot be synced (some file systems) is no reason to fail.
void SyncFolder(const std::string& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() >= 0) ::fsync(dir.Get());
}

}  // namespace

ReadStatus ReadRegularFile(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  // Look before opening: opening some devices already does something.
  struct stat before {};
  if (::stat(path.c_str(), &before) != 0) return StatusOfErrno(errno);
  if (!S_ISREG(before.st_mode)) return ReadStatus::kNotRegular;
  if (static_cast<std::uintmax_t>(before.st_size) > maxBytes) return ReadStatus::kTooLarge;

  // O_NONBLOCK: should the path have become a FIFO meanwhile, open does not wait for a writer.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.Get() < 0) return StatusOfErrno(errno);
  struct stat opened {};
  if (::fstat(fd.Get(), &opened) != 0) return ReadStatus::kUnreadable;
  if (!S_ISREG(opened.st_mode)) return ReadStatus::kNotRegular;
  if (static_cast<std::uintmax_t>(opened.st_size) > maxBytes) return ReadStatus::kTooLarge;

  const ReadStatus status = ReadAll(fd.Get(), static_cast<std::size_t>(opened.st_size), maxBytes, bytes);
  if (status != ReadStatus::kRead) bytes.clear();
  return status;
}

const char* ReadProblem(ReadStatus status) {
  switch (status) {
    case ReadStatus::kRead: return "read";
    case ReadStatus::kMissing: return "no such file";
    case ReadStatus::kNotRegular: return "not a regular file";
    case ReadStatus::kTooLarge: return "too large";
    case ReadStatus::kUnreadable: return "cannot be read";
  }
  return "cannot be read";
}

std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof target) return path;
    const std::filesystem::path next(std::string(target, static_cast<std::size_t>(length)));
    current = next.is_absolute() ? next.string() : (std::filesystem::path(FolderOf(current)) / next).string();
  }
  return path;
}

PathKind KindAt(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return PathKind::kNothing;
  return S_ISREG(st.st_mode) ? PathKind::kRegularFile : PathKind::kOther;
}

WriteStatus ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes, const WriteOptions& options) {
  const std::string target = ResolveLinks(path);
  struct stat old {};
  const bool replacing = ::lstat(target.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) return WriteStatus::kNotRegular;
  if (replacing && options.mayReplace && !options.mayReplace(target)) return WriteStatus::kRefused;

  const std::string folder = FolderOf(target);
  if (options.createFolders) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
  }

  // Created with the old file's mode (or the usual one), so the new contents are
  // never readable by more people than the finished file.
  const mode_t mode = replacing ? (old.st_mode & 0777) : 0666;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < kTempNameTries && fd < 0; ++attempt) {
    temp = TempNameFor(target, attempt);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0 && errno != EEXIST) return WriteStatus::kFailed;
  }
  if (fd < 0) return WriteStatus::kFailed;
  Descriptor file(fd);

  bool ok = WriteAll(file.Get(), bytes);
  if (ok && replacing) {
    // The owner can only be kept where the user may give the file to it; the
    // mode after it, since a change of owner clears set-id bits.
    if (::fchown(file.Get(), old.st_uid, old.st_gid) != 0) { /* keep the writer's owner */ }
    ok = ::fchmod(file.Get(), old.st_mode & 07777) == 0;
  }
  ok = ok && ::fsync(file.Get()) == 0;
  ok = file.Close() && ok;
  if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return WriteStatus::kFailed;
  }
  SyncFolder(folder);
  return WriteStatus::kWritten;
}

}  // namespace fileio
