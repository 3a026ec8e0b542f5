// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

// Creates the first record file (PENTARO, 150 points) in the data folder
// unless one is there already: a player's record is never overwritten.
void writeRecordIfMissing(const std::filesystem::path& dataDir);
