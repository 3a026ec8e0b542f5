// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "flow/platform.h"
#include "media/files.h"

// The program ending through the fatal message box.
struct FatalExit : std::runtime_error {
  FatalExit(std::string t, std::string m)
      : std::runtime_error(m), title(std::move(t)), text(std::move(m)) {}
  std::string title, text;
};

// A platform whose clock jumps to the deadline of every wait, whose random
// numbers can be scripted, and which records the sounds it is asked to play.
class FakePlatform : public Platform {
 public:
  double secondsSinceMidnight() override { return 43200 + now; }
  double monotonicSeconds() override { return now; }
  void runEventLoopUntil(double deadline) override {
    ++waits;
    waitLengths.push_back(std::round((deadline - now) * 1000) / 1000);  // to the millisecond
    if (duringWait) {
      auto once = std::move(duringWait);
      duringWait = nullptr;
      once();
    }
    if (deadline > now) now = deadline;
  }
  void seedRandom(double) override {}
  double random() override {
    if (scripted.empty()) {
      fallback = fallback * 1103515245u + 12345u;
      return (fallback >> 8 & 0xFFFF) / 65536.0;
    }
    const double r = scripted.front();
    scripted.pop_front();
    return r;
  }
  PictureRef loadBitmap(int resource) override {
    return std::make_shared<Picture>("bitmap " + std::to_string(resource));
  }
  // The test data folder's pictures are short texts naming themselves; an
  // empty file is no picture.
  PictureRef loadPictureFile(const std::string& path, const std::string&) override {
    const auto content = readFileBytes(path);
    if (!content || content->empty()) return nullptr;
    return std::make_shared<Picture>(*content);
  }
  void playSound(const std::string& path) override {
    sounds.push_back(std::filesystem::path(path).filename().string());
  }
  void keepOnTop() override { ++onTop; }
  std::string upperCase(const std::string& text) override {
    std::string out = text;
    for (char& c : out)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
  }
  [[noreturn]] void fatal(const std::string& title, const std::string& text) override {
    throw FatalExit(title, text);
  }

  // Scripts a die at a mat position: position, face and rotation draws.
  void scriptDie(int position, int face, int rotation = 1) {
    scripted.push_back((position + 0.5) / 18);
    scripted.push_back((face - 0.5) / 6);
    scripted.push_back((rotation - 0.5) / 6);
  }

  double now = 0;
  int waits = 0;
  int onTop = 0;
  std::vector<double> waitLengths;
  std::function<void()> duringWait;  // runs inside the next wait
  std::deque<double> scripted;
  std::vector<std::string> sounds;
  unsigned fallback = 7;
};
