// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>

// Writes the bytes, replacing the file; throws std::runtime_error on failure.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

// The picture as PNG file bytes.
std::string pngBytes(const QImage& picture);

// The picture as its bare pixels behind a RawPictureHeader.
std::string rawBytes(const QImage& picture);
