#pragma once

#include <optional>
#include <string>

// Whole files as raw bytes. Only regular files are read or written: a
// folder, a pipe or a device in a file's place is a failure like a missing
// file, never a hang or an exception.
std::optional<std::string> readFileBytes(const std::string& path);
// Writes and flushes; false when anything failed. durable also forces the
// bytes to the disk before returning.
bool writeFileBytes(const std::string& path, const std::string& bytes, bool durable = false);
// Deletes; true when the file is gone (or was never there).
bool removeFile(const std::string& path);
// Puts from in to's place in one step and forces the change of the folder
// to the disk; false when anything failed.
bool replaceFile(const std::string& from, const std::string& to);
