// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history_link.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdio>

#include "desktop/key_list.h"
#include "desktop/language.h"
#include "flow/game_window.h"

QString HistoryLink::moduleFolder;

HistoryLink::HistoryLink(QMainWindow& window, GameWindow& game)
    : QObject(&window), window_(window), game_(game) {
  game.setTurnLog(&recorder_);
  recorder_.changed = [this](const history::Game& g) {
    if (HistoryModule* m = module()) m->keep(g);
  };
  menu_ = window.menuBar()->addMenu(QString());
  QAction* statistics = menu_->addAction(QString(), shortcutOf(kHistoryKeys, 0), this, [this] {
    if (HistoryModule* m = module()) m->showStatistics(&window_);
  });
  QAction* review = menu_->addAction(QString(), shortcutOf(kHistoryKeys, 1), this, [this] {
    if (HistoryModule* m = module()) m->showLastReview(&window_);
  });
  QAction* csv = menu_->addAction(QString(), this, [this] {
    if (HistoryModule* m = module()) m->exportCsv(&window_);
  });
  language::follow(menu_, [this, statistics, review, csv] {
    menu_->setTitle(tr("Storia"));
    statistics->setText(tr("Statistiche"));
    review->setText(tr("Analisi della partita"));
    csv->setText(tr("Esporta in CSV..."));
  });
}

HistoryLink::~HistoryLink() { game_.setTurnLog(nullptr); }

HistoryModule* HistoryLink::module() {
  if (std::exchange(tried_, true)) return module_.get();
  const QString folder =
      moduleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : moduleFolder;
  QLibrary library(folder + "/" + kHistoryModule);
  if (auto make = reinterpret_cast<MakeHistory>(library.resolve(kMakeHistory)))
    module_.reset(make(QDir::current().absoluteFilePath(kHistoryFile)));
  else
    std::fprintf(stderr, "PENTARO keeps no history: %s\n", qPrintable(library.errorString()));
  return module_.get();
}
