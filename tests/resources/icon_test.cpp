// The application icon files and the desktop entry that names them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadText(const std::string& relative) {
  std::ifstream in(std::string(ROVAN_SOURCE_DIR) + "/" + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t BigEndian(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v = v << 8 | std::uint8_t(b.at(at + i));
  return v;
}

}  // namespace

TEST(AppIcon, EverySizeIsASquareRgbaPngOfThatSize) {
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const std::string png = ReadText("resources/icons/rovan_" + std::to_string(size) + ".png");
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), std::uint32_t(size));
    EXPECT_EQ(BigEndian(png, 20), std::uint32_t(size));
    EXPECT_EQ(png[24], 8);  // bits per channel
    EXPECT_EQ(png[25], 6);  // RGBA: the corners are transparent
  }
}

TEST(DesktopEntry, StartsTheInstalledProgramWithItsIcon) {
  std::istringstream entry(ReadText("packaging/rovan.desktop"));
  std::string line, group;
  std::vector<std::string> keys;
  while (std::getline(entry, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      group = line;
      continue;
    }
    EXPECT_EQ(group, "[Desktop Entry]");
    ASSERT_NE(line.find('='), std::string::npos) << line;
    keys.push_back(line);
  }
  auto has = [&](const std::string& keyValue) {
    return std::find(keys.begin(), keys.end(), keyValue) != keys.end();
  };
  EXPECT_TRUE(has("Type=Application"));
  EXPECT_TRUE(has("Exec=rovan %f"));
  EXPECT_TRUE(has("Icon=rovan"));
  EXPECT_TRUE(has("MimeType=application/x-rovan-session;"));
  EXPECT_NE(ReadText("packaging/rovan-mime.xml").find("<glob pattern=\"*.rvs\"/>"), std::string::npos);
}
