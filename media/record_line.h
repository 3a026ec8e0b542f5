// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The plain record line: 68 filler characters, the holder's name in a
// 12-character column, the points in a 3-character column, 141 more filler
// characters. Everything here is single-byte (Windows-1252) text so the
// columns hold whatever the name is.

using UniformRandom = std::function<double()>;  // uniform in [0, 1)

constexpr std::size_t kRecordNameColumn = 68;  // zero-based start of the name
constexpr std::size_t kRecordNameWidth = 12;
constexpr std::size_t kRecordPointsColumn = 80;
constexpr std::size_t kRecordPointsWidth = 3;

// name1252 is cut to 12 bytes and a control in it becomes "?", so the line
// stays one line; points are right-aligned in their column so that scores
// under 100 read back unchanged.
std::string buildRecordLine(std::string_view name1252, std::string_view points,
                            const UniformRandom& random);

struct RecordEntry {
  std::string name1252;  // trimmed of surrounding spaces
  int points = 0;
};

// Reads a line as written above. A short line is no error: what is missing
// counts as empty, giving an empty name or 0 points.
RecordEntry parseRecordLine(std::string_view line);

// The stored file: the line with its CR LF end, complement-coded.
std::string encodeRecordFile(std::string_view line);
