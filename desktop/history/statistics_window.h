// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "history/statistics.h"

class HistoryStore;
class QComboBox;
class QLabel;
class QTableView;
class QTabWidget;
class GameListModel;

// "Statistiche": the figures and charts of the games kept, for one player
// or all, the latest games or all of them; any game opens in the review.
// The database works the figures out; each tab is drawn when it shows.
class StatisticsWindow : public QWidget {
  Q_OBJECT
 public:
  StatisticsWindow(HistoryStore& store, QWidget* parent);
  // Reads the history again.
  void refresh();
  // The figures shown, for tests.
  const history::Statistics& shown() const { return statistics_; }
  QTabWidget* tabs() const { return tabs_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void nameTexts();
  void showFigures();
  void drawTab(int tab);
  void reviewSelected();

  HistoryStore& store_;
  history::Statistics statistics_;
  QComboBox* player_;
  QComboBox* last_;
  QLabel* playerLabel_;
  QLabel* notice_;
  QLabel* figures_;
  QTabWidget* tabs_;
  // Each tab's drawing, and whether it shows the figures of now.
  std::vector<std::function<QWidget*()>> draw_;
  std::vector<bool> drawn_;
  QTableView* list_ = nullptr;
  GameListModel* model_ = nullptr;
  std::array<double, kCategories + 1> perfect_{};
  bool perfectAsked_ = false, perfectKnown_ = false;
};
