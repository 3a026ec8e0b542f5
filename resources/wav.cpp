// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// RIFF is little-endian whatever the machine.
void put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
}

}  // namespace

std::string wavFile(const Samples& samples) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  put(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  put(out, 16, 4);
  put(out, 1, 2);  // PCM
  put(out, 1, 2);  // mono
  put(out, kSampleRate, 4);
  put(out, kSampleRate * 2, 4);  // bytes per second
  put(out, 2, 2);                // bytes per frame
  put(out, 16, 2);
  out += "data";
  put(out, dataBytes, 4);
  for (double x : samples) {
    const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767);
    put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)), 2);
  }
  return out;
}
