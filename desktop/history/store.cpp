// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history/store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Each step brings the tables from the version before it to its own.
const char* const kMigrations[] = {
    // 1: games, their players and their turns.
    "CREATE TABLE games(id INTEGER PRIMARY KEY, started TEXT NOT NULL, ended TEXT,"
    " players INTEGER NOT NULL, outcome TEXT NOT NULL, winner INTEGER);"
    "CREATE TABLE players(game_id INTEGER NOT NULL REFERENCES games(id), seat INTEGER NOT NULL,"
    " name TEXT NOT NULL, kind TEXT NOT NULL, level TEXT,"
    " assi INTEGER, due INTEGER, tre INTEGER, quattro INTEGER, cinque INTEGER, sei INTEGER,"
    " tre_di_un_tipo INTEGER, quattro_di_un_tipo INTEGER, full INTEGER, scala_minima INTEGER,"
    " scala_massima INTEGER, pentaro INTEGER, chance INTEGER,"
    " upper_total INTEGER NOT NULL, bonus INTEGER NOT NULL, lower_total INTEGER NOT NULL,"
    " total INTEGER NOT NULL, PRIMARY KEY(game_id, seat)) WITHOUT ROWID;"
    "CREATE TABLE turns(game_id INTEGER NOT NULL REFERENCES games(id), seat INTEGER NOT NULL,"
    " turn INTEGER NOT NULL, throw1 TEXT, held2 TEXT, throw2 TEXT, held3 TEXT, throw3 TEXT,"
    " box TEXT NOT NULL, points INTEGER NOT NULL, PRIMARY KEY(game_id, seat, turn)) WITHOUT ROWID;",
};
static_assert(std::size(kMigrations) == HistoryStore::kSchemaVersion);

const char* outcomeText(history::Outcome o) {
  switch (o) {
    case history::Outcome::kOver: return "finita";
    case history::Outcome::kAbandoned: return "interrotta";
    default: return "in corso";
  }
}

history::Outcome outcomeOf(const QString& text) {
  if (text == "finita") return history::Outcome::kOver;
  if (text == "interrotta") return history::Outcome::kAbandoned;
  return history::Outcome::kPlaying;
}

QVariant orNull(const std::string& text) {
  return text.empty() ? QVariant() : QVariant(QString::fromStdString(text));
}

std::string text(const QVariant& v) { return v.toString().toStdString(); }

// Runs statements one by one; false at the first that fails.
bool runAll(QSqlQuery& q, const QString& script) {
  for (const QString& s : script.split(';', Qt::SkipEmptyParts))
    if (!s.trimmed().isEmpty() && !q.exec(s)) return false;
  return true;
}

// The history's own words; said in the language chosen when they are shown.
QString say(const char* text) { return QCoreApplication::translate("HistoryStore", text); }

}  // namespace

HistoryStore::HistoryStore(QString path, Trial trial)
    : path_(std::move(path)),
      connection_(QStringLiteral("history-%1").arg(quintptr(this))),
      trial_(trial) {}

HistoryStore::~HistoryStore() { close(); }

void HistoryStore::close() {
  if (!QSqlDatabase::contains(connection_)) return;
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
  opened_ = false;
}

QSqlDatabase HistoryStore::database() {
  if (!opened_ && !off_ && !open() && !setAside(fault(QT_TRANSLATE_NOOP("HistoryStore", "aprire")))) off_ = true;
  return QSqlDatabase::database(connection_, false);
}

bool HistoryStore::open() {
  close();
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
  db.setDatabaseName(path_);
  // A file another program holds is given a moment, no more.
  db.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=50") +
                       (trial_.readOnly ? ";QSQLITE_OPEN_READONLY" : ""));
  if (!db.open()) return failed(db.lastError());
  opened_ = true;
  QSqlQuery q(db);
  // The journal beside the file keeps every committed turn through a crash.
  if (!q.exec("PRAGMA journal_mode=WAL") || !q.next()) return failed(q.lastError());
  if (q.value(0).toString() != "wal") return failed(q.lastError());
  if (!q.exec("PRAGMA synchronous=NORMAL") || !q.exec("PRAGMA temp_store=MEMORY"))
    return failed(q.lastError());
  if (trial_.maxPages > 0 &&
      !q.exec(QStringLiteral("PRAGMA max_page_count=%1").arg(trial_.maxPages)))
    return failed(q.lastError());
  return migrate();
}

