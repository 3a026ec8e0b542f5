// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QPixmap>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "flow/platform.h"

class QEventLoop;
class QWidget;
class SoundPlayer;

// A picture ready for painting; marked for 2x screens. One of the program's
// own is decoded when it is first painted: a hidden one costs nothing.
class QtPicture : public Picture {
 public:
  QtPicture(std::string from, QPixmap p) : Picture(std::move(from)), pixmap_(std::move(p)) {}
  QtPicture(std::string from, QString art) : Picture(std::move(from)), art_(std::move(art)) {}
  const QPixmap& pixmap() const;

 private:
  mutable QPixmap pixmap_;
  mutable QString art_;
};

// The machine as the game sees it, through Qt.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // The window to keep on top and to hold the message box; beforeWait runs
  // before every wait so the board is drawn while the game waits.
  void attach(QWidget* window, std::function<void()> beforeWait, std::function<void()> halt);
  // Ends every wait at once (the window is closing).
  void cancelWaits();
  bool halted() const { return halted_; }
  // Loads the sound module, once; the first sound does it at the latest.
  // Without it, or without a sound server, the game is silent and says why
  // once on stderr.
  void setUpSound();
  // Where the sound module is looked for: beside the program, unless set.
  static QString soundModuleFolder;

  double secondsSinceMidnight() override;
  double monotonicSeconds() override;
  // The same clock to the nanosecond; the window paces the turn timer by it.
  virtual qint64 monotonicNanoseconds();
  void runEventLoopUntil(double deadline) override;
  void seedRandom(double seed) override;
  double random() override;
  PictureRef loadBitmap(int resource) override;
  PictureRef loadPictureFile(const std::string& path, const std::string& bytes) override;
  void playSound(const std::string& path) override;
  void keepOnTop() override;
  std::string upperCase(const std::string& text) override;
  [[noreturn]] void fatal(const std::string& title, const std::string& text) override;

  // Decodes the scorecard's die pictures on another core while the window
  // is being built. Decrypt still reads, writes and checks every file
  // itself; only a picture made from the very same bytes is taken from here.
  static void decodeAhead(const std::string& dataFolder);
  // A cursor resource as a pixmap marked for 2x screens.
  static QPixmap cursorPixmap(int resource);

 private:
  QElapsedTimer clock_;
  std::mt19937 random_;
  const QByteArray replay_ = qgetenv("PENTARO_SEED");
  std::uint32_t seedings_ = 0;  // with PENTARO_SEED: how often the dice were seeded
  std::map<int, PictureRef> bitmaps_;
  std::unique_ptr<SoundPlayer> sound_;
  bool soundTried_ = false;
  std::vector<QEventLoop*> waits_;
  bool cancelled_ = false;
  bool halted_ = false;
  QWidget* window_ = nullptr;
  std::function<void()> beforeWait_, halt_;
};
