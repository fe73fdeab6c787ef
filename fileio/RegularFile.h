#pragma once
// Whole-file reading and writing for every file the program opens by name:
// session documents, the two-phase table file and background pictures.
//
// Only regular files are read, and never more than the caller's limit, so a
// folder, FIFO, device or endless file is refused at once instead of blocking
// or filling memory. Writing replaces a file as a whole (temporary file in the
// same folder, then rename), through symbolic links, keeping the old file's
// permission bits. Nothing here throws: every failure is a status that the
// caller turns into its own refusal.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fileio {

enum class ReadStatus {
  kRead,
  kMissing,     // nothing at the path
  kNotRegular,  // a folder, FIFO, device or socket
  kTooLarge,    // more bytes than the caller's limit
  kUnreadable,  // no permission, or a read error
};

// The whole file at path (symbolic links followed). On any status but kRead
// bytes is left empty.
ReadStatus ReadRegularFile(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);

// A few words for a message: "no such file", "not a regular file", …
const char* ReadProblem(ReadStatus status);

// The path after following symbolic links to what they name, which need not
// exist yet. A chain too long or unreadable gives the path as it was.
std::string ResolveLinks(const std::string& path);

enum class PathKind { kNothing, kRegularFile, kOther };
// What is at the path once symbolic links are followed; kOther for a folder,
// FIFO, device or socket.
PathKind KindAt(const std::string& path);

enum class WriteStatus {
  kWritten,
  kNotRegular,  // a folder, FIFO, device or socket is there: never opened, never replaced
  kRefused,     // the caller's check turned the existing file down
  kFailed,      // the folder is missing or not writable, or a write failed
};

struct WriteOptions {
  bool createFolders = false;
  // Asked with the resolved path of an existing regular file before it is
  // replaced; empty means any regular file may be replaced.
  std::function<bool(const std::string& target)> mayReplace;
};

// Writes bytes as the file at path, through symbolic links to the file they
// name. The bytes go to a new file beside the target, which is renamed over it
// only when complete, so a failure leaves the old file as it was. A replaced
// file's permission bits (and owner, where allowed) are kept; a new file gets
// the usual mode for the user's umask.
WriteStatus ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                        const WriteOptions& options = {});

}  // namespace fileio