bool HistoryStore::migrate() {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  QSqlQuery q(db);
  if (!q.exec("CREATE TABLE IF NOT EXISTS schema_version(version INTEGER NOT NULL)"))
    return failed(q.lastError());
  if (!q.exec("SELECT version FROM schema_version")) return failed(q.lastError());
  const int version = q.next() ? q.value(0).toInt() : 0;
  q.finish();
  newer_ = version > kSchemaVersion;
  if (newer_) return false;  // written by a newer game: set aside, never changed
  if (!db.transaction()) return failed(db.lastError());
  bool ok = true;
  for (int v = version; ok && v < kSchemaVersion; ++v) ok = runAll(q, kMigrations[v]);
  if (version < kSchemaVersion)
    ok = ok && q.exec("DELETE FROM schema_version") &&
         q.exec(QStringLiteral("INSERT INTO schema_version VALUES(%1)").arg(kSchemaVersion));
  // Games a crash cut short were abandoned.
  ok = ok && q.exec("UPDATE games SET outcome = 'interrotta' WHERE outcome = 'in corso'");
  if (ok && db.commit()) return true;
  failed(q.lastError().isValid() ? q.lastError() : db.lastError());
  db.rollback();
  return false;
}

bool HistoryStore::failed(const QSqlError& error) {
  error_ = error;
  return false;
}

HistoryStore::Words HistoryStore::fault(const char* what) const {
  const int code = error_.nativeErrorCode().toInt() & 0xff;
  const char* why = nullptr;
  switch (newer_ ? -1 : code) {
    case -1:
      why = QT_TRANSLATE_NOOP("HistoryStore",
                              "è di una versione più recente di PENTARO, che questa non sa leggere");
      break;
    case 5: case 6: why = QT_TRANSLATE_NOOP("HistoryStore", "è bloccata da un altro programma"); break;
    case 8: case 23: why = QT_TRANSLATE_NOOP("HistoryStore", "è di sola lettura"); break;
    case 11: why = QT_TRANSLATE_NOOP("HistoryStore", "è danneggiata"); break;
    case 13: why = QT_TRANSLATE_NOOP("HistoryStore", "non ha più spazio sul disco"); break;
    case 14: why = QT_TRANSLATE_NOOP("HistoryStore", "non si può aprire"); break;
    case 26: why = QT_TRANSLATE_NOOP("HistoryStore", "non è un archivio SQLite"); break;
    default:
      if (QFileInfo(path_).exists() && !QFileInfo(path_).isWritable())
        why = QT_TRANSLATE_NOOP("HistoryStore", "è di sola lettura");
  }
  if (why) return [why] { return say(why); };
  return [what, error = error_.text()] {
    return say(QT_TRANSLATE_NOOP("HistoryStore", "non si può %1 (%2)")).arg(say(what), error);
  };
}

QStringList HistoryStore::notices() const {
  QStringList all;
  for (const Words& n : notices_) all << n();
  return all;
}

bool HistoryStore::setAside(const Words& why) {
  close();
  const QFileInfo info(path_);
  const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
  QString aside = info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName(), stamp,
                                                                     info.suffix()));
  for (int n = 2; QFile::exists(aside); ++n)
    aside = info.dir().filePath(
        QStringLiteral("%1-%2-%3.%4").arg(info.completeBaseName(), stamp).arg(n).arg(info.suffix()));
  bool moved = !QFile::exists(path_) || QFile::rename(path_, aside);
  // The journal goes with its file, so the copy aside keeps every turn it had.
  for (const char* tail : {"-wal", "-shm"})
    if (moved && QFile::exists(path_ + tail)) QFile::rename(path_ + tail, aside + tail);
  const QString name = info.fileName();
  aside = QFileInfo(aside).fileName();
  if (!moved) {
    notices_.push_back([=] {
      return say(QT_TRANSLATE_NOOP("HistoryStore", "La storia %1 %2 e non si può spostare: le "
                                                   "partite di questa sessione non vengono salvate."))
          .arg(name, why());
    });
    return false;
  }
  serial_ = 0;
  trial_ = {};
  newer_ = false;
  if (!open()) {
    notices_.push_back([=, cause = fault(QT_TRANSLATE_NOOP("HistoryStore", "creare"))] {
      return say(QT_TRANSLATE_NOOP("HistoryStore",
                                   "La storia %1 %2: è stata messa da parte come %3, ma una nuova "
                                   "non si può iniziare (%4). Le partite di questa sessione non "
                                   "vengono salvate."))
          .arg(name, why(), aside, cause());
    });
    close();
    return false;
  }
  notices_.push_back([=] {
    return say(QT_TRANSLATE_NOOP("HistoryStore", "La storia %1 %2: è stata messa da parte come %3 "
                                                 "e ne è iniziata una nuova."))
        .arg(name, why(), aside);
  });
  return true;
}

