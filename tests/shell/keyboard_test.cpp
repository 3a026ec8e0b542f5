// SPDX-License-Identifier: GPL-3.0-or-later
// Keys against the clicks they stand for: the same handlers, refused when a
// click would be, and marks that only a keyboard player ever sees.

#include "desktop/keyboard.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSet>
#include <string>
#include <vector>

#include "desktop/advice_request.h"
#include "desktop/key_list.h"
#include "desktop/board_overlay.h"
#include "desktop/player_aids.h"
#include "flow/game_window.h"
#include "flow/moves.h"
#include "app_fixture.h"

namespace {

class KeysTest : public GameAppTest {
 protected:
  void SetUp() override {
    GameAppTest::SetUp();
    // Every click handler notes the element it belongs to before it runs.
    auto note = [this](Element& e) {
      if (!e.Click) return;
      e.Click = [this, &e, handler = e.Click] {
        clicks.push_back(e.name());
        handler();
      };
    };
    for (Element* e : board().order()) {
      note(*e);
      if (e->kind() == Element::Kind::Panel)
        for (Element* child : static_cast<Panel*>(e)->children) note(*child);
    }
  }

  // Where Qt would send the key: the focused widget, else the window.
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : &app->window;
    QTest::keyClick(to, Qt::Key(key), modifiers);
  }
  void pressEach(const std::vector<int>& keys) {
    for (int k : keys) press(k);
  }
  std::string lastClick() const { return clicks.empty() ? "" : clicks.back(); }
  bool waitForPrompt(const char* caption) {
    return QTest::qWaitFor(
        [&] { return board().Label2.visible() && board().Label2.caption() == caption; }, 3000);
  }
  KeyboardPlay& keys() { return app->window.aids().keys(); }
  BoardOverlay& overlay() { return app->window.aids().overlay(); }

  std::vector<std::string> clicks;
};

TEST_F(KeysTest, AWholeTurnByKeyboard) {
  GameWindow& g = app->game;
  Board& b = board();
  press(Qt::Key_2, Qt::ControlModifier);
  EXPECT_TRUE(menuAction("2 Giocatori")->isChecked());
  press(Qt::Key_1, Qt::ControlModifier);
  EXPECT_TRUE(menuAction("1 Giocatore")->isChecked());
  press(Qt::Key_N, Qt::ControlModifier);
  ASSERT_TRUE(b.Text1.visible());

  // The name field keeps every key of its own, letters that play included.
  QTest::keyClicks(QApplication::focusWidget(), "thfa 1");
  press(Qt::Key_Return);
  EXPECT_EQ(b.PLAYER.caption(), "THFA 1");
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(app->window.aids().advice().state(), AdviceRequest::State::None);

  press(Qt::Key_Space);  // returns once the dice have landed
  EXPECT_EQ(clicks, std::vector<std::string>{"tira"});
  ASSERT_EQ(g.NumTiro, 2);
  const std::vector<int> dice = trayDiceInReadingOrder(b);
  ASSERT_EQ(dice.size(), 5u);
  for (std::size_t n = 1; n < dice.size(); ++n) {  // as the eye reads them
    const Rect a = b.dado[dice[n - 1]].windowPlace(), c = b.dado[dice[n]].windowPlace();
    EXPECT_TRUE(a.top < c.top || (a.top == c.top && a.left < c.left)) << n;
  }
  for (int n = 0; n < 5; ++n) {
    press(Qt::Key_1 + n);
    EXPECT_EQ(lastClick(), b.dado[dice[n]].name());
    EXPECT_TRUE(b.filtro[dice[n]].visible()) << n;
  }
  press(Qt::Key_1);  // a second press lets the die go, as a second click does
  EXPECT_FALSE(b.filtro[dice[0]].visible());
  press(Qt::Key_6);  // nothing held yet: no die there to click
  EXPECT_EQ(lastClick(), b.dado[dice[0]].name());

  ASSERT_TRUE(waitForPrompt("TIENI"));
  press(Qt::Key_T);
  EXPECT_EQ(lastClick(), "Label2");
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(g.Tenuto[k]) << k;
  EXPECT_EQ(trayDiceInReadingOrder(b), std::vector<int>{dice[0]});

  press(Qt::Key_7);
  EXPECT_EQ(lastClick(), "tieni(1)");
  EXPECT_TRUE(b.filtroT[1].visible());
  press(Qt::Key_0);  // the fifth slot is empty
  EXPECT_EQ(lastClick(), "tieni(1)");
  ASSERT_TRUE(waitForPrompt("SCARTA"));
  press(Qt::Key_T);
  EXPECT_FALSE(g.Tenuto[1]);
  EXPECT_EQ(trayDiceInReadingOrder(b).size(), 2u);

  ASSERT_TRUE(QTest::qWaitFor([&] { return b.Label29.visible(); }, 2000));
  press(Qt::Key_F);  // returns once the hand is gathered and analysed
  EXPECT_EQ(lastClick(), "Label29");
  ASSERT_EQ(g.SceltaAttiva, 1);

  // The highlight walks the free boxes, round the ends; Enter clicks there.
  EXPECT_EQ(keys().highlightedBox(), -1);
  press(Qt::Key_Down);
  EXPECT_EQ(keys().highlightedBox(), 0);  // the first press takes the top box
  pressEach({Qt::Key_Down, Qt::Key_Down, Qt::Key_Up});
  EXPECT_EQ(keys().highlightedBox(), 1);
  pressEach({Qt::Key_Up, Qt::Key_Up});
  EXPECT_EQ(keys().highlightedBox(), 12);
  press(Qt::Key_Return);
  EXPECT_EQ(lastClick(), "PUNTI(12)");
  EXPECT_EQ(g.CategoriaScelta, 13);
  EXPECT_EQ(keys().highlightedBox(), 12);  // it stays where the entry went
  press(Qt::Key_Down);                     // past the used box, round to the top
  EXPECT_EQ(keys().highlightedBox(), 0);
  press(Qt::Key_Enter);
  EXPECT_EQ(g.CategoriaScelta, 1);
  EXPECT_EQ(b.PUNTI[12].caption(), "");

  press(Qt::Key_A);
  EXPECT_EQ(lastClick(), "OK");
  EXPECT_EQ(g.NumTurno, 1);
  EXPECT_EQ(keys().highlightedBox(), -1);  // the new turn throws first
  press(Qt::Key_Return);
  EXPECT_EQ(lastClick(), "OK");
  EXPECT_EQ(clicks.size(), 14u);
}

