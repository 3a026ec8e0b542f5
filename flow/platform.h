// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "board/elements.h"

// What the game needs from the machine it runs on. The desktop shell
// implements it with Qt; the tests with a fake whose clock jumps.
class Platform {
 public:
  virtual ~Platform() = default;

  // Seconds since midnight, with a fraction (seeds the dice).
  virtual double secondsSinceMidnight() = 0;
  // Seconds on a clock that never goes back (paces the waits).
  virtual double monotonicSeconds() = 0;
  // Handles events until the monotonic clock reaches the deadline, sleeping
  // while there is nothing to do. May return earlier when the window closes.
  virtual void runEventLoopUntil(double deadline) = 0;

  virtual void seedRandom(double seed) = 0;
  // Uniform in [0, 1).
  virtual double random() = 0;

  // A bitmap of the program's own; never fails.
  virtual PictureRef loadBitmap(int resource) = 0;
  // A picture file, whose bytes the caller has just written: the picture
  // may be made from those without reading the file again. nullptr when it
  // is not a picture.
  virtual PictureRef loadPictureFile(const std::string& path, const std::string& bytes) = 0;

  // Starts a sound file, cutting off the one playing; a missing file is silent.
  virtual void playSound(const std::string& path) = 0;

  virtual void keepOnTop() = 0;
  virtual std::string upperCase(const std::string& text) = 0;

  // Shows the critical message box and ends the program; never returns.
  [[noreturn]] virtual void fatal(const std::string& title, const std::string& text) = 0;
};
