// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the game for the README and the software centre, made by the
// build (cmake --build build --target screenshots): the real window, off
// screen, in a game played with scripted dice through clicks and keys, as a
// player would. Each picture is a step of its own: a window of another part
// of the game adds a step of its own below.
//
//   screenshots DATA_FOLDER OUTPUT_FOLDER

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <deque>
#include <initializer_list>

#include "desktop/board_widget.h"
#include "desktop/game_app.h"
#include "desktop/player_aids.h"
#include "desktop/advice_request.h"
#include "desktop/history/store.h"
#include "desktop/history_link.h"
#include "tools/sample_history.h"

namespace {

// The real platform, whose dice come from a script: each die thrown takes
// its place on the tray, its face and its tilt.
class ScriptedDice : public QtPlatform {
 public:
  void die(int place, int face) {
    script_.push_back((place + 0.5) / 18);
    script_.push_back((face - 0.5) / 6);
    script_.push_back((place % 6 + 0.5) / 6);
  }
  double random() override {
    if (script_.empty()) return QtPlatform::random();
    const double r = script_.front();
    script_.pop_front();
    return r;
  }

 private:
  std::deque<double> script_;
};

class Player {
 public:
  Player(GameApp& app, ScriptedDice& dice) : app_(app), dice_(dice) {}

  void command(const QString& caption) {
    for (QAction* menu : app_.window.menuBar()->actions())
      for (QAction* a : menu->menu()->actions())
        if (a->text() == caption) a->trigger();
    settle();
  }
  void type(const char* name) {
    QTest::keyClicks(app_.window.nameField(), name);
    QTest::keyClick(app_.window.nameField(), Qt::Key_Return);
    settle();
  }
  // One throw: the dice not held land where the script says.
  void roll(std::initializer_list<std::pair<int, int>> placesAndFaces) {
    for (const auto& [place, face] : placesAndFaces) dice_.die(place, face);
    click(app_.game.board.tira);
  }
  // Selects the tray dice at these places and holds them.
  void hold(std::initializer_list<int> places) {
    for (int place : places) click(app_.game.board.dado[place]);
    click(app_.game.board.Label2);
  }
  // As a player would, once the element shows (the prompts come at the
  // turn timer's next tick).
  void click(const Element& e) {
    if (!QTest::qWaitFor([&] { return e.visible(); }, 5000))
      std::fprintf(stderr, "screenshots: %s never showed\n", e.name().c_str());
    QTest::mouseClick(app_.window.boardWidget(), Qt::LeftButton, {},
                      BoardWidget::toPixels(e.windowRect()).center());
    settle();
  }
  void key(Qt::Key k) {
    QTest::keyClick(&app_.window, k);
    settle();
  }
  bool save(const QString& file) {
    QTest::qWait(300);  // the last frame drawn
    return app_.window.grab().save(file);
  }

 private:
  void settle() {
    if (!QTest::qWaitFor([&] { return !app_.game.turnBusy(); }, 10000))
      std::fprintf(stderr, "screenshots: the game did not settle\n");
  }

  GameApp& app_;
  ScriptedDice& dice_;
};

// The window of that title once it shows, and a wait for `ready`.
QWidget* shownWindow(const QString& title, const std::function<bool(QWidget*)>& ready) {
  QWidget* found = nullptr;
  const bool shown = QTest::qWaitFor(
      [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (w->isVisible() && w->windowTitle() == title) found = w;
        return found && ready(found);
      },
      300000);
  QTest::qWait(300);  // the charts drawn
  if (!shown) std::fprintf(stderr, "screenshots: %s never showed\n", qPrintable(title));
  return shown ? found : nullptr;
}

bool saveWindow(QWidget* window, const QDir& out, const char* file) {
  if (!window || !window->grab().save(out.filePath(file))) return false;
  std::printf("%s\n", qPrintable(out.filePath(file)));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: screenshots DATA_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QString data = QDir(argv[1]).absolutePath();
  const QDir out(QDir(argv[2]).absolutePath());
  QDir().mkpath(out.path());

  // A private game folder: the record shown is the first one.
  QTemporaryDir folder;
  QDir(folder.path()).mkpath("Dati");
  for (const QString& file : QDir(data).entryList(QDir::Files))
    QFile::copy(data + "/" + file, folder.path() + "/Dati/" + file);
  QDir::setCurrent(folder.path());
  // A hundred games kept before: the history's windows have something to show.
  {
    HistoryStore history(folder.filePath(kHistoryFile));
    std::mt19937 rng(3);
    for (int i = 1; i <= 100; ++i) history.save(sample::game(rng, i, 100));
  }
  HistoryLink::moduleFolder = QDir(data).absoluteFilePath("..");

  auto own = std::make_unique<ScriptedDice>();
  ScriptedDice& dice = *own;
  GameApp app(std::move(own));
  if (!app.start() || !QTest::qWaitForWindowExposed(&app.window)) return 1;
  Player anna(app, dice);
  const Board& b = app.game.board;

  // The statistics of the games kept; the last game reviewed; each box beside
  // perfect play, known once the review has worked it out.
  anna.command("Statistiche");
  QWidget* statistics = shownWindow("Statistiche", [](QWidget*) { return true; });
  if (!saveWindow(statistics, out, "statistics.png")) return 1;
  anna.command("Analisi della partita");
  QWidget* review = shownWindow("Analisi della partita", [](QWidget* w) {
    for (QLabel* l : w->findChildren<QLabel*>())
      if (l->text().startsWith("Punteggio:")) return true;
    return false;
  });
  if (!saveWindow(review, out, "review.png")) return 1;
  review->close();
  statistics->findChild<QTabWidget*>()->setCurrentIndex(2);
  QTest::qWait(500);
  if (!saveWindow(statistics, out, "statistics-boxes.png")) return 1;
  statistics->close();
  app.window.activateWindow();  // its keys work again
  if (!QTest::qWaitForWindowActive(&app.window)) return 1;

  anna.command("Inizia");
  anna.type("anna");
  // Three sixes kept, a fourth found: SEI.
  anna.roll({{2, 6}, {5, 6}, {8, 3}, {11, 6}, {14, 1}});
  anna.hold({2, 5, 11});
  anna.roll({{0, 6}, {16, 4}});
  anna.hold({0});
  anna.roll({{9, 2}});
  anna.click(b.PUNTI[5]);
  anna.click(b.OK);
  // A long straight at the first throw, all held and stopped: Scala Massima.
  anna.roll({{1, 2}, {4, 3}, {7, 4}, {10, 5}, {13, 1}});
  anna.hold({1, 4, 7, 10, 13});
  anna.click(b.Label29);
  anna.click(b.PUNTI[10]);
  anna.click(b.OK);
  // Three fives held, two dice thrown again, and the advice asked.
  anna.roll({{3, 5}, {6, 5}, {9, 2}, {12, 5}, {15, 3}});
  anna.hold({3, 6, 12});
  anna.roll({{0, 4}, {17, 1}});
  anna.key(Qt::Key_H);
  if (!QTest::qWaitFor(
          [&] { return app.window.aids().advice().state() == AdviceRequest::State::Shown; },
          120000))
    return 1;
  if (!anna.save(out.filePath("board.png"))) return 1;
  std::printf("%s\n", qPrintable(out.filePath("board.png")));
  return 0;
}
