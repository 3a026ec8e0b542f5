#pragma once

#include <optional>
#include <string>

// Whole files as raw bytes.
std::optional<std::string> readFileBytes(const std::string& path);
// Writes and flushes; false when anything failed.
bool writeFileBytes(const std::string& path, const std::string& bytes);
// Deletes; true when the file is gone (or was never there).
bool removeFile(const std::string& path);
