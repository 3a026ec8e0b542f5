// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/sound/wave_file.h"

#include <cstdint>

#include "media/files.h"

namespace {

std::uint32_t little(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + i]);
  return value;
}

}  // namespace

std::optional<WaveSound> readWave(std::string_view file) {
  if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") return {};
  std::optional<WaveSound> sound;
  unsigned frameBytes = 0;
  // Chunks in any order: "fmt " must come before "data"; others are skipped.
  for (std::size_t at = 12; at + 8 <= file.size();) {
    const std::string_view id = file.substr(at, 4);
    const std::size_t size = little(file, at + 4, 4);
    const std::size_t body = at + 8;
    if (id == "fmt " && size >= 16 && body + 16 <= file.size()) {
      const unsigned tag = little(file, body, 2), bits = little(file, body + 14, 2);
      WaveSound s;
      s.channels = little(file, body + 2, 2);
      s.rate = little(file, body + 4, 4);
      using F = WaveSound::Format;
      if (tag == 1 && bits == 8) s.format = F::U8;
      else if (tag == 1 && bits == 16) s.format = F::S16;
      else if (tag == 1 && bits == 24) s.format = F::S24;
      else if (tag == 1 && bits == 32) s.format = F::S32;
      else if (tag == 3 && bits == 32) s.format = F::Float32;
      else return {};
      if (s.channels < 1 || s.channels > 8 || s.rate < 1000 || s.rate > 384000) return {};
      frameBytes = s.channels * bits / 8;
      sound = s;
    } else if (id == "data") {
      if (!sound) return {};
      // A file cut short plays what it has.
      const std::size_t have = std::min(size, file.size() - body);
      sound->samples = file.substr(body, have - have % frameBytes);
      return sound;
    }
    at = body + size + size % 2;  // chunks are padded to even lengths
  }
  return {};
}

std::optional<std::string> readSoundFile(const std::string& path) {
  // The data files' own rule: a regular file of sane size, never a pipe.
  return readFileBytes(path);
}
