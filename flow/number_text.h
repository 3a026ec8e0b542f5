// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Scores and totals live as caption texts. These are the only two places
// that turn a text into a number or a number into a text.

// The number at the start of a text: leading spaces are skipped, an optional
// sign and digits (with an optional decimal part) are read, and reading stops
// at the first character that cannot continue the number. No number gives 0.
double readLeadingNumber(std::string_view text);

// The same, for the whole numbers of scores and totals.
inline long wholeNumber(std::string_view text) {
  return static_cast<long>(readLeadingNumber(text));
}

// A whole number as plain text: no sign for positives, no spaces.
std::string numberText(long value);
