// SPDX-License-Identifier: GPL-3.0-or-later
// The window as Qt shows it: colours where the board has them, clicks and
// pointer moves reaching the game, the name field and the menu in step.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "app_fixture.h"
#include "media/complement.h"
#include "media/files.h"
#include "media/folder_lock.h"

namespace {

class WindowTest : public GameAppTest {
 protected:
  // A double click as the window system delivers one: press, release, press
  // (reported as the double click), release.
  void doubleClick(QPoint boardPixel) {
    QWidget& window = app->window;
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                       boardWidget().mapTo(&window, boardPixel));
  }
};

// Centred where it fits; a window larger than the screen (2x on a 1280 x 1024
// screen) keeps its top-left corner, and so its menu bar, on the screen.
TEST_F(WindowTest, WindowStaysReachableOnItsScreen) {
  const QRect screen = app->window.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(app->window.frameGeometry().topLeft()));
  EXPECT_EQ(placeOnScreen({0, 0, 1280, 1024}, {648, 590}), QPoint(316, 217));
  EXPECT_EQ(placeOnScreen({0, 0, 1280, 1024}, {1296, 1180}), QPoint(0, 0));
  EXPECT_EQ(placeOnScreen({1280, 24, 1280, 1000}, {1296, 600}), QPoint(1280, 224));
}

TEST_F(WindowTest, MenuAndNameFieldFollowTheGame) {
  QAction* two = menuAction("2 Giocatori");
  two->trigger();
  EXPECT_TRUE(two->isChecked());
  EXPECT_FALSE(menuAction("1 Giocatore")->isChecked());
  menuAction("1 Giocatore")->trigger();
  menuAction("Inizia")->trigger();
  QLineEdit* field = app->window.nameField();
  EXPECT_TRUE(field->isVisible());
  EXPECT_FALSE(menuAction("Inizia")->isEnabled());
  QTest::keyClicks(field, "giovanna rossi");  // 14 characters typed, 12 kept
  EXPECT_EQ(field->text(), "giovanna ros");
  QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(field->isVisible());
  EXPECT_EQ(app->game.board.PLAYER.caption(), "GIOVANNA ROS");
  EXPECT_EQ(app->window.windowTitle(), "PENTARO");
  EXPECT_TRUE(app->game.board.tira.visible());
}

TEST_F(WindowTest, PointerFollowsWhatLiesUnderIt) {
  Board& b = app->game.board;
  QTest::mouseMove(&boardWidget(), centre(b.Label9[0]));
  EXPECT_EQ(boardWidget().cursor().shape(), Qt::ArrowCursor);  // custom, but none chosen yet
  QTest::mouseMove(&boardWidget(), centre(b.Label4[0]));
  EXPECT_EQ(b.pointer().icon, 102);
  EXPECT_EQ(boardWidget().cursor().shape(), Qt::BitmapCursor);
  QTest::mouseMove(&boardWidget(), centre(b.Label9[0]));
  EXPECT_EQ(boardWidget().cursor().shape(), Qt::BitmapCursor);
  QTest::mouseMove(&boardWidget(), centre(b.Label4[17]));
  EXPECT_EQ(boardWidget().cursor().shape(), Qt::ArrowCursor);
  QTest::mouseMove(&boardWidget(), {100, 500});  // a wood tile
  EXPECT_FALSE(b.pointer().custom);
}

