// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The record file is single-byte Windows-1252 text; the board's captions are
// UTF-8. These convert between the two.

// The Windows-1252 byte for a Unicode code point, if it has one.
std::optional<unsigned char> toWindows1252(char32_t codePoint);

// Whole text; a character the record cannot hold becomes '?'.
std::string utf8ToWindows1252(std::string_view utf8);
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 as code points and back; a malformed byte reads as U+FFFD.
std::u32string codePoints(std::string_view utf8);
std::string toUtf8(std::u32string_view codePoints);
