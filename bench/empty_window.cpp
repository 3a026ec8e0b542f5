// SPDX-License-Identifier: GPL-3.0-or-later
// What any Qt program of the game's size costs: a window with a menu bar over
// an empty area as large as the board. It carries none of the game's code.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("PENTARO");
  QMenu* menu = window.menuBar()->addMenu("Game");
  for (const char* item : {"1 Giocatore", "2 Giocatori", "Inizia", "Interrompi"})
    menu->addAction(item);
  auto* area = new QWidget;
  area->setFixedSize(648, 566);
  window.setCentralWidget(area);
  window.show();
  return app.exec();
}
