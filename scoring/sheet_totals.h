// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "board/assets.h"
#include "board/elements.h"

// The totals of the score sheet on the board, read from its box captions.
struct SheetTotals {
  long upper = 0;  // "ASSI" to "SEI"
  long lower = 0;  // "3 di un tipo" to "Chance"
  long bonus = 0;  // kBonusPoints once the upper total reaches kBonusThreshold
  long grand() const { return upper + bonus + lower; }
};

SheetTotals sheetTotals(const std::array<Label, kCategories>& boxes);
