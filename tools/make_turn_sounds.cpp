// Writes the three turn sounds of the 3D view as 8-bit mono PCM WAV files:
//   tool_make_turn_sounds OUTPUT_DIR   → turn_x.wav, turn_y.wav, turn_z.wav
// Each is a synthesised plastic click: a short noise burst over a decaying
// knock, a different pitch per axis. Deterministic: the same bytes every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct SoundSpec {
  const char* file;
  int sampleRate;
  int sampleCount;  // bytes of samples
  double knockHz;
  double decayPerSecond;
};

constexpr SoundSpec kSounds[] = {
    {"turn_x.wav", 22050, 14848, 420.0, 9.0},
    {"turn_y.wav", 11025, 2929, 610.0, 22.0},
    {"turn_z.wav", 8000, 1613, 800.0, 30.0},
};

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

std::vector<std::uint8_t> MakeWave(const SoundSpec& s) {
  std::vector<std::uint8_t> out;
  const std::uint32_t dataSize = s.sampleCount;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLe(out, 36 + dataSize, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, s.sampleRate, 4);
  PutLe(out, s.sampleRate, 4);  // bytes per second
  PutLe(out, 1, 2);             // block align
  PutLe(out, 8, 2);             // bits per sample
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLe(out, dataSize, 4);
  std::uint32_t noise = 12345;
  for (int i = 0; i < s.sampleCount; ++i) {
    const double t = double(i) / s.sampleRate;
    noise = noise * 1664525u + 1013904223u;
    const double white = (noise >> 8) / double(1u << 24) * 2 - 1;
    const double burst = white * std::exp(-t * 180.0);
    const double knock = std::sin(2 * std::numbers::pi * s.knockHz * t) * std::exp(-t * s.decayPerSecond);
    const double tail = t > 0.0 ? 1.0 : 0.0;
    const double v = (0.55 * burst + 0.45 * knock) * tail;
    const int sample = int(std::lround(128 + 110 * std::clamp(v, -1.0, 1.0)));
    out.push_back(std::uint8_t(std::clamp(sample, 0, 255)));
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  for (const SoundSpec& s : kSounds) {
    const std::vector<std::uint8_t> bytes = MakeWave(s);
    const std::string path = std::string(argv[1]) + "/" + s.file;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
