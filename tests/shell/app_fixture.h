// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/board_widget.h"
#include "desktop/game_app.h"
#include "flow/moves.h"
#include "scoring/open_boxes.h"

// A private copy of the built data folder in `folder` (its Dati): tests never
// touch the record.
inline void copyBuiltData(const QString& folder) {
  const QDir built(PENTARO_DATA_DIR);
  ASSERT_TRUE(built.exists("MCRC00.RCX")) << "no built data folder at " PENTARO_DATA_DIR;
  QDir(folder).mkpath("Dati");
  for (const QString& f : built.entryList(QDir::Files))
    QFile::copy(built.filePath(f), folder + "/Dati/" + f);
}

// The whole program started on a private copy of the data folder, on the
// given machine or the real one.
class OwnCopy {
 public:
  explicit OwnCopy(std::unique_ptr<QtPlatform> platform = nullptr) {
    copyBuiltData(folder.path());
    previous_ = QDir::currentPath();
    QDir::setCurrent(folder.path());
    app = platform ? std::make_unique<GameApp>(std::move(platform)) : std::make_unique<GameApp>();
    app->start();
  }
  ~OwnCopy() {
    app.reset();
    QDir::setCurrent(previous_);
  }

  GameWindow& game() { return app->game; }
  Board& board() { return app->game.board; }
  BoardWidget& boardWidget() { return *app->window.boardWidget(); }
  // A menu (by its title) or a menu's item (by its caption).
  QAction* menuAction(const QString& caption) {
    for (QAction* menu : app->window.menuBar()->actions()) {
      if (menu->text() == caption) return menu;
      for (QAction* a : menu->menu()->actions())
        if (a->text() == caption) return a;
    }
    return nullptr;
  }

  QTemporaryDir folder;
  std::unique_ptr<GameApp> app;

 private:
  QString previous_;
};

// The real machine, the window shown and active so that shortcuts work.
class GameAppTest : public ::testing::Test, public OwnCopy {
 protected:
  void SetUp() override {
    app->window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->window));
  }

  QPoint centre(const Element& e) { return BoardWidget::toPixels(e.windowRect()).center(); }
  void startGame(const char* name) {
    menuAction("Inizia")->trigger();
    QTest::keyClicks(app->window.nameField(), name);
    QTest::keyClick(app->window.nameField(), Qt::Key_Return);
  }
  void click(const Element& e) { QTest::mouseClick(&boardWidget(), Qt::LeftButton, {}, centre(e)); }
};

// The machine made predictable: the same dice every run, a clock that moves
// only when the game waits (and jumps to the end of the wait), sounds kept
// in a list instead of played.
class ScriptedPlatform : public QtPlatform {
 public:
  double secondsSinceMidnight() override { return 36000; }
  qint64 monotonicNanoseconds() override { return now_; }
  void runEventLoopUntil(double deadline) override {
    QtPlatform::runEventLoopUntil(0);  // brings the window up to date, runs no events
    now_ = std::max(now_, static_cast<qint64>(deadline * 1e9));
  }
  void playSound(const std::string& path) override { sounds.push_back(path); }
  void pass(double seconds) { now_ += static_cast<qint64>(seconds * 1e9); }

  std::vector<std::string> sounds;

 private:
  qint64 now_ = 1'000'000'000;
};

// The program on that machine, played through the game's handlers as clicks
// would.
class ScriptedGame : public OwnCopy {
 public:
  ScriptedGame() : ScriptedGame(new ScriptedPlatform) {}

  void act(const std::function<void()>& handler) { app->window.run(handler); }

  void begin(int players) {
    act([&] { players == 2 ? game().Play2_Click() : game().Play1_Click(); });
    act([&] { game().Gioca_Click(); });
  }
  void name(const std::string& typed) {
    act([&] { board().Text1.setText(typed); });
    act([&] { game().Label1_Click(); });
  }
  // Three throws, the first box still free, not yet accepted.
  void throwAndEnter() {
    for (int i = 0; i < 3 && game().SceltaAttiva == 0; ++i) act([&] { game().tira_Click(); });
    const std::vector<int> open = boxesOpenForEntry(game());
    if (!open.empty()) act([&] { game().PUNTI_Click(open.front()); });
  }
  void accept() {
    act([&] { game().OK_Click(); });
  }
  void playToTheEnd() {
    while (game().playing()) {
      throwAndEnter();
      if (game().playing()) accept();
    }
  }

  // Lets the turn timer run for a while, as it would between clicks.
  void wait(double seconds) {
    platform->pass(seconds);
    act([] {});
  }
  // A game for two from the resting board to "GAME OVER", stopping at each
  // kind of moment a player meets; look(what) sees the board there.
  void walk(const std::function<void(const char*)>& look) {
    look("resting");
    begin(2);
    look("first name");
    name("anna");
    look("second name");
    name("bruno");
    wait(0.5);
    look("first throw offered");
    act([&] { game().tira_Click(); });
    wait(0.5);
    look("dice on the tray");
    act([&] { game().dado_Click(trayDiceInReadingOrder(board()).front()); });
    wait(0.5);
    look("a die chosen to hold");
    act([&] { game().Label2_Click(); });
    act([&] { game().tieni_Click(0); });
    wait(0.5);
    look("a held die chosen to throw again");
    throwAndEnter();
    wait(0.5);
    look("tentative entry");
    accept();
    wait(0.5);
    look("second player on turn");
    playToTheEnd();
    look("game over");
  }

  // The board as painted, without the name field or other widgets over it.
  QImage render(qreal ratio = 1) {
    QImage image(boardWidget().size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    boardWidget().render(&image, {}, {}, QWidget::DrawWindowBackground);
    return image;
  }
  static std::string checksum(const QImage& image) {
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                    QCryptographicHash::Sha256)
        .toHex()
        .left(16)
        .toStdString();
  }

  ScriptedPlatform* platform = nullptr;

 private:
  explicit ScriptedGame(ScriptedPlatform* own)
      : OwnCopy(std::unique_ptr<QtPlatform>(own)), platform(own) {}
};
