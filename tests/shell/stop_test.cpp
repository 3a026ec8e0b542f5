// SPDX-License-Identifier: GPL-3.0-or-later
// A data file that cannot be read ends the real program with its message
// box and status 1, at start-up and at the first throw: never an abort.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app_fixture.h"

namespace {

// A copy of the built game folder beside it, one for each test so that tests
// may run side by side, with a folder in the place of each file named; the
// program is started there.
void startIn(const QStringList& blocked) {
  const QDir built(PENTARO_DATA_DIR);
  QDir folder(built.absoluteFilePath(
      QString("../../stop-test/") + ::testing::UnitTest::GetInstance()->current_test_info()->name()));
  folder.removeRecursively();
  copyBuiltData(folder.path());
  for (const QString& f : blocked) {
    QFile::remove(folder.filePath("Dati/" + f));
    folder.mkpath("Dati/" + f);
  }
  QDir::setCurrent(folder.path());
  // Whoever would press OK: tell what the box said, then press it.
  auto* ok = new QTimer;
  QObject::connect(ok, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::fprintf(stderr, "%s: %s\n", qPrintable(box->windowTitle()),
                   qPrintable(box->text().section('\n', 0, 0)));
      box->accept();
    }
  });
  ok->start(20);
}

class StopTest : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(StopTest, TiltedDieInTheWayEndsTheFirstThrow) {
  QStringList tilted;
  for (const char* rotation : {"030", "060", "090", "120", "150"})
    for (int face = 1; face <= 6; ++face)
      tilted << QString("MC%1%2%3.EMX").arg(rotation).arg(0).arg(face);
  EXPECT_EXIT(
      {
        startIn(tilted);
        GameApp app;
        if (!app.start()) return;
        for (QAction* a : app.window.menuBar()->actions().first()->menu()->actions())
          if (a->text() == "Inizia") a->trigger();
        QTest::keyClicks(app.window.nameField(), "ugo");
        QTest::keyClick(app.window.nameField(), Qt::Key_Return);
        // Five dice a throw, one in six upright: one at least lands tilted.
        for (int t = 0; t < 3; ++t) {
          const QPoint tira = BoardWidget::toPixels(app.game.board.tira.windowRect()).center();
          QTest::mouseClick(app.window.boardWidget(), Qt::LeftButton, {}, tira);
          if (!QTest::qWaitFor([&] { return !app.game.turnBusy(); }, 5000)) break;
        }
        std::fprintf(stderr, "no stop\n");
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(1), "PROGRAMA ARRESTATO: FILE DANNEGGIATO O DATI NON TROVATI!!!");
}

}  // namespace
