// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound player makes of a sound file: the samples of a plain WAV
// file, and nothing, never a hang, from anything else in its place.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "desktop/sound/wave_file.h"

namespace {

std::string le(unsigned v, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += char(v >> (8 * i) & 0xff);
  return s;
}

std::string chunk(const std::string& id, const std::string& body) {
  return id + le(unsigned(body.size()), 4) + body + std::string(body.size() % 2, 0);
}

std::string fmt(unsigned tag, unsigned channels, unsigned bits) {
  return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(22050, 4) + le(0, 4) + le(0, 2) +
                           le(bits, 2));
}

std::string riff(const std::string& chunks) { return "RIFF" + le(0, 4) + "WAVE" + chunks; }

}  // namespace

TEST(WaveFile, SamplesOfPlainFilesOnly) {
  const std::string pcm(8, 'x');
  struct Case {
    std::string file;
    std::size_t samples;  // 0: nothing to play
  } cases[] = {
      {riff(fmt(1, 1, 16) + chunk("data", pcm)), 8},
      // Other chunks first, one of odd length and so padded.
      {riff(chunk("LIST", "abc") + fmt(1, 2, 16) + chunk("data", pcm)), 8},
      {riff(fmt(1, 1, 16)) + "data" + le(1000, 4) + "12345", 4},  // cut short: whole frames
      {riff(fmt(3, 1, 32) + chunk("data", pcm)), 8},             // float
      {riff(chunk("data", pcm) + fmt(1, 1, 16)), 0},             // samples before their format
      {riff(fmt(2, 1, 4) + chunk("data", pcm)), 0},              // compressed
      {"RIFF", 0},
  };
  for (const Case& c : cases) {
    const auto wave = readWave(c.file);
    EXPECT_EQ(wave ? wave->samples.size() : 0, c.samples) << c.file.size();
  }
}

TEST(WaveFile, OnlyRegularFilesOfSaneSizeAreRead) {
  const auto folder = std::filesystem::temp_directory_path() / "pentaro-wave-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "dir");
  std::ofstream(folder / "fx.wav") << "RIFF";
  EXPECT_EQ(readSoundFile(folder / "fx.wav"), "RIFF");
  std::filesystem::resize_file(folder / "fx.wav", 64u << 20);
  EXPECT_FALSE(readSoundFile(folder / "fx.wav"));
  ASSERT_EQ(mkfifo((folder / "fifo.wav").c_str(), 0600), 0);
  EXPECT_FALSE(readSoundFile(folder / "fifo.wav"));  // returns, no writer needed
  EXPECT_FALSE(readSoundFile(folder / "dir"));
  EXPECT_FALSE(readSoundFile(folder / "missing.wav"));
  std::filesystem::remove_all(folder);
}
