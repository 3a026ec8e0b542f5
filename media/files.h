// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The largest data file the game reads: a record is 226 bytes, a die picture
// a few KiB, a sound under a MiB. Anything larger is a damaged file, not
// something to load into memory.
inline constexpr std::size_t kLargestDataFile = std::size_t{4} << 20;

// A whole data file as raw bytes: every data file, sounds included, is read
// through here. Only a regular file of at most kLargestDataFile bytes is
// read: a folder, a pipe, a device or a huge file in a file's place is a
// failure like a missing file, never a hang or an exception.
std::optional<std::string> readFileBytes(const std::string& path);
// Writes and flushes; false when anything failed. durable also forces the
// bytes to the disk before returning.
bool writeFileBytes(const std::string& path, const std::string& bytes, bool durable = false);
// Deletes; true when the file is gone (or was never there).
bool removeFile(const std::string& path);
// Puts from in to's place in one step and forces the change of the folder
// to the disk; false when anything failed.
bool replaceFile(const std::string& from, const std::string& to);
