// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The game's only file coding: every byte becomes 255 minus itself.
// Applying it twice gives the original bytes back.
std::string complement(std::string_view bytes);
