// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/tie_name.h"

#include "media/record_line.h"

namespace {

std::string leadingCapitals(const std::string& name) {
  std::size_t n = 0;
  while (n < kRecordNameWidth && n < name.size() && name[n] >= 'A' && name[n] <= 'Z') ++n;
  return name.substr(0, n);
}

}  // namespace

std::string tieName(const std::string& first, const std::string& second) {
  std::string a = leadingCapitals(first);
  std::string b = leadingCapitals(second);
  if (a.size() + b.size() >= kRecordNameWidth) {
    if (a.size() > 5) a.resize(5);
    if (b.size() > 5) b.resize(5);
  }
  return a + "-" + b;
}