TEST_F(KeysTest, MarksShowForKeysOnlyAndGoWithTheMouse) {
  // The board with and without what lies over it, painted at one moment.
  auto overlaid = [&] {
    const QImage bare =
        boardWidget().grab(QRect(QPoint(), boardWidget().size())).toImage();  // children included
    QImage alone(bare.size(), bare.format());
    alone.setDevicePixelRatio(bare.devicePixelRatio());
    boardWidget().render(&alone, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return bare != alone;
  };
  Board& b = board();
  EXPECT_FALSE(overlaid());
  startGame("ugo");
  click(b.tira);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return app->game.NumTiro == 2 && !app->game.turnBusy(); }, 5000));
  click(b.dado[trayDiceInReadingOrder(b)[0]]);
  EXPECT_FALSE(keys().inUse());
  EXPECT_FALSE(overlaid());
  EXPECT_TRUE(overlay().isHidden());

  press(Qt::Key_Up);  // no box is open yet: the key only shows the numbers
  EXPECT_TRUE(keys().inUse());
  EXPECT_EQ(overlay().scene().dieNumbers.size(), 5u);
  EXPECT_EQ(overlay().scene().dieNumbers[0].second, "1");
  EXPECT_TRUE(overlaid());

  QTest::mouseMove(&boardWidget(), {100, 500});
  QTest::mouseMove(&boardWidget(), {101, 500});
  EXPECT_FALSE(keys().inUse());
  EXPECT_TRUE(overlay().isHidden());
  EXPECT_FALSE(overlaid());
}

TEST_F(KeysTest, MenusNameTheirKeys) {
  struct Item {
    const char* caption;
    QKeySequence keys;
  };
  const Item items[] = {
      {"1 Giocatore", QKeySequence(Qt::CTRL | Qt::Key_1)},
      {"2 Giocatori", QKeySequence(Qt::CTRL | Qt::Key_2)},
      {"Inizia", QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"Interrompi", QKeySequence(Qt::CTRL | Qt::Key_I)},
      {"Consiglio", QKeySequence(Qt::Key_H)},
      {"Regole del gioco", QKeySequence(Qt::Key_F1)},
      {"Informazioni su PENTARO", QKeySequence()},
      {"Statistiche", QKeySequence(Qt::Key_F2)},
      {"Analisi della partita", QKeySequence(Qt::Key_F3)},
  };
  for (const Item& i : items) {
    QAction* a = menuAction(i.caption);
    ASSERT_TRUE(a) << i.caption;
    EXPECT_EQ(a->shortcut(), i.keys) << i.caption;
  }
  EXPECT_TRUE(menuAction("&Game") && menuAction("&Aiuto"));  // Alt+G, Alt+A

  // Every shortcut of the menus is in the one list of keys, and every key of
  // that list is in the first column of the README's table of keys.
  QSet<QString> listed;
  for (const KeyRow& row : kKeyRows)
    for (QKeyCombination c : row.codes)
      if (c.key() != Qt::Key_unknown) listed.insert(QKeySequence(c).toString());
  for (QAction* menu : app->window.menuBar()->actions())
    for (QAction* a : menu->menu()->actions()) {
      const QString keys = a->shortcut().toString();
      EXPECT_TRUE(keys.isEmpty() || listed.contains(keys)) << keys.toStdString();
    }
  QFile readme(PENTARO_SOURCE_DIR "/README.md");
  ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
  QSet<QString> documented;
  const QString table = QString::fromUtf8(readme.readAll()).section("\n## Keys\n", 1);
  for (const QString& line : table.section("\n## ", 0, 0).split('\n'))
    if (line.startsWith("| "))
      for (const QString& key : line.section('|', 1, 1).trimmed().split(", ")) documented.insert(key);
  for (const QString& key : listed) EXPECT_TRUE(documented.contains(key)) << key.toStdString();

  press(Qt::Key_F1);
  RulesWindow* rules = app->window.aids().rules();
  ASSERT_TRUE(rules);
  EXPECT_TRUE(rules->isVisible());
}

// A key held down repeats: the repeats are not presses, but for the
// highlight, which walks on.
TEST_F(KeysTest, AHeldKeyActsOnce) {
  startGame("ugo");
  press(Qt::Key_Space);
  ASSERT_EQ(app->game.NumTiro, 2);
  const int die = trayDiceInReadingOrder(board())[0];
  for (bool repeat : {false, true, true}) {
    QKeyEvent held(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1", repeat);
    QApplication::sendEvent(&app->window, &held);
  }
  EXPECT_TRUE(board().filtro[die].visible());
  EXPECT_EQ(clicks.size(), 2u);
}

}  // namespace
