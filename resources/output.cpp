// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/output.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "resources/raw_picture.h"

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string pngBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // Middling compression: the grainy textures barely shrink further, and the
  // best setting takes ten times as long.
  if (!picture.save(&buffer, "PNG", 60)) throw std::runtime_error("cannot encode a PNG picture");
  return bytes.toStdString();
}

std::string rawBytes(const QImage& picture) {
  const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  RawPictureHeader header;
  bool opaque = true;
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    opaque = opaque && std::all_of(row, row + pixels.width(), [](QRgb p) { return qAlpha(p) == 255; });
  }
  if (opaque) std::memcpy(header.magic, kOpaque, sizeof header.magic);
  header.width = static_cast<std::uint32_t>(pixels.width());
  header.height = static_cast<std::uint32_t>(pixels.height());
  header.bytesPerLine = static_cast<std::uint32_t>(pixels.width()) * 4;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  for (int y = 0; y < pixels.height(); ++y)
    bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), header.bytesPerLine);
  return bytes;
}
