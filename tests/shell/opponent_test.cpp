#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "advisor/computer_move.h"
#include "desktop/computer_player.h"
#include "desktop/history_link.h"
#include "desktop/main_window.h"
#include "desktop/keyboard.h"
#include "desktop/player_aids.h"
#include "app_fixture.h"
#include "flow/moves.h"

namespace {

using advisor::Level;

// A game for two on the predictable machine against the computer: anna plays
// the first seat as "principiante" would, each of her clicks through the
// window; the computer plays the second at once.
struct AgainstTheComputer : ScriptedGame {
  explicit AgainstTheComputer(Level level) {
    computer().choose(level);
    computer().setPace(0);
  }
  ComputerPlayer& computer() { return app->window.computer(); }
  QMenu* opponentMenu() { return menuAction("Avversario")->menu(); }
  bool computersTurn() { return computer().hasTheBoard(); }
  // Anna's turn, click by click.
  void annasTurn() {
    advisor::Player anna(Level::kPrincipiante, nullptr);
    const int turn = game().NumTurno * 2;
    while (game().playing() && !computersTurn() && game().NumTurno * 2 == turn) {
      const auto move = advisor::nextMove(anna, game());
      if (move)
        act([&] { ::play(game(), *move); });
      else
        tick();
    }
  }
  // Its steps come from its own timer; the prompts are drawn by the blinkers,
  // the turn timer and the hold prompt's, here on a clock that moves only when told to.
  void tick() {
    wait(0.1);
    act([&] { game().Timer1_Timer(); });
  }
  bool waitForComputer() {
    // Its level tables come from the background, in real time.
    for (QDeadlineTimer end(120000); computersTurn() && !end.hasExpired();) {
      tick();
      QCoreApplication::processEvents();
    }
    return !computersTurn();
  }
};

int entries(const std::array<std::string, kCategories>& sheet) {
  return std::count_if(sheet.begin(), sheet.end(), [](const std::string& s) { return !s.empty(); });
}

TEST(Opponent, AWholeGameAgainstEachLevel) {
  for (Level level : advisor::kLevels) {
    SCOPED_TRACE(advisor::levelName(level));
    AgainstTheComputer g(level);
    // Every click of the board goes through a handler that counts it.
    int clicks = 0;
    for (Element* e : g.board().order())
      if (e->Click) e->Click = [old = e->Click, &clicks] { ++clicks, old(); };
    g.begin(2);
    EXPECT_FALSE(g.opponentMenu()->isEnabled()) << "while the names are typed";
    g.name("anna");
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.game().playing(); }, 5000));
    EXPECT_EQ(g.game().NomeGiocatore[1], advisor::levelName(level));
    EXPECT_FALSE(g.opponentMenu()->isEnabled());
    int computerClicks = 0;
    while (g.game().playing()) {
      g.annasTurn();
      const int before = clicks;
      ASSERT_TRUE(g.waitForComputer());
      computerClicks += clicks - before;
    }
    EXPECT_TRUE(g.board().GameOver2.visible());
    EXPECT_EQ(entries(g.game().Tabella1), kCategories);
    // The sheet on show at the end is the computer's, the other is kept aside.
    std::array<std::string, kCategories> shown;
    for (int i = 0; i < kCategories; ++i) shown[i] = g.board().PUNTI[i].caption();
    EXPECT_EQ(entries(shown), kCategories);
    // At least a throw, a box and ACCETTA each turn, all clicks.
    EXPECT_GE(computerClicks, 3 * kCategories);
    EXPECT_TRUE(g.opponentMenu()->isEnabled());
    // The record holds people only.
    const std::string record = g.board().NomeRecord.caption();
    EXPECT_NE(record, advisor::levelName(level));
    // The history keeps who played: a person, and the computer at its level.
    const auto& kept = g.app->window.findChild<HistoryLink*>()->recorder().game().players;
    EXPECT_EQ(kept[0].kind + kept[1].kind + kept[1].level,
              "personacomputer" +
                  QString::fromStdString(advisor::levelName(level)).toLower().toStdString());
  }
}

class OpponentInRealTime : public GameAppTest {
 protected:
  // anna's first turn: one throw, FERMATI, the first box, ACCETTA; then the
  // computer is throwing.
  void untilTheComputerThrows() {
    app->window.computer().choose(Level::kPrincipiante);
    app->window.computer().setPace(0);
    menuAction("2 Giocatori")->trigger();
    startGame("anna");
    Board& b = board();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.playing(); }, 5000));
    click(b.tira);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !app->game.turnBusy(); }, 10000));
    for (int i = 0; i < kTrayPlaces; ++i)
      if (app->game.Occupato[i]) {
        click(b.dado[i]);
        break;
      }
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.Label2.visible(); }, 10000));
    click(b.Label2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.Label29.visible(); }, 10000));
    click(b.Label29);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return app->game.SceltaAttiva == 1 && !app->game.turnBusy(); }, 10000));
    click(b.PUNTI[12]);
    click(b.OK);
    ASSERT_TRUE(app->window.computer().hasTheBoard());
  }
  // Its throw runs the events while the dice roll: a timer watching for it
  // acts in the middle of it.
  bool inItsThrow(const std::function<void()>& act) {
    bool busy = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (!app->game.turnBusy()) return;
      busy = true;
      poll.stop();
      act();
    });
    poll.start(1);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !app->game.playing() || app->game.closing(); }, 10000));
    return busy;
  }
};

