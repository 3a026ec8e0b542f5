#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

#include "desktop/board_widget.h"
#include "desktop/game_app.h"
#include "measure.h"

namespace {

// Reports once the watched widget's first paint has been handled.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, [] {
        std::printf("frame %.3f %.2f\n", monotonicMs(), peakMiB());
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool done_ = false;
};

}  // namespace

QString makeGameFolder() {
  const QString folder = QDir::temp().filePath(QString("pentaro-bench-%1").arg(getpid()));
  QDir(folder).removeRecursively();
  QDir().mkpath(folder + "/Dati");
  const QDir built(PENTARO_DATA_DIR);
  for (const QString& f : built.entryList(QDir::Files))
    QFile::copy(built.filePath(f), folder + "/Dati/" + f);
  return folder;
}

int runFirstFrameChild(int argc, char** argv, bool game) {
  QApplication app(argc, argv);
  FirstPaint watcher;
  if (game) {
    GameApp pentaro;
    pentaro.window.boardWidget()->installEventFilter(&watcher);
    pentaro.start();
    return app.exec();
  }
  // What any Qt program of this size costs: a menu bar over an empty area.
  QMainWindow window;
  window.menuBar()->addMenu("Game")->addAction("Inizia");
  auto* area = new QWidget;
  area->setFixedSize(648, 566);
  window.setCentralWidget(area);
  area->installEventFilter(&watcher);
  window.show();
  return app.exec();
}
