#pragma once
// The session document (.rvs): the cube of any order 2..7 with every cubie, the
// turn history and the camera, little-endian, no padding:
//
//   0   46  header "3X3X3 Rubik's Cube 状态文件", 23 UTF-16LE characters
//   46   4  line end "\r\n" in UTF-16LE
//   50   2  version (written as 2; 1 has no history)
//   52   4  zoom (float)
//   56  64  trackball rotation matrix, 16 floats, column-major
//   120  4  trackball move counter (0..99)
//   124  4  order N
//   128 60·N³ cubies, x outermost, then y, then z; each: faceColour[6] (int32,
//            sides +X −X +Y −Y +Z −Z), homeCentre[3] (float), stickerTurn[6] (int32)
//   …    4  history count n (version ≥ 2), then n records {axis, layer, dir} (int32)
//
// A file is parsed completely into a SessionData and checked before anything of
// the running session is replaced; saving writes a temporary file renamed into place.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fileio/RegularFile.h"

namespace session {

inline constexpr int kVersion = 2;
inline constexpr int kHeaderBytes = 50;  // header text and line end
inline constexpr int kCubieBytes = 60;

struct CubieRecord {
  std::array<std::int32_t, 6> faceColour{};   // 0..5 colours, 6 = no sticker
  std::array<float, 3> homeCentre{};
  std::array<std::int32_t, 6> stickerTurn{};  // 0..3
  bool operator==(const CubieRecord&) const = default;
};

struct TurnRecordData {
  std::int32_t axis, layer, dir;
  bool operator==(const TurnRecordData&) const = default;
};

struct SessionData {
  int version = kVersion;
  float zoom = 1.0f;
  std::array<float, 16> trackball{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  std::int32_t moveCounter = 0;
  std::int32_t order = 3;
  std::vector<CubieRecord> cubies;  // N³, slot order
  std::vector<TurnRecordData> history;
  bool operator==(const SessionData&) const = default;
};

enum class ParseResult {
  Loaded,     // `out` holds a checked session
  EmptyFile,  // a file of length 0: open it, change nothing
  Refused,    // wrong header, version above 2, early end or values out of range
              // (a camera that would not show the cube among them)
};

ParseResult ParseSession(const std::vector<std::uint8_t>& bytes, SessionData& out);
// The bytes of a version-2 file (or version 1, without the history, when data.version is 1).
std::vector<std::uint8_t> WriteSession(const SessionData& data);

// No session comes near this size (order 7 with a million recorded turns is 12 MB).
inline constexpr std::size_t kMaxFileBytes = 64u << 20;

// Whole-file helpers over fileio's: only a regular file of at most kMaxFileBytes
// is read; saving replaces the file as a whole (through symbolic links, keeping
// its mode), so a failed save leaves the previous file as it was.
fileio::ReadStatus ReadSessionFile(const std::string& path, std::vector<std::uint8_t>& bytes);
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace session