TEST_F(OpponentInRealTime, ItsTurnIsItsOwnButTheMenuStaysAlive) {
  ASSERT_NO_FATAL_FAILURE(untilTheComputerThrows());
  app->window.computer().setPace(60000);  // after its first throw, no step while we look
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return app->game.NumTiro > 1 && !app->game.turnBusy(); }, 10000));
  const int tiro = app->game.NumTiro;
  const auto held = app->game.Tenuto;
  EXPECT_EQ(boardWidget().cursor().shape(), Qt::ArrowCursor);
  for (int i = 0; i < kTrayPlaces; ++i)
    if (app->game.Occupato[i]) click(board().dado[i]);
  click(board().tira);
  click(board().Label29);
  for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_T, Qt::Key_F, Qt::Key_L})
    QTest::keyClick(&app->window, Qt::Key(key));
  EXPECT_EQ(app->game.NumTiro, tiro);
  EXPECT_EQ(app->game.Tenuto, held);
  EXPECT_FALSE(app->window.aids().keys().inUse()) << "no key numbers on its dice";
  for (const Shape& mark : board().filtro) EXPECT_FALSE(mark.visible());
  menuAction("Interrompi")->trigger();
  EXPECT_FALSE(app->game.playing());
  EXPECT_FALSE(app->window.computer().hasTheBoard());
}

TEST_F(OpponentInRealTime, InterrompiAndClosingInItsThrow) {
  ASSERT_NO_FATAL_FAILURE(untilTheComputerThrows());
  EXPECT_TRUE(inItsThrow([&] { menuAction("Interrompi")->trigger(); }));
  EXPECT_FALSE(app->game.playing());
  EXPECT_FALSE(app->window.computer().hasTheBoard());
  ASSERT_NO_FATAL_FAILURE(untilTheComputerThrows());
  EXPECT_TRUE(inItsThrow([&] { app->window.close(); }));
  EXPECT_TRUE(app->game.closing());
}

// With "Nessuno" a game is the one the game had before it knew opponents:
// two people, the first by mouse and the second by keys, then one alone.
// After every move the board, the pointer, the new sounds, the clock and
// the record go into a digest, matched against the digest of the same
// scripted game played by the last build without the opponent's code
// (cdb80c6): a change to the board made on purpose brings new digests.
TEST(Opponent, NessunoPlaysAsBefore) {
  const std::map<int, std::string> before = {{2, "d348d3d35079c6e2"}, {1, "51609ff7191eaa86"}};
  for (int players : {2, 1}) {
    ScriptedGame g;
    g.app->window.computer().choose(std::nullopt);
    BoardWidget& widget = *g.app->window.boardWidget();
    QCryptographicHash digest(QCryptographicHash::Sha256);
    std::size_t heard = 0;
    auto look = [&] {
      // A quarter of the size still shows every prompt and mark, and quickly.
      std::string seen = ScriptedGame::checksum(g.render(0.25));
      for (; heard < g.platform->sounds.size(); ++heard)
        seen += QFileInfo(QString::fromStdString(g.platform->sounds[heard])).fileName().toStdString();
      seen += std::to_string(g.platform->monotonicNanoseconds()) +
              std::to_string(widget.cursor().shape()) + g.board().NomeRecord.caption() +
              g.board().PuntiRecord.caption();
      digest.addData(QByteArray::fromStdString(seen));
    };
    auto move = [&](Move m) {
      const Element* e = elementOf(g.board(), m);
      if (e && g.game().Giocatore != giocatore::kSecondOfTwo) {
        const QPoint at = BoardWidget::toPixels(e->windowRect()).center();
        QTest::mouseMove(&widget, at);
        QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
      } else {
        g.app->window.play(m);
      }
      g.wait(0.1);  // the blinker draws the next prompt
      g.act([&] { g.game().Timer1_Timer(); });
      look();
    };
    move({players == 2 ? Move::TwoPlayers : Move::OnePlayer});
    move({Move::Start});
    for (const char* name : {"anna", "bruno"}) {
      if (!g.board().Text1.visible()) break;
      g.name(name);
      look();
    }
    for (int turns = 0; g.game().playing() && turns < 40; ++turns) {
      g.act([&] { g.board().PuntiRecord.setCaption("0"); });  // every final score a record
      g.wait(0.5);
      look();
      for (Move::Kind kind : {Move::Throw, Move::TrayDie, Move::HoldOrDiscard, Move::Throw,
                              Move::Throw, Move::Box, Move::Accept}) {
        for (const Move& m : legalMoves(g.game()))
          if (m.kind == kind) {
            move(m);
            break;
          }
      }
    }
    EXPECT_TRUE(g.board().GameOver2.visible());
    QFile record("Dati/MCRC00.RCX");
    EXPECT_TRUE(record.open(QIODevice::ReadOnly));
    digest.addData(record.readAll());
    EXPECT_EQ(digest.result().toHex().left(16).toStdString(), before.at(players)) << players;
  }
}

}  // namespace
