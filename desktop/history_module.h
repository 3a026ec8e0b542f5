// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "history/game_record.h"

class QWidget;

// The history of games, its windows and its export. It lives in a module of
// its own, loaded at the first game to keep or the first look at it: Qt SQL
// and Qt Charts are large, and the game's first frame needs neither.
class HistoryModule {
 public:
  virtual ~HistoryModule() = default;
  // Keeps the game as it stands (after a confirmed turn, at its end).
  virtual void keep(const history::Game& game) = 0;
  // "Statistiche": figures and charts of the games kept.
  virtual void showStatistics(QWidget* parent) = 0;
  // "Analisi della partita" of the last game kept.
  virtual void showLastReview(QWidget* parent) = 0;
  // Writes the games and the turns as CSV files, asking where.
  virtual void exportCsv(QWidget* parent) = 0;
};

// The module's one entry point: the history kept in the file `database`.
using MakeHistory = HistoryModule* (*)(const QString& database);
inline constexpr char kHistoryModule[] = "pentaro-history";
inline constexpr char kMakeHistory[] = "pentaroHistory";
// The file beside the data folder.
inline constexpr char kHistoryFile[] = "pentaro-history.sqlite";
