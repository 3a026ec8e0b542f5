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

std::uint32_t littleEndian(std::string_view bytes, int size) {
  std::uint32_t value = 0;
  for (int i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return value;
}

bool chunksFit(std::string_view picture) {
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

// An icon or cursor file: a directory of pictures, each of which may be a
// PNG of its own, read as the bytes the directory gives it.
constexpr std::size_t kIconHeader = 6;
constexpr std::size_t kIconEntry = 16;

bool iconPicturesFit(std::string_view icon) {
  if (icon.size() < kIconHeader || littleEndian(icon, 2) != 0) return true;
  const std::uint32_t type = littleEndian(icon.substr(2), 2);
  if (type != 1 && type != 2) return true;
  const std::size_t count = littleEndian(icon.substr(4), 2);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kIconHeader + i * kIconEntry;
    if (icon.size() - at < kIconEntry) break;
    const std::size_t length = littleEndian(icon.substr(at + 8), 4);
    const std::size_t offset = littleEndian(icon.substr(at + 12), 4);
    if (offset < icon.size() && !chunksFit(icon.substr(offset, length))) return false;
  }
  return true;
}

}  // namespace

bool pngChunksFitFile(std::string_view picture) {
  return chunksFit(picture) && iconPicturesFit(picture);
}
