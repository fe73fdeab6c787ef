#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& relative) {
  std::ifstream in(std::string(ROVAN_SOURCE_DIR) + "/" + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= std::uint32_t(b.at(at + i)) << (8 * i);
  return v;
}

TEST(TurnSounds, AreMono8BitPcmOfTheirRatesAndLengths) {
  struct Row {
    const char* file;
    std::uint32_t rate, samples;
  };
  const Row rows[] = {{"resources/sounds/turn_x.wav", 22050, 14848},
                      {"resources/sounds/turn_y.wav", 11025, 2929},
                      {"resources/sounds/turn_z.wav", 8000, 1613}};
  for (const Row& r : rows) {
    const auto b = ReadFile(r.file);
    ASSERT_EQ(b.size(), 44u + r.samples) << r.file;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(Le(b, 4, 4), 36u + r.samples);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Le(b, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(b, 22, 2), 1u);  // mono
    EXPECT_EQ(Le(b, 24, 4), r.rate);
    EXPECT_EQ(Le(b, 34, 2), 8u);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    EXPECT_EQ(Le(b, 40, 4), r.samples);
  }
}

TEST(BackgroundPicture, IsABaseline512By512Jpeg) {
  const auto b = ReadFile("resources/pictures/background.jpg");
  ASSERT_GT(b.size(), 4u);
  ASSERT_EQ(b[0], 0xFF);
  ASSERT_EQ(b[1], 0xD8);
  // Walk the markers to the frame header: SOF0 (baseline), not SOF2 (progressive).
  std::size_t at = 2;
  while (at + 9 < b.size()) {
    ASSERT_EQ(b[at], 0xFF);
    const int marker = b[at + 1];
    const std::size_t length = (b[at + 2] << 8) | b[at + 3];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      EXPECT_EQ(marker, 0xC0);
      EXPECT_EQ((b[at + 5] << 8) | b[at + 6], 512);
      EXPECT_EQ((b[at + 7] << 8) | b[at + 8], 512);
      return;
    }
    at += 2 + length;
  }
  FAIL() << "no frame header";
}

}  // namespace
