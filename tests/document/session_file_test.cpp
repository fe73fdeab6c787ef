#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>

#include "document/SessionFile.h"
#include "model/viewmath/ViewMath.h"
#include "model/viewmath/WTrackball.h"

namespace {

using session::ParseResult;
using session::SessionData;

SessionData SampleSession(int order, int historyLength) {
  SessionData d;
  d.zoom = 1.25f;
  for (int i = 0; i < 16; ++i) d.trackball[i] = (i % 5 == 0) ? 1.0f : 0.0f;
  d.moveCounter = 7;
  d.order = order;
  const int n = order * order * order;
  for (int i = 0; i < n; ++i) {
    session::CubieRecord c;
    for (int s = 0; s < 6; ++s) {
      c.faceColour[s] = (i + s) % 7;
      c.stickerTurn[s] = (i * s) % 4;
    }
    c.homeCentre = {static_cast<float>(i % order), 0.5f, -1.0f};
    d.cubies.push_back(c);
  }
  for (int i = 0; i < historyLength; ++i) d.history.push_back({i % 3, i % order, i % 2});
  return d;
}

TEST(SessionFile, LayoutOfTheStartUpSizedFile) {
  const auto bytes = session::WriteSession(SampleSession(3, 0));
  ASSERT_EQ(bytes.size(), 1752u);
  // "3X3X3 …" in UTF-16LE, then CR LF and the version 2.
  EXPECT_EQ(bytes[0], '3');
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(bytes[2], 'X');
  const std::vector<std::uint8_t> tail(bytes.begin() + 46, bytes.begin() + 52);
  EXPECT_EQ(tail, (std::vector<std::uint8_t>{0x0D, 0x00, 0x0A, 0x00, 0x02, 0x00}));
  // The last header character is 件 (U+4EF6).
  EXPECT_EQ(bytes[44], 0xF6);
  EXPECT_EQ(bytes[45], 0x4E);
  EXPECT_EQ(session::WriteSession(SampleSession(7, 0)).size(), 20712u);
}

TEST(SessionFile, RoundTripsEveryOrderWithHistory) {
  for (int order = 2; order <= 7; ++order) {
    const SessionData original = SampleSession(order, 3 * order);
    SessionData read;
    ASSERT_EQ(session::ParseSession(session::WriteSession(original), read), ParseResult::Loaded);
    EXPECT_EQ(read, original) << order;
  }
}

TEST(SessionFile, VersionOneHasNoHistoryAndVersionThreeIsRefused) {
  SessionData v1 = SampleSession(4, 0);
  v1.version = 1;
  SessionData read;
  ASSERT_EQ(session::ParseSession(session::WriteSession(v1), read), ParseResult::Loaded);
  EXPECT_EQ(read.version, 1);
  EXPECT_TRUE(read.history.empty());

  auto bytes = session::WriteSession(SampleSession(3, 2));
  bytes[50] = 3;
  EXPECT_EQ(session::ParseSession(bytes, read), ParseResult::Refused);
}

TEST(SessionFile, HeaderLineMayEndWithALineFeedAlone) {
  auto bytes = session::WriteSession(SampleSession(2, 1));
  bytes.erase(bytes.begin() + 46, bytes.begin() + 48);  // drop the carriage return
  SessionData read;
  EXPECT_EQ(session::ParseSession(bytes, read), ParseResult::Loaded);

  auto wrong = session::WriteSession(SampleSession(2, 1));
  wrong[2] = 'x';  // "3x3X3 …"
  EXPECT_EQ(session::ParseSession(wrong, read), ParseResult::Refused);
}

TEST(SessionFile, EveryTruncationIsRefusedAndLeavesTheValueAlone) {
  const auto bytes = session::WriteSession(SampleSession(3, 4));
  const SessionData before = SampleSession(5, 1);
  for (size_t length = 1; length < bytes.size(); ++length) {
    SessionData out = before;
    const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + length);
    ASSERT_EQ(session::ParseSession(cut, out), ParseResult::Refused) << length;
    ASSERT_EQ(out, before);
  }
  SessionData out;
  EXPECT_EQ(session::ParseSession({}, out), ParseResult::EmptyFile);
}

