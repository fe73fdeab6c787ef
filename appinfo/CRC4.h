#pragma once
// The RC4 stream cipher: key scheduling over a 256-byte state, then the output
// stream XORed onto the data in place. Used only to keep the help window's texts
// enciphered inside the program; it is not a protection of anything.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace appinfo {

class CRC4 {
 public:
  explicit CRC4(std::span<const std::uint8_t> key);
  // Enciphers or deciphers (the same operation) in place, continuing the stream.
  void Apply(std::span<std::uint8_t> data);

 private:
  std::array<std::uint8_t, 256> state_{};
  std::uint8_t i_ = 0, j_ = 0;
};

}  // namespace appinfo
