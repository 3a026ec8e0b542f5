// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/player_name.h"

#include <algorithm>

#include "media/text_1252.h"

bool nameCharacter(char32_t cp) {
  // Controls and the soft hyphen, which shows nothing, are no part of a name.
  if (cp < 0x20 || cp == 0x7F || cp == 0xAD) return false;
  return toWindows1252(cp).has_value();
}

namespace {

// The upper-cased name fits: every character holdable, at most 12 of them.
bool fits(const std::u32string& name, const UpperCase& upper) {
  const std::u32string upperName = codePoints(upper(toUtf8(name)));
  return upperName.size() <= std::size_t{kNameLength} &&
         std::all_of(upperName.begin(), upperName.end(), nameCharacter);
}

}  // namespace

NameEdit fitNameEdit(std::string_view before, std::string_view after, const UpperCase& upper) {
  const std::u32string old = codePoints(before);
  const std::u32string now = codePoints(after);
  // The edit replaced old[head, old.size() - tail) by now[head, now.size() - tail).
  std::size_t head = 0;
  while (head < old.size() && head < now.size() && old[head] == now[head]) ++head;
  std::size_t tail = 0;
  while (tail < old.size() - head && tail < now.size() - head &&
         old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
    ++tail;

  // What stayed of the old text is kept as it is, but only the name
  // characters of it: a text set from outside may hold anything.
  std::u32string kept;
  for (char32_t c : now.substr(0, head))
    if (nameCharacter(c)) kept += c;
  std::u32string rest;
  for (char32_t c : now.substr(now.size() - tail))
    if (nameCharacter(c)) rest += c;
  while (!fits(kept + rest, upper) && !rest.empty()) rest.pop_back();
  while (!fits(kept + rest, upper) && !kept.empty()) kept.pop_back();

  for (char32_t c : now.substr(head, now.size() - tail - head)) {
    if (!nameCharacter(c)) continue;
    std::u32string tried = kept + c;
    if (fits(tried + rest, upper)) kept = std::move(tried);
  }
  return {toUtf8(kept + rest), kept.size()};
}