TEST(SessionFile, OutOfRangeValuesAreRefused) {
  struct Case {
    const char* what;
    void (*spoil)(SessionData&);
  };
  const Case cases[] = {
      {"order 8", [](SessionData& d) { d.order = 8; }},
      {"colour 7", [](SessionData& d) { d.cubies[5].faceColour[2] = 7; }},
      {"colour -1", [](SessionData& d) { d.cubies[0].faceColour[0] = -1; }},
      {"sticker turn 4", [](SessionData& d) { d.cubies[1].stickerTurn[3] = 4; }},
      {"history layer beyond the order", [](SessionData& d) { d.history[0].layer = 3; }},
      {"history axis 3", [](SessionData& d) { d.history[1].axis = 3; }},
      {"history dir 2", [](SessionData& d) { d.history[1].dir = 2; }},
      {"not a number zoom", [](SessionData& d) { d.zoom = std::nanf(""); }},
      {"move counter 100", [](SessionData& d) { d.moveCounter = 100; }},
      // A camera that would show no cube.
      {"huge zoom", [](SessionData& d) { d.zoom = 3e38f; }},
      {"tiny zoom", [](SessionData& d) { d.zoom = 1e-38f; }},
      {"zero zoom", [](SessionData& d) { d.zoom = 0.0f; }},
      {"infinite zoom", [](SessionData& d) { d.zoom = INFINITY; }},
      {"all-zero trackball", [](SessionData& d) { d.trackball.fill(0.0f); }},
      {"not a number in the trackball", [](SessionData& d) { d.trackball[5] = std::nanf(""); }},
      {"infinity in the trackball", [](SessionData& d) { d.trackball[10] = INFINITY; }},
      {"huge trackball", [](SessionData& d) { for (float& m : d.trackball) m *= 1e30f; }},
      {"flattened trackball", [](SessionData& d) { d.trackball[10] = 0.0f; }},
      {"mirrored trackball", [](SessionData& d) { d.trackball[0] = -1.0f; }},
      {"shifted far away", [](SessionData& d) { d.trackball[12] = 1e6f; }},
      {"projective row", [](SessionData& d) { d.trackball[15] = 0.0f; }},
  };
  for (const auto& c : cases) {
    SessionData d = SampleSession(3, 2);
    c.spoil(d);
    if (d.order != 3) d.cubies.resize(static_cast<size_t>(d.order) * d.order * d.order);
    SessionData out;
    EXPECT_EQ(session::ParseSession(session::WriteSession(d), out), ParseResult::Refused) << c.what;
  }
  // A history count the file cannot hold.
  auto bytes = session::WriteSession(SampleSession(2, 0));
  const size_t countAt = 128 + 60 * 8;
  bytes[countAt + 3] = 0x7F;
  SessionData out;
  EXPECT_EQ(session::ParseSession(bytes, out), ParseResult::Refused);
}

// Every camera the program can save loads again: the zoom limits of the wheel,
// every preset, and a trackball after a long drag, rounding and all.
TEST(SessionFile, EveryCameraTheProgramMakesLoads) {
  std::vector<float> zooms = {viewmath::kZoomMin, viewmath::kZoomMax, 1.28f};
  for (int order = 2; order <= 7; ++order) {
    zooms.push_back(viewmath::ShowViewPreset(order, true).zoom);
    zooms.push_back(viewmath::ShowViewPreset(order, false).zoom);
  }
  viewmath::WTrackball trackball;
  std::mt19937 rng(15);
  std::uniform_int_distribution<int> pixel(0, 799);
  trackball.Start(400, 300, 800, 600);
  for (int move = 0; move < 200000; ++move) trackball.MoveTo(pixel(rng), pixel(rng) * 3 / 4, 800, 600);
  for (float zoom : zooms) {
    SessionData d = SampleSession(4, 2);
    d.zoom = zoom;
    d.trackball = trackball.matrix;
    SessionData out;
    EXPECT_EQ(session::ParseSession(session::WriteSession(d), out), ParseResult::Loaded) << zoom;
  }
}

TEST(SessionFile, AtomicWriteReplacesOrKeepsTheOldFile) {
  const auto dir = std::filesystem::temp_directory_path() / "rovan_session_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "a.rvs").string();
  const auto first = session::WriteSession(SampleSession(2, 0));
  const auto second = session::WriteSession(SampleSession(3, 1));
  ASSERT_TRUE(session::WriteFileAtomically(path, first));
  ASSERT_TRUE(session::WriteFileAtomically(path, second));
  std::vector<std::uint8_t> read;
  ASSERT_TRUE(session::ReadFileBytes(path, read));
  EXPECT_EQ(read, second);
  EXPECT_FALSE(session::WriteFileAtomically((dir / "missing" / "b.rvs").string(), first));
  EXPECT_FALSE(session::ReadFileBytes((dir / "missing" / "b.rvs").string(), read));
  std::filesystem::remove_all(dir);
}

}  // namespace

namespace {

// Inputs that once broke the reader (kept by scripts/fuzz.sh): each must be refused
// or parsed into a value that round-trips.
TEST(SessionFile, FuzzRegressionsParseSafely) {
  const auto dir = std::filesystem::path(ROVAN_SOURCE_DIR) / "tests/fixtures/session_regressions";
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(session::ReadFileBytes(entry.path().string(), bytes));
    session::SessionData value;
    if (session::ParseSession(bytes, value) == session::ParseResult::Loaded) {
      session::SessionData again;
      EXPECT_EQ(session::ParseSession(session::WriteSession(value), again), session::ParseResult::Loaded);
      EXPECT_EQ(again, value) << entry.path();
    }
  }
}

}  // namespace