void HistoryStore::save(const history::Game& game) {
  if (off_ || game.players.empty()) return;
  if (!opened_ && !open() && !setAside(fault(QT_TRANSLATE_NOOP("HistoryStore", "aprire")))) {
    off_ = true;
    return;
  }
  if (write(game)) return;
  // One new file, one more try: then the history rests for this run.
  const bool fresh = setAside(fault(QT_TRANSLATE_NOOP("HistoryStore", "scrivere")));
  if (fresh && write(game)) return;
  if (fresh)
    notices_.push_back([cause = fault(QT_TRANSLATE_NOOP("HistoryStore", "scrivere"))] {
      return say(QT_TRANSLATE_NOOP("HistoryStore",
                                   "Le partite di questa sessione non vengono salvate (%1)."))
          .arg(cause());
    });
  close();
  off_ = true;
}

bool HistoryStore::write(const history::Game& game) {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  if (game.serial == 0 || game.serial != serial_) {
    serial_ = 0;
    id_ = 0;
    turnsWritten_ = 0;
  }
  if (!db.transaction()) return failed(db.lastError());
  QSqlQuery q(db);
  bool ok = true;
  // Seat 1 or 2, 0 for a draw.
  const QVariant winner = game.winner ? QVariant(*game.winner + 1) : QVariant();
  std::int64_t id = id_;
  if (id == 0) {
    q.prepare("INSERT INTO games(started, ended, players, outcome, winner) VALUES(?,?,?,?,?)");
    q.addBindValue(QString::fromStdString(game.started));
    q.addBindValue(orNull(game.ended));
    q.addBindValue(int(game.players.size()));
    q.addBindValue(outcomeText(game.outcome));
    q.addBindValue(winner);
    ok = q.exec();
    id = q.lastInsertId().toLongLong();
  } else {
    q.prepare("UPDATE games SET ended = ?, outcome = ?, winner = ? WHERE id = ?");
    q.addBindValue(orNull(game.ended));
    q.addBindValue(outcomeText(game.outcome));
    q.addBindValue(winner);
    q.addBindValue(qint64(id));
    ok = q.exec();
  }
  QString columns;
  for (const char* box : history::kBoxNames) columns += QString(", ") + box;
  for (std::size_t seat = 0; ok && seat < game.players.size(); ++seat) {
    const history::Player& p = game.players[seat];
    q.prepare("INSERT OR REPLACE INTO players(game_id, seat, name, kind, level" + columns +
              ", upper_total, bonus, lower_total, total) VALUES(?,?,?,?,?" +
              QString(",?").repeated(kCategories) + ",?,?,?,?)");
    q.addBindValue(qint64(id));
    q.addBindValue(int(seat) + 1);
    q.addBindValue(QString::fromStdString(p.name));
    q.addBindValue(QString::fromStdString(p.kind));
    q.addBindValue(orNull(p.level));
    for (int b : p.boxes) q.addBindValue(b < 0 ? QVariant() : QVariant(b));
    for (int v : {p.upper, p.bonus, p.lower, p.total}) q.addBindValue(v);
    ok = q.exec();
  }
  const std::size_t from = id_ == 0 ? 0 : turnsWritten_;
  for (std::size_t i = from; ok && i < game.turns.size(); ++i) {
    const history::Turn& t = game.turns[i];
    q.prepare("INSERT OR REPLACE INTO turns(game_id, seat, turn, throw1, held2, throw2, held3, "
              "throw3, box, points) VALUES(?,?,?,?,?,?,?,?,?,?)");
    q.addBindValue(qint64(id));
    q.addBindValue(t.seat + 1);
    q.addBindValue(t.number);
    for (int n = 0; n < 3; ++n) {
      const bool thrown = n < int(t.throws.size());
      if (n > 0) q.addBindValue(thrown ? QVariant(QString::fromStdString(t.throws[n].held)) : QVariant());
      q.addBindValue(thrown ? QVariant(QString::fromStdString(t.throws[n].dice)) : QVariant());
    }
    q.addBindValue(history::kBoxNames[t.box]);
    q.addBindValue(t.points);
    ok = q.exec();
  }
  if (ok && db.commit()) {
    serial_ = game.serial;
    id_ = id;
    turnsWritten_ = game.turns.size();
    return true;
  }
  failed(q.lastError().isValid() ? q.lastError() : db.lastError());
  db.rollback();
  return false;
}

