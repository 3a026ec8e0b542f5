// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/record_line.h"

#include "flow/number_text.h"
#include "media/complement.h"

namespace {

constexpr std::size_t kFillerALength = 68;
constexpr std::size_t kFillerBLength = 141;

// Mostly 'A', some spaces, otherwise codes 66 to 122.
char fillerA(const UniformRandom& random) {
  int c = static_cast<int>(random() * 128) + 1;
  if (c < 65) c = 65;
  if (c > 122) c = 32;
  return static_cast<char>(c);
}

// Any byte up to 120 except carriage return; the rest become spaces.
char fillerB(const UniformRandom& random) {
  int c = static_cast<int>(random() * 255) + 1;
  if (c == 13 || c > 120) c = 32;
  return static_cast<char>(c);
}

std::string_view trimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string_view column(std::string_view line, std::size_t start, std::size_t width) {
  if (start >= line.size()) return {};
  return line.substr(start, width);
}

}  // namespace

std::string buildRecordLine(std::string_view name1252, std::string_view points,
                            const UniformRandom& random) {
  std::string line;
  line.reserve(kFillerALength + kRecordNameWidth + kRecordPointsWidth + kFillerBLength);
  for (std::size_t i = 0; i < kFillerALength; ++i) line += fillerA(random);
  std::string name(name1252.substr(0, kRecordNameWidth));
  name.resize(kRecordNameWidth, ' ');
  // A line break or other control in the name would cut the line.
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  line += name;
  std::string score(points.substr(0, kRecordPointsWidth));
  line += std::string(kRecordPointsWidth - score.size(), ' ') + score;
  for (std::size_t i = 0; i < kFillerBLength; ++i) line += fillerB(random);
  return line;
}

RecordEntry parseRecordLine(std::string_view line) {
  RecordEntry entry;
  entry.name1252 = std::string(trimSpaces(column(line, kRecordNameColumn, kRecordNameWidth)));
  entry.points =
      static_cast<int>(readLeadingNumber(column(line, kRecordPointsColumn, kRecordPointsWidth)));
  return entry;
}

std::string encodeRecordFile(std::string_view line) {
  std::string plain(line);
  plain += "\r\n";
  return complement(plain);
}
