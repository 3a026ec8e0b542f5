// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/picture_chunks.h"

#include <cstdint>

namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr std::size_t kLengthAndType = 8;
constexpr std::size_t kChecksum = 4;

std::uint32_t bigEndian(std::string_view bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return value;
}

}  // namespace

bool pngChunksFitFile(std::string_view picture) {
  if (!picture.starts_with(kPngSignature)) return true;
  std::size_t at = kPngSignature.size();
  while (picture.size() - at >= kLengthAndType) {
    const std::size_t length = bigEndian(picture.substr(at));
    const std::string_view type = picture.substr(at + 4, 4);
    const std::size_t left = picture.size() - at - kLengthAndType;
    if (length > left || left - length < kChecksum) return false;
    if (type == "IEND") return true;
    at += kLengthAndType + length + kChecksum;
  }
  return true;
}
