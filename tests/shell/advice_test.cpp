// SPDX-License-Identifier: GPL-3.0-or-later
// "Consiglio" as the player meets it: worked out without freezing the window,
// shown over the board without touching the game, gone at the next action.

#include "advisor/advice.h"

#include <QApplication>
#include <QTimer>
#include <optional>
#include <thread>

#include "desktop/advice_request.h"
#include "desktop/advisor_tables.h"
#include "desktop/board_overlay.h"
#include "desktop/keyboard.h"
#include "desktop/player_aids.h"
#include "desktop/rules_window.h"
#include "flow/game_window.h"
#include "app_fixture.h"

namespace {

class AdviceTest : public GameAppTest {
 protected:
  AdviceRequest& advice() { return app->window.aids().advice(); }
  const BoardOverlay::Scene& scene() { return app->window.aids().overlay().scene(); }
  // H, then the answer, however long the first solving takes.
  void ask() {
    QTest::keyClick(&app->window, Qt::Key_H);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return advice().state() == AdviceRequest::State::Shown; }, 60000));
  }
};

TEST_F(AdviceTest, TablesAreWorkedOutWhileTheNamesAreTyped) {
  QTest::keyClick(&app->window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(strategyTable().started());
}

TEST(BackgroundTable, MadeOnceToldOnTheWindowsThreadGivenUpAtTheEnd) {
  int made = 0, told = 0;
  BackgroundTable<int> table([&](const std::atomic<bool>&) {
    ++made;
    return std::make_shared<const int>(7);
  });
  auto tell = [&](const std::shared_ptr<const int>& t) {
    EXPECT_EQ(QThread::currentThread(), qApp->thread());
    told += *t;
  };
  std::optional<QObject> gone(std::in_place);
  table.whenReady(&*gone, [&](const auto&) { told += 100; });
  gone.reset();  // its news is dropped
  QObject here;
  table.whenReady(&here, tell);
  table.ensureSolving();
  ASSERT_TRUE(QTest::qWaitFor([&] { return told != 0; }, 10000));
  table.whenReady(&here, tell);  // at once now
  EXPECT_EQ(told, 14);
  EXPECT_EQ(made, 1);

  // A table still being made when the run ends is given up: this returns.
  BackgroundTable<int> endless([](const std::atomic<bool>& cancelled) {
    while (!cancelled) std::this_thread::yield();
    return std::shared_ptr<const int>();
  });
  endless.ensureSolving();
}

TEST_F(AdviceTest, ShowsTheBestMoveAndGoesAtTheNextAction) {
  Board& b = board();
  EXPECT_EQ(advice().state(), AdviceRequest::State::None);  // nothing solved at start

  // The window answers while the table is being worked out.
  QTest::keyClick(&app->window, Qt::Key_H);
  if (advice().state() == AdviceRequest::State::Solving) {
    EXPECT_EQ(scene().text, QStringList{"Calcolo del consiglio..."});
    QTest::keyClick(&app->window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(b.Text1.visible());
    EXPECT_EQ(advice().state(), AdviceRequest::State::None);  // the command ended the wait
    menuAction("Interrompi")->trigger();
    // Once worked out, the advice no one waits for any more stays unshown.
    ASSERT_TRUE(QTest::qWaitFor([] { return strategyTable().table() != nullptr; }, 60000));
    QCoreApplication::processEvents();
    EXPECT_EQ(advice().state(), AdviceRequest::State::None);
  }
  ask();
  EXPECT_FALSE(advice().advice().available);  // no game
  EXPECT_EQ(scene().text, QStringList{"Nessun consiglio in questo momento"});

  startGame("ugo");
  ask();
  EXPECT_EQ(scene().text, QStringList({"Consiglio: tira i dadi", "Punteggio atteso: 245,9"}));
  EXPECT_TRUE(scene().advised.empty());

  QTest::keyClick(&app->window, Qt::Key_Space);
  EXPECT_EQ(advice().state(), AdviceRequest::State::None);
  b.takeDirty();
  ask();
  EXPECT_TRUE(b.takeDirty().empty());  // it only shows: no board element changed
  const advisor::Advice& a = advice().advice();
  ASSERT_TRUE(a.available);
  // One mark for each die to keep, on that die, clear of the pips of the
  // dice beside it (pips lie 10 pixels and more inside a die's picture).
  auto marksOnTheirDice = [&] {
    const advisor::Advice& now = advice().advice();
    std::vector<QRect> dice;
    for (int i : now.keepTray) dice.push_back(BoardWidget::toPixels(b.dado[i].windowRect()));
    for (int k : now.keepHeld) dice.push_back(BoardWidget::toPixels(b.tieni[k].windowRect()));
    ASSERT_EQ(scene().advised.size(), dice.size() + (now.stop && b.Label29.visible()));
    for (std::size_t m = 0; m < dice.size(); ++m) {
      const QRect painted = scene().advised[m].adjusted(-6, -6, 6, 6);
      EXPECT_TRUE(dice[m].contains(scene().advised[m].center())) << m;
      auto clearOf = [&](const PictureBox& other) {
        const QRect place = BoardWidget::toPixels(other.windowRect());
        return !other.visible() || place == dice[m] ||
               !painted.intersects(place.adjusted(10, 10, -10, -10));
      };
      EXPECT_TRUE(std::all_of(b.dado.begin(), b.dado.end(), clearOf)) << m;
      EXPECT_TRUE(std::all_of(b.tieni.begin(), b.tieni.end(), clearOf)) << m;
    }
  };
  marksOnTheirDice();
  EXPECT_EQ(scene().text.size(), 2);
  EXPECT_TRUE(scene().text[1].startsWith("Punteggio atteso: "));

  // A click anywhere on the board is an action.
  click(b.Image1);
  EXPECT_EQ(advice().state(), AdviceRequest::State::None);
  EXPECT_TRUE(scene().advised.empty());
  EXPECT_TRUE(scene().text.isEmpty());

  // Three dice held side by side, the marks again; stopping by key; the box
  // to choose is marked.
  QTest::keyClick(&app->window, Qt::Key_1);
  EXPECT_EQ(advice().state(), AdviceRequest::State::None);
  QTest::keyClick(&app->window, Qt::Key_2);
  QTest::keyClick(&app->window, Qt::Key_3);
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.Label2.visible(); }, 3000));
  QTest::keyClick(&app->window, Qt::Key_T);
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.Label29.visible(); }, 3000));
  ask();
  marksOnTheirDice();
  QTest::keyClick(&app->window, Qt::Key_F);
  ASSERT_EQ(app->game.SceltaAttiva, 1);
  ask();
  ASSERT_TRUE(advice().advice().box.has_value());
  EXPECT_EQ(scene().advised,
            std::vector{BoardWidget::toPixels(b.PUNTI[*advice().advice().box].windowRect())});
  EXPECT_EQ(scene().text[0], "Consiglio: scegli la casella segnata");
}

