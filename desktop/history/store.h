// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "history/game_record.h"
#include "history/statistics.h"

class QSqlQuery;

// The history of games in an SQLite file beside the data folder. Every
// confirmed turn is one transaction. A file that cannot be used (damaged,
// not a database, locked, read-only, disk full) is set aside under a dated
// name, never deleted, and a new one is started; the game never waits on it.
class HistoryStore {
 public:
  static constexpr int kSchemaVersion = 1;

  // How the first file opened behaves, for trying the faults out: as a full
  // disk (a cap on its pages) or a read-only file would. A file started
  // afresh is ordinary.
  struct Trial {
    int maxPages = 0;
    bool readOnly = false;
  };

  // Opened on the first call that needs it.
  HistoryStore(QString path, Trial trial);
  explicit HistoryStore(QString path) : HistoryStore(std::move(path), Trial()) {}
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  // Writes the game as it stands: the turns not yet written, the sheets and
  // the outcome. A game of this run is known again by its serial.
  void save(const history::Game& game);

  // Every game, oldest first, with its turns or without (quicker).
  std::vector<history::Game> games(bool withTurns = true, std::int64_t only = 0);
  // One game by its id; the latest with 0.
  std::optional<history::Game> game(std::int64_t id);
  // The figures of the finished games, worked out by the database.
  history::Statistics statistics(const history::Filter& filter);
  // Every player's name, each once, in order of first game.
  QStringList playerNames();

  // What went wrong with the file and what was done, in the player's words
  // (in the language of the moment).
  QStringList notices() const;
  // False once no history can be written in this run.
  bool working() const { return !off_; }
  const QString& path() const { return path_; }
  // The open connection (opened now if need be), for readers of the tables.
  QSqlDatabase database();

 private:
  bool open();
  void close();
  bool migrate();
  bool write(const history::Game& game);
  // Moves the file aside and says why; true when a new one is ready.
  using Words = std::function<QString()>;
  bool setAside(const Words& why);
  // Why the last thing tried (`what`: "aprire", "scrivere"...) failed.
  Words fault(const char* what) const;
  // Keeps the query's error and sets the file aside; false.
  bool unreadable(const QSqlQuery& q);
  bool failed(const QSqlError& error);  // keeps it for fault(); false

  QString path_;
  QString connection_;
  Trial trial_;
  bool opened_ = false;
  bool off_ = false;
  bool newer_ = false;  // the file's tables are of a later version than this game's
  std::vector<Words> notices_;
  QSqlError error_;  // the last that went wrong
  // The game of this run last written: its serial, id and turns written.
  int serial_ = 0;
  std::int64_t id_ = 0;
  std::size_t turnsWritten_ = 0;
};
