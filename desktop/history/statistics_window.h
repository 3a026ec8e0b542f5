// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "history/statistics.h"

class HistoryStore;
class QChart;
class QComboBox;
class QLabel;
class QTableView;
class QTabWidget;
class GameListModel;

// "Statistiche": the figures and charts of the games kept, for one player
// or all, the latest games or all of them; any game opens in the review.
class StatisticsWindow : public QWidget {
  Q_OBJECT
 public:
  StatisticsWindow(HistoryStore& store, QWidget* parent);
  // Reads the history again.
  void refresh();
  // The figures shown, for tests.
  const history::Statistics& shown() const { return statistics_; }
  QTabWidget* tabs() const { return tabs_; }

 private:
  void showFigures();
  void reviewSelected();

  HistoryStore& store_;
  std::vector<history::Game> games_;
  history::Statistics statistics_;
  QComboBox* player_;
  QComboBox* last_;
  QLabel* notice_;
  QLabel* figures_;
  QTabWidget* tabs_;
  QChart* histogram_;
  QChart* timeline_;
  QChart* boxes_;
  QLabel* opponents_;
  QTableView* list_;
  GameListModel* model_;
  std::array<double, kCategories + 1> perfect_{};
  bool perfectKnown_ = false;
};
