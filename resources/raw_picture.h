// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A picture kept as its pixels, painted straight from where it lies in the
// program: no decoding, no copy. The pictures of the first frame are kept so.
// The header is followed by height rows of premultiplied 32-bit ARGB pixels
// in the machine's byte order, bytesPerLine apart.
struct RawPictureHeader {
  char magic[4] = {'A', 'R', 'G', 'B'};  // kOpaque when every pixel is
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t bytesPerLine = 0;
};

// A picture with no transparent pixel is copied onto the board rather than
// blended with what lies beneath: the same pixels, with less work.
inline constexpr char kOpaque[4] = {'X', 'R', 'G', 'B'};