// Five sixes on the tray: keep them all, and stop.
TEST_F(AdviceTest, FiveAlikeOnTheTrayAreKeptAndStopped) {
  startGame("ugo");
  click(board().tira);
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.NumTiro == 2 && !app->game.turnBusy(); }, 5000));
  for (int i : trayDiceInReadingOrder(board())) app->game.FacciaPos[i] = 6;
  ask();
  EXPECT_EQ(scene().text.value(0), "Consiglio: tieni i dadi segnati e FERMATI");
}

TEST_F(AdviceTest, AskedDuringAThrowItIsWorkedOutWhenTheDiceLand) {
  startGame("ugo");
  ask();  // the table is ready
  bool askedWhileRolling = false;
  QTimer::singleShot(100, &app->window, [&] {
    askedWhileRolling = app->game.turnBusy();
    QTest::keyClick(&app->window, Qt::Key_H);
  });
  click(board().tira);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !app->game.turnBusy(); }, 5000));
  EXPECT_TRUE(askedWhileRolling);
  EXPECT_TRUE(advice().advice().available);
  EXPECT_TRUE(scene().text.value(0).startsWith("Consiglio: "))
      << scene().text.join("|").toStdString();
}

TEST_F(AdviceTest, RulesAndCreditsSayWhatTheBoardSays) {
  const QString rules = RulesWindow::rulesHtml(board());
  // Every box with its points as its tip gives them, the bonus, the keys.
  for (int i = 0; i < 14; ++i) {
    EXPECT_TRUE(rules.contains(QString::fromStdString(board().Label4[i].tip).toHtmlEscaped())) << i;
    EXPECT_TRUE(rules.contains(QString::fromStdString(board().Label4[i].caption()).toHtmlEscaped()))
        << i;
  }
  for (const char* word : {"TIENI", "SCARTA", "FERMATI", "ACCETTA", "GAME OVER", "PARITA'",
                           "RECORD", "Ctrl+N", "Spazio", "Invio", "F1"})
    EXPECT_TRUE(rules.contains(word)) << word;

  const QString about = aboutText();
  for (const char* word :
       {"PENTARO", "Versione", "GPL-3.0-or-later", "creati dal programma stesso"})
    EXPECT_TRUE(about.contains(word)) << word;
}

}  // namespace
