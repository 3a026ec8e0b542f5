#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "flow/platform.h"

class QEventLoop;
class QSoundEffect;
class QWidget;

// A picture ready for painting; marked for 2x screens.
struct QtPicture : Picture {
  QtPicture(std::string from, QPixmap p) : Picture(std::move(from)), pixmap(std::move(p)) {}
  QPixmap pixmap;
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

  double secondsSinceMidnight() override;
  double monotonicSeconds() override;
  // The same clock to the nanosecond; the window paces the turn timer by it.
  virtual qint64 monotonicNanoseconds();
  void runEventLoopUntil(double deadline) override;
  void seedRandom(double seed) override;
  double random() override;
  PictureRef loadBitmap(int resource) override;
  PictureRef loadPictureFile(const std::string& path) override;
  void playSound(const std::string& path) override;
  void keepOnTop() override;
  std::string upperCase(const std::string& text) override;
  [[noreturn]] void fatal(const std::string& title, const std::string& text) override;

  // A cursor resource as a pixmap marked for 2x screens.
  static QPixmap cursorPixmap(int resource);

 private:
  QElapsedTimer clock_;
  std::mt19937 random_;
  std::map<int, PictureRef> bitmaps_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> sounds_;
  QSoundEffect* playing_ = nullptr;
  std::vector<QEventLoop*> waits_;
  bool cancelled_ = false;
  bool halted_ = false;
  QWidget* window_ = nullptr;
  std::function<void()> beforeWait_, halt_;
};
