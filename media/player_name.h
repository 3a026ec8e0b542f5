// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "board/assets.h"

// What a player's name may hold, however the text arrives (typed, pasted,
// dropped, from an input method): one line of printable characters that the
// record file's Windows-1252 can hold, at most 12 once upper-cased.

using UpperCase = std::function<std::string(const std::string&)>;

// A printable character the record can hold (no controls, no line breaks,
// no invisible formatting, no emoji).
bool nameCharacter(char32_t codePoint);

// The field's text after an edit turned before into after (both UTF-8).
// What the edit brought in keeps only the characters that are name
// characters also once upper-cased, and only as many as keep the
// upper-cased name within 12 characters; what it removed stays removed.
// A single typed character that does not fit is thus refused.
struct NameEdit {
  std::string text;
  std::size_t cursor = 0;  // in characters: just after what the edit brought in
};
NameEdit fitNameEdit(std::string_view before, std::string_view after, const UpperCase& upper);

// A whole text made into a name by the same rule.
inline std::string fitName(std::string_view text, const UpperCase& upper) {
  return fitNameEdit({}, text, upper).text;
}