std::vector<history::Game> HistoryStore::games(bool withTurns, std::int64_t only) {
  std::vector<history::Game> all;
  QSqlDatabase db = database();
  if (!opened_) return all;
  QSqlQuery q(db);
  q.setForwardOnly(true);
  std::map<std::int64_t, std::size_t> at;
  const QString where = only ? QStringLiteral(" WHERE id = %1").arg(only) : QString();
  const QString whereGame = only ? QStringLiteral(" WHERE game_id = %1").arg(only) : QString();
  bool ok = q.exec("SELECT id, started, ended, players, outcome, winner FROM games" + where +
                   " ORDER BY id");
  while (ok && q.next()) {
    history::Game g;
    g.id = q.value(0).toLongLong();
    g.started = text(q.value(1));
    g.ended = text(q.value(2));
    g.players.resize(q.value(3).toInt());
    g.outcome = outcomeOf(q.value(4).toString());
    if (!q.value(5).isNull()) g.winner = q.value(5).toInt() == 0 ? -1 : q.value(5).toInt() - 1;
    at[g.id] = all.size();
    all.push_back(std::move(g));
  }
  QString columns;
  for (const char* box : history::kBoxNames) columns += QString(", ") + box;
  ok = ok && q.exec("SELECT game_id, seat, name, kind, level" + columns +
                    ", upper_total, bonus, lower_total, total FROM players" + whereGame);
  while (ok && q.next()) {
    auto found = at.find(q.value(0).toLongLong());
    const int seat = q.value(1).toInt() - 1;
    if (found == at.end() || seat < 0 || seat >= int(all[found->second].players.size())) continue;
    history::Player& p = all[found->second].players[seat];
    p.name = text(q.value(2));
    p.kind = text(q.value(3));
    p.level = text(q.value(4));
    for (int b = 0; b < kCategories; ++b)
      p.boxes[b] = q.value(5 + b).isNull() ? -1 : q.value(5 + b).toInt();
    p.upper = q.value(18).toInt();
    p.bonus = q.value(19).toInt();
    p.lower = q.value(20).toInt();
    p.total = q.value(21).toInt();
  }
  ok = ok && (!withTurns || q.exec("SELECT game_id, seat, turn, throw1, held2, throw2, held3, "
                                   "throw3, box, points FROM turns" + whereGame +
                                   " ORDER BY game_id, turn, seat"));
  while (ok && withTurns && q.next()) {
    auto found = at.find(q.value(0).toLongLong());
    const int box = history::boxOfName(text(q.value(8)));
    if (found == at.end() || box < 0) continue;
    history::Turn t;
    t.seat = q.value(1).toInt() - 1;
    t.number = q.value(2).toInt();
    for (int n = 0; n < 3; ++n) {
      const QVariant dice = q.value(3 + 2 * n);
      if (dice.isNull()) break;
      t.throws.push_back({text(dice), n == 0 ? std::string() : text(q.value(2 + 2 * n))});
    }
    t.box = box;
    t.points = q.value(9).toInt();
    all[found->second].turns.push_back(std::move(t));
  }
  if (!ok) return unreadable(q), std::vector<history::Game>();
  return all;
}

bool HistoryStore::unreadable(const QSqlQuery& q) {
  failed(q.lastError());
  // An unreadable history is set aside like an unwritable one.
  if (!setAside(fault(QT_TRANSLATE_NOOP("HistoryStore", "leggere")))) off_ = true;
  return false;
}

std::optional<history::Game> HistoryStore::game(std::int64_t id) {
  if (id == 0) {
    QSqlQuery q(database());
    if (!opened_) return std::nullopt;
    if (!q.exec("SELECT max(id) FROM games")) return unreadable(q), std::nullopt;
    if (!q.next() || q.value(0).isNull()) return std::nullopt;
    id = q.value(0).toLongLong();
  }
  std::vector<history::Game> one = games(true, id);
  if (one.empty()) return std::nullopt;
  return std::move(one.front());
}

