// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The sample data of a PCM WAV file and how to play it: what the sound
// server needs to be handed the samples as they are.
struct WaveSound {
  enum class Format { U8, S16, S24, S32, Float32 };
  Format format = Format::S16;
  unsigned channels = 0;
  unsigned rate = 0;
  std::string_view samples;  // whole frames only, inside the file's bytes
};

// Nothing for a file that is not an uncompressed WAV the server can play.
std::optional<WaveSound> readWave(std::string_view file);

// A sound file's bytes when it is a regular file of a size an effect can
// have; nothing for a missing file, a folder, a pipe or a huge file.
std::optional<std::string> readSoundFile(const std::string& path);
