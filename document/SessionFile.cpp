#include "document/SessionFile.h"

#include <cmath>
#include <cstring>

#include "model/viewmath/ViewMath.h"

namespace session {

namespace {

// "3X3X3 Rubik's Cube 状态文件" as UTF-16 code units.
const std::u16string kHeader = u"3X3X3 Rubik's Cube \u72B6\u6001\u6587\u4EF6";
constexpr int kMaxHeaderLine = 256;  // characters read while looking for the line feed

class Writer {
 public:
  void U16(std::uint16_t v) { Bytes(&v, 2); }
  void I32(std::int32_t v) { Bytes(&v, 4); }
  void F32(float v) { Bytes(&v, 4); }
  std::vector<std::uint8_t> out;

 private:
  // The program runs on little-endian machines only; the layout is the memory image.
  void Bytes(const void* p, size_t n) {
    auto b = static_cast<const std::uint8_t*>(p);
    out.insert(out.end(), b, b + n);
  }
};

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  bool U16(std::uint16_t& v) { return Bytes(&v, 2); }
  bool I32(std::int32_t& v) { return Bytes(&v, 4); }
  bool F32(float& v) { return Bytes(&v, 4); }
  bool AtEnd() const { return pos_ == bytes_.size(); }

 private:
  bool Bytes(void* p, size_t n) {
    if (bytes_.size() - pos_ < n) return false;
    std::memcpy(p, bytes_.data() + pos_, n);
    pos_ += n;
    return true;
  }
  const std::vector<std::uint8_t>& bytes_;
  size_t pos_ = 0;
};

// A text line of 16-bit characters up to a line feed, a carriage return before it dropped.
bool ReadHeaderLine(Reader& in, std::u16string& line) {
  for (int i = 0; i < kMaxHeaderLine; ++i) {
    std::uint16_t c;
    if (!in.U16(c)) return false;
    if (c == u'\n') {
      if (!line.empty() && line.back() == u'\r') line.pop_back();
      return true;
    }
    line.push_back(static_cast<char16_t>(c));
  }
  return false;
}

bool InRange(std::int32_t v, int lo, int hi) { return v >= lo && v <= hi; }
bool Near(float v, float target, float tolerance) { return std::fabs(v - target) <= tolerance; }  // false for NaN

// The wheel keeps the zoom within [kZoomMin, kZoomMax] and every preset lies
// inside; a little room either side, but never a cube too small or too large to see.
constexpr float kLowestZoom = viewmath::kZoomMin / 2;
constexpr float kHighestZoom = viewmath::kZoomMax * 2;

// The trackball only ever multiplies rotations: the upper 3×3 stays a rotation
// (up to the rounding that many drags add up), the rest as in the identity. The
// bounds are wide; what they keep out is a zero, flattened, mirrored, huge or
// shifted matrix, which would hide the cube.
bool IsRotation(const std::array<float, 16>& m) {
  constexpr int kOutside[] = {3, 7, 11, 12, 13, 14};  // column-major: bottom row, translation
  for (int i : kOutside)
    if (!Near(m[i], 0.0f, 0.01f)) return false;
  if (!Near(m[15], 1.0f, 0.01f)) return false;
  for (int column = 0; column < 3; ++column) {
    const float* c = &m[4 * column];
    const float length = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
    if (!(length >= 0.5f && length <= 2.0f)) return false;
  }
  const float det = m[0] * (m[5] * m[10] - m[9] * m[6]) - m[4] * (m[1] * m[10] - m[9] * m[2]) +
                    m[8] * (m[1] * m[6] - m[5] * m[2]);
  return det >= 0.25f && det <= 4.0f;
}

bool Plausible(const SessionData& d) {
  if (!InRange(d.order, 2, 7) || !InRange(d.moveCounter, 0, 99)) return false;
  if (!(d.zoom >= kLowestZoom && d.zoom <= kHighestZoom)) return false;  // NaN fails too
  if (!IsRotation(d.trackball)) return false;
  for (const auto& c : d.cubies) {
    for (int i = 0; i < 6; ++i) {
      if (!InRange(c.faceColour[i], 0, 6) || !InRange(c.stickerTurn[i], 0, 3)) return false;
    }
    for (float h : c.homeCentre)
      if (!std::isfinite(h)) return false;
  }
  for (const auto& t : d.history) {
    if (!InRange(t.axis, 0, 2) || !InRange(t.layer, 0, d.order - 1) || !InRange(t.dir, 0, 1))
      return false;
  }
  return true;
}

}  // namespace

ParseResult ParseSession(const std::vector<std::uint8_t>& bytes, SessionData& out) {
  if (bytes.empty()) return ParseResult::EmptyFile;
  Reader in(bytes);
  std::u16string line;
  if (!ReadHeaderLine(in, line) || line != kHeader) return ParseResult::Refused;

  SessionData d;
  std::uint16_t version;
  if (!in.U16(version) || version > kVersion) return ParseResult::Refused;
  d.version = version;
  if (!in.F32(d.zoom)) return ParseResult::Refused;
  for (float& m : d.trackball)
    if (!in.F32(m)) return ParseResult::Refused;
  if (!in.I32(d.moveCounter) || !in.I32(d.order)) return ParseResult::Refused;
  if (!InRange(d.order, 2, 7)) return ParseResult::Refused;

  d.cubies.resize(static_cast<size_t>(d.order) * d.order * d.order);
  for (auto& c : d.cubies) {
    for (auto& v : c.faceColour)
      if (!in.I32(v)) return ParseResult::Refused;
    for (auto& v : c.homeCentre)
      if (!in.F32(v)) return ParseResult::Refused;
    for (auto& v : c.stickerTurn)
      if (!in.I32(v)) return ParseResult::Refused;
  }
  if (version >= 2) {
    std::int32_t count;
    if (!in.I32(count) || count < 0) return ParseResult::Refused;
    // Each record needs 12 bytes: a count the file cannot hold is refused before reserving.
    for (std::int32_t i = 0; i < count; ++i) {
      TurnRecordData t{};
      if (!in.I32(t.axis) || !in.I32(t.layer) || !in.I32(t.dir)) return ParseResult::Refused;
      d.history.push_back(t);
    }
  }
  if (!Plausible(d)) return ParseResult::Refused;
  out = std::move(d);
  return ParseResult::Loaded;
}

std::vector<std::uint8_t> WriteSession(const SessionData& d) {
  Writer w;
  for (char16_t c : kHeader) w.U16(c);
  w.U16(u'\r');
  w.U16(u'\n');
  w.U16(static_cast<std::uint16_t>(d.version));
  w.F32(d.zoom);
  for (float m : d.trackball) w.F32(m);
  w.I32(d.moveCounter);
  w.I32(d.order);
  for (const auto& c : d.cubies) {
    for (auto v : c.faceColour) w.I32(v);
    for (auto v : c.homeCentre) w.F32(v);
    for (auto v : c.stickerTurn) w.I32(v);
  }
  if (d.version >= 2) {
    w.I32(static_cast<std::int32_t>(d.history.size()));
    for (const auto& t : d.history) {
      w.I32(t.axis);
      w.I32(t.layer);
      w.I32(t.dir);
    }
  }
  return std::move(w.out);
}

fileio::ReadStatus ReadSessionFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  return fileio::ReadRegularFile(path, kMaxFileBytes, bytes);
}

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
  return ReadSessionFile(path, bytes) == fileio::ReadStatus::kRead;
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  return fileio::ReplaceFile(path, bytes) == fileio::WriteStatus::kWritten;
}

}  // namespace session