QStringList HistoryStore::playerNames() {
  QStringList names;
  QSqlQuery q(database());
  if (!opened_) return names;
  if (!q.exec("SELECT name FROM players GROUP BY name ORDER BY min(game_id)")) return unreadable(q), names;
  while (q.next()) names << q.value(0).toString();
  return names;
}

history::Statistics HistoryStore::statistics(const history::Filter& filter) {
  history::Statistics s;
  QSqlQuery q(database());
  if (!opened_) return s;
  q.setForwardOnly(true);
  // The sheets counted, a player's own when one is chosen: the latest N of
  // the finished games, or all of them. Gathered once in memory, they are
  // quicker to go over several times than the file's tables.
  QString columns;
  for (const char* box : history::kBoxNames) columns += QString(", p.") + box;
  auto run = [&](const QString& sql) {
    q.prepare(sql);
    if (sql.contains(":player")) q.bindValue(":player", QString::fromStdString(filter.player));
    if (sql.contains(":last")) q.bindValue(":last", filter.last > 0 ? filter.last : -1);
    return q.exec() || unreadable(q);
  };
  // Never dropped: a table cannot be while the list of games is being read.
  const QString select = "SELECT p.game_id, p.seat, p.total, p.bonus" + columns +
                         ", g.winner FROM players p JOIN games g ON g.id = p.game_id";
  if (!run("CREATE TEMP TABLE IF NOT EXISTS sheets AS " + select + " WHERE 0") ||
      !run("DELETE FROM temp.sheets") ||
      !run("INSERT INTO temp.sheets " + select +
           " WHERE g.outcome = 'finita' AND (:player = '' OR p.name = :player)"
           " ORDER BY p.game_id DESC, p.seat DESC LIMIT :last"))
    return s;
  // Oldest first: the rows went in latest first.
  if (!run("SELECT total FROM temp.sheets ORDER BY rowid DESC")) return s;
  double sum = 0, window = 0;
  while (q.next()) {
    const int total = q.value(0).toInt();
    s.scores.push_back(total);
    sum += total;
    s.best = std::max(s.best, total);
    ++s.histogram[total / history::kHistogramBin * history::kHistogramBin];
    window += total;
    if (s.scores.size() > history::kMovingWindow)
      window -= s.scores[s.scores.size() - 1 - history::kMovingWindow];
    s.movingMean.push_back(window / std::min<std::size_t>(s.scores.size(), history::kMovingWindow));
  }
  s.played = int(s.scores.size());
  const double played = std::max(1, s.played);
  s.mean = sum / played;
  QString means;
  for (const char* box : history::kBoxNames) means += QStringLiteral(", total(%1)").arg(box);
  if (!run("SELECT total(bonus > 0), total(pentaro > 0)" + means + " FROM temp.sheets") || !q.next())
    return s;
  s.bonusShare = q.value(0).toDouble() / played;
  s.pentaroShare = q.value(1).toDouble() / played;
  for (int b = 0; b < kCategories; ++b) s.boxMeans[b] = q.value(2 + b).toDouble() / played;
  // Seats are counted from 1 and a draw is winner 0.
  if (!run("SELECT o.name, o.kind, ifnull(o.level, ''), sum(s.winner = s.seat),"
           " sum(s.winner NOT IN (0, s.seat)), sum(s.winner = 0) FROM sheets s JOIN players o"
           " ON o.game_id = s.game_id AND o.seat <> s.seat WHERE s.winner IS NOT NULL"
           " GROUP BY 1, 2, 3 ORDER BY 1, 2, 3"))
    return s;
  while (q.next())
    s.opponents.push_back({text(q.value(0)), text(q.value(1)), text(q.value(2)), q.value(3).toInt(),
                           q.value(4).toInt(), q.value(5).toInt()});
  if (run("SELECT count(*) FROM players p JOIN games g ON g.id = p.game_id"
          " WHERE g.outcome = 'interrotta' AND (:player = '' OR p.name = :player)") && q.next())
    s.abandoned = q.value(0).toInt();
  run("DELETE FROM temp.sheets");
  return s;
}
