// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The record name of a drawn game: the leading capital letters (A to Z) of
// both names joined by "-", each cut to 5 letters when the two together
// would not fit the 12 characters of the record.
std::string tieName(const std::string& first, const std::string& second);