TEST_F(WindowTest, CategoryNamesExplainThemselves) {
  Board& b = app->game.board;
  auto tipAt = [&](const Element& e) {
    const QPoint at = centre(e);
    QHelpEvent help(QEvent::ToolTip, at, boardWidget().mapToGlobal(at));
    QApplication::sendEvent(&boardWidget(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(tipAt(b.Label4[17]), "");  // a total's title explains nothing
  EXPECT_EQ(tipAt(b.Label4[9]), "Sequenza di 4. Vale 30 punti.");
  EXPECT_EQ(tipAt(b.Label4[13]), "Se il totale raggiunge o supera 63. Vale 35 punti.");
}

TEST_F(WindowTest, DoubleClicksAndTheEdgeOfTheHoldRowThroughATurn) {
  Board& b = app->game.board;
  GameWindow& g = app->game;
  startGame("ugo");
  QTest::mouseClick(&boardWidget(), Qt::LeftButton, {}, centre(b.tira));
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.NumTiro == 2 && !g.turnBusy(); }, 5000));

  // A die double-clicked is selected once, not selected and let go again.
  int die = 0;
  while (!b.dado[die].visible()) ++die;
  QTest::mouseClick(&boardWidget(), Qt::RightButton, {}, centre(b.dado[die]));
  EXPECT_FALSE(b.filtro[die].visible());  // only the left button clicks
  doubleClick(centre(b.dado[die]));
  EXPECT_TRUE(b.filtro[die].visible());
  // Let go again, the hold prompt stops blinking; chosen once more, it blinks.
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->window.holdPromptTimer().isActive(); }, 2000));
  click(b.dado[die]);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !app->window.holdPromptTimer().isActive(); }, 2000));
  click(b.dado[die]);
  // The cup is the one element that answers a double click.
  doubleClick(BoardWidget::toPixels(b.Image2.windowRect()).topLeft() + QPoint(20, 20));
  EXPECT_FALSE(b.Image2.picture());
  ASSERT_TRUE(b.Image3.picture());
  EXPECT_EQ(b.Image3.picture()->source, "bitmap 103");

  ASSERT_TRUE(QTest::qWaitFor([&] { return b.Label2.visible(); }, 2000));
  QTest::mouseClick(&boardWidget(), Qt::LeftButton, {}, centre(b.Label2));
  ASSERT_TRUE(b.tieni[0].visible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return b.Label29.visible(); }, 2000));
  // "FERMATI" reaches into the held die's first column: the die takes it.
  const QPoint sharedColumn(BoardWidget::toPixels(b.tieni[0].windowRect()).left(),
                            BoardWidget::toPixels(b.Label29.windowRect()).center().y());
  ASSERT_TRUE(BoardWidget::toPixels(b.Label29.windowRect()).contains(sharedColumn));
  QTest::mouseClick(&boardWidget(), Qt::LeftButton, {}, sharedColumn);
  EXPECT_TRUE(b.filtroT[0].visible());
  EXPECT_EQ(g.SceltaAttiva, 0);

  QTest::mouseClick(&boardWidget(), Qt::LeftButton, {}, centre(b.Label29));
  ASSERT_TRUE(QTest::qWaitFor([&] { return g.SceltaAttiva == 1 && !g.turnBusy(); }, 3000));

  // A free box double-clicked takes the hand once: no second click to be
  // refused with the "used box" sound. The hand gives way to the arrow at
  // once, the box being used now.
  int clicks = 0;
  b.PUNTI[12].Click = [&, click = b.PUNTI[12].Click] {
    ++clicks;
    click();
  };
  QTest::mouseMove(&boardWidget(), centre(b.PUNTI[12]));
  EXPECT_TRUE(b.pointer().custom);
  doubleClick(centre(b.PUNTI[12]));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(g.CategoriaScelta, 13);
  EXPECT_FALSE(b.PUNTI[12].caption().empty());
  EXPECT_FALSE(b.pointer().custom);
  EXPECT_EQ(boardWidget().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, ClosingDuringTheRollEndsCleanly) {
  Board& b = app->game.board;
  startGame("ugo");
  QTimer::singleShot(300, &app->window, [this] { app->window.close(); });
  QTest::mouseClick(&boardWidget(), Qt::LeftButton, {}, centre(b.tira));
  // The click returns once the throw has given up, long before 1.7 s.
  EXPECT_TRUE(app->game.closing());
  for (const PictureBox& d : b.dado) EXPECT_FALSE(d.visible());
  EXPECT_FALSE(app->window.isVisible());
}

// Every way text reaches the name field goes through the one name rule.
TEST_F(WindowTest, NameFieldKeepsToTheRuleHoweverTextArrives) {
  menuAction("Inizia")->trigger();
  QLineEdit* field = app->window.nameField();
  QGuiApplication::clipboard()->setText("ab\ncd\xF0\x9F\x98\x80");
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "abcd");
  EXPECT_EQ(app->game.board.Text1.text(), "abcd");
  field->clear();
  QInputMethodEvent composed;
  composed.setCommitString("t\u200Bo\U0001F600m");
  QApplication::sendEvent(field, &composed);
  EXPECT_EQ(field->text(), "tom");
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(app->game.board.PLAYER.caption(), "TOM");
}

// A second copy on the same game folder says so and leaves it alone.
TEST_F(WindowTest, SecondCopyOnTheFolderEndsAtOnce) {
  const QStringList files = QDir(folder.filePath("Dati")).entryList(QDir::AllEntries);
  QString title, text;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      text = box->text();
      box->accept();
    }
  });
  GameApp second;
  EXPECT_FALSE(second.start());
  EXPECT_EQ(title, "PENTARO");
  EXPECT_TRUE(text.contains(QString::fromUtf8("gi\xC3\xA0 aperto in questa cartella")))
      << text.toStdString();
  EXPECT_FALSE(second.window.isVisible());
  EXPECT_EQ(QDir(folder.filePath("Dati")).entryList(QDir::AllEntries), files);
  // The first copy plays on; once it is gone the folder is free again.
  startGame("ugo");
  EXPECT_TRUE(app->game.board.tira.visible());
  app.reset();
  FolderLock lock;
  EXPECT_TRUE(lock.take(folder.filePath("Dati").toStdString()));
}

}  // namespace

// The scorecard's dice decoded ahead are used only for the very bytes they
// came from: a file that changed since reads as what it now holds.
TEST(DecodedAhead, OnlyForTheSameBytes) {
  const std::string data = PENTARO_DATA_DIR;
  const std::string die = complement(*readFileBytes(data + "/" + uprightDieFile(3)));
  QtPlatform::decodeAhead(data);
  QtPlatform platform;
  EXPECT_EQ(platform.loadPictureFile("p", "no picture"), nullptr);
  const PictureRef picture = platform.loadPictureFile("p", die);
  ASSERT_NE(picture, nullptr);
  EXPECT_FALSE(static_cast<const QtPicture&>(*picture).pixmap().isNull());
}
