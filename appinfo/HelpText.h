#pragma once
// The help window's texts. Both are kept enciphered with CRC4 under a 16-byte key
// built at run time: the long help text (resource IDR_HELP: UTF-16LE with a
// byte-order mark) and a 286-byte short text of 143 UTF-16 characters whose first
// 42 characters are the help button's caption and whose last 28 characters start
// the line that ends with the build date. tools/help_cipher.cpp writes both from
// resources/help/help_source.txt and the short texts below.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace appinfo {

inline constexpr int kShortTextBytes = 286;
inline constexpr int kCaptionChars = 42;
inline constexpr int kStaticChars = 28;

std::array<std::uint8_t, 16> HelpKey();

// UTF-8 ↔ UTF-16 for the texts (invalid sequences become U+FFFD).
std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);

// Deciphers the help resource; the text starts after the byte-order mark. An odd
// byte count drops the last byte; a missing mark keeps the first character.
std::u16string DecipherHelp(std::vector<std::uint8_t> enciphered);

struct HelpCaptions {
  std::u16string button;      // trailing blanks removed
  std::u16string staticText;  // leading blanks removed; the build date follows it
};
HelpCaptions DecipherShortText();

// What the generator enciphers.
std::vector<std::uint8_t> EncipherHelp(const std::string& utf8Text);
std::array<std::uint8_t, kShortTextBytes> EncipherShortText(const std::u16string& caption,
                                                             const std::u16string& staticText);
// The plain short texts.
const std::u16string& ShortCaptionSource();
const std::u16string& ShortStaticSource();

}  // namespace appinfo
