// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/complement.h"

std::string complement(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) c = static_cast<char>(~static_cast<unsigned char>(c));
  return out;
}
