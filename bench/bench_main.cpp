// SPDX-License-Identifier: GPL-3.0-or-later
// Prints figures measured inside one running game: CPU at rest, while a game
// waits for the player and during a first and a later throw, the real length
// of a 0.1 s wait, and the cost of painting the board. Start-up and memory are
// measured from outside by pentaro-startup.
// Needs a display (run it under xvfb-run on a headless machine).
//
// With "--games N" it plays N whole games in one process instead and prints
// the memory after 10, every 100 and N games (QT_QPA_PLATFORM=offscreen will do).

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "desktop/qt_platform.h"
#include "measure.h"

int main(int argc, char** argv) {
  // A throw-away copy of the built game folder, so no record is touched; it
  // goes when the benchmark ends.
  QTemporaryDir folder(QDir::tempPath() + "/pentaro-bench-XXXXXX");
  if (!folder.isValid() || !QDir().mkpath(folder.filePath("Dati"))) return 1;
  const QDir built(PENTARO_DATA_DIR);
  for (const QString& f : built.entryList(QDir::Files))
    QFile::copy(built.filePath(f), folder.filePath("Dati/" + f));
  if (!QDir::setCurrent(folder.path())) return 1;
  QtPlatform::soundModuleFolder = PENTARO_GAME_DIR;

  if (argc >= 2 && std::strcmp(argv[1], "--games") == 0) {
    const int games = argc >= 3 ? std::max(10, std::atoi(argv[2])) : 200;
    return runLongSession(argc, argv, games);
  }
  return runInGameFigures(argc, argv);
}
