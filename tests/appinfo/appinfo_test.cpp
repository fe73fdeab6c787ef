#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appinfo/BuildDate.h"
#include "appinfo/CRC4.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::string Hex(const std::vector<std::uint8_t>& data) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (auto b : data) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

TEST(CRC4, KnownTestVectors) {
  struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
  };
  const Vector vectors[] = {
      {"Key", "Plaintext", "BBF316E8D940AF0AD3"},
      {"Wiki", "pedia", "1021BF0420"},
      {"Secret", "Attack at dawn", "45A01F645FC35B383552544B9BF5"},
  };
  for (const auto& v : vectors) {
    auto data = Bytes(v.plain);
    const auto key = Bytes(v.key);
    appinfo::CRC4(key).Apply(data);
    EXPECT_EQ(Hex(data), v.cipher) << v.key;
    appinfo::CRC4(key).Apply(data);
    EXPECT_EQ(data, Bytes(v.plain));
  }
}

TEST(CRC4, StreamContinuesAcrossCalls) {
  const auto key = Bytes("Secret");
  auto whole = Bytes("Attack at dawn");
  appinfo::CRC4(key).Apply(whole);
  auto parts = Bytes("Attack at dawn");
  appinfo::CRC4 cipher(key);
  cipher.Apply(std::span(parts).first(5));
  cipher.Apply(std::span(parts).subspan(5));
  EXPECT_EQ(parts, whole);
}

TEST(BuildDate, SingleAndTwoDigitDays) {
  EXPECT_EQ(appinfo::AboutBuildText("Dec  9 2026", "22:58:43"), "创建时间 2026/12/9 22:58:43");
  EXPECT_EQ(appinfo::AboutBuildText("Jan 21 2027", "01:02:03"), "创建时间 2027/1/21 01:02:03");
  EXPECT_EQ(appinfo::ShortBuildDate("Sep  1 2026"), "2026/9/1");
  EXPECT_EQ(appinfo::SplitBuildDate(appinfo::ProgramBuildDate()).year.size(), 4u);
}

}  // namespace

#include <filesystem>
#include <fstream>
#include <iterator>

#include "appinfo/HelpText.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The committed enciphered resources must be what the generator makes of the sources.
TEST(HelpText, CommittedResourcesDecipherToTheirSources) {
  const std::filesystem::path root = ROVAN_SOURCE_DIR;
  for (const char* suffix : {"", "_en"}) {
    const auto source = ReadFile(root / (std::string("resources/help/help_source") + suffix + ".txt"));
    const auto help = ReadFile(root / (std::string("resources/help/IDR_HELP") + suffix));
    ASSERT_FALSE(source.empty()) << suffix;
    const std::u16string text = appinfo::DecipherHelp(help);
    EXPECT_EQ(appinfo::Utf16ToUtf8(text), std::string(source.begin(), source.end())) << suffix;
    EXPECT_EQ(text.substr(0, 10), *suffix ? u"Rovan Cube" : u"Rovan魔方 使用");
  }

  const auto captions = appinfo::DecipherShortText();
  ASSERT_LE(appinfo::ShortCaptionSource().size(), static_cast<size_t>(appinfo::kCaptionChars));
  ASSERT_LE(appinfo::ShortStaticSource().size(), static_cast<size_t>(appinfo::kStaticChars));
  EXPECT_EQ(captions.button, appinfo::ShortCaptionSource());
  EXPECT_EQ(captions.staticText, appinfo::ShortStaticSource());
}

TEST(HelpText, Utf8RoundTripAndBadBytes) {
  const std::string text = "魔方 R U' — 😀";
  EXPECT_EQ(appinfo::Utf16ToUtf8(appinfo::Utf8ToUtf16(text)), text);
  EXPECT_EQ(appinfo::Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(appinfo::Utf8ToUtf16("\xE9\xAD"), u"\uFFFD\uFFFD");  // cut short
  EXPECT_EQ(appinfo::DecipherHelp({}), u"");
}

}  // namespace
