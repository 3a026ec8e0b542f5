// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: what is kept reads back the same, as CSV too, it keeps
// every confirmed turn through SIGKILLs, and a file it cannot use is set
// aside whole while the games go on into a new one.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <random>

#include "desktop/history/csv.h"
#include "desktop/history/statistics_window.h"
#include "desktop/history/store.h"

namespace {

// A game for two as a recorder builds it: turn by turn, then over.
history::Game sampleGame(int serial, int turns = 6) {
  history::Game g;
  g.serial = serial;
  g.started = "2026-12-07 05:00:00";
  g.players.resize(2);
  g.players[0].name = "ANNA";
  g.players[1].name = "HAL, \"IL\" 9000";
  g.players[1].kind = "computer";
  g.players[1].level = "esperto";
  for (int i = 0; i < turns; ++i) {
    history::Turn t{i % 2, i / 2 + 1, {{"12346", ""}}, i / 2, (i / 2 % 6 + 1) * 2};
    if (i % 3 == 0) t.throws.push_back({"23466", "246"});
    if (i % 3 == 0) t.throws.push_back({"24666", "2466"});
    g.players[t.seat].enter(t.box, t.points);
    g.turns.push_back(t);
  }
  return g;
}

// Keeps the game as the game does: after every turn, then its end.
void keepTurnByTurn(HistoryStore& store, const history::Game& whole) {
  history::Game g = whole;
  g.turns.clear();
  g.outcome = history::Outcome::kPlaying;
  for (auto& p : g.players) p = {p.name, p.kind, p.level};
  for (const history::Turn& t : whole.turns) {
    g.turns.push_back(t);
    g.players[t.seat].enter(t.box, t.points);
    store.save(g);
  }
  store.save(whole);
}

history::Game readBack(const history::Game& g, std::int64_t id) {
  history::Game r = g;
  r.id = id;
  r.serial = 0;
  return r;
}

class HistoryFile : public ::testing::Test {
 protected:
  QString path() const { return dir.filePath("pentaro-history.sqlite"); }
  QStringList setAside() const {
    return QDir(dir.path()).entryList({"pentaro-history-*.sqlite"}, QDir::Files);
  }
  QTemporaryDir dir;
};

TEST_F(HistoryFile, GamesReadBackAsKeptAndAsCsv) {
  history::Game over = sampleGame(1);
  over.outcome = history::Outcome::kOver;
  over.ended = "2026-12-07 05:20:00";
  over.winner = history::winnerOf(over);
  history::Game cut = sampleGame(2, 3);  // left "in corso" by a crash
  {
    HistoryStore store(path());
    keepTurnByTurn(store, over);
    keepTurnByTurn(store, cut);
    EXPECT_TRUE(store.notices().isEmpty());
  }
  HistoryStore store(path());
  const std::vector<history::Game> games = store.games();
  ASSERT_EQ(games.size(), 2u);
  EXPECT_EQ(games[0], readBack(over, 1));
  cut.outcome = history::Outcome::kAbandoned;
  EXPECT_EQ(games[1], readBack(cut, 2));

  QString whyNot;
  ASSERT_TRUE(writeHistoryCsv(store, dir.path(), &whyNot)) << whyNot.toStdString();
  QFile gamesFile(dir.filePath(kGamesCsv)), turnsFile(dir.filePath(kTurnsCsv));
  ASSERT_TRUE(gamesFile.open(QIODevice::ReadOnly) && turnsFile.open(QIODevice::ReadOnly));
  const auto gameRows = readCsv(QString::fromUtf8(gamesFile.readAll()));
  const auto turnRows = readCsv(QString::fromUtf8(turnsFile.readAll()));
  ASSERT_EQ(gameRows.size(), 3u);
  const QStringList& head = gameRows[0];
  auto cell = [&](int row, const char* column) { return gameRows[row][head.indexOf(column)]; };
  EXPECT_EQ(cell(1, "name2").toStdString(), over.players[1].name);  // quotes and comma
  EXPECT_EQ(cell(1, "total1").toInt(), over.players[0].total);
  EXPECT_EQ(cell(1, "winner").toInt(), *over.winner + 1);
  EXPECT_EQ(cell(2, "outcome"), "interrotta");
  ASSERT_EQ(turnRows.size(), 1 + over.turns.size() + cut.turns.size());
  const QStringList& turnHead = turnRows[0];
  const QStringList& first = turnRows[1];
  EXPECT_EQ(first[turnHead.indexOf("throw3")].toStdString(), over.turns[0].throws[2].dice);
  EXPECT_EQ(first[turnHead.indexOf("held3")].toStdString(), over.turns[0].throws[2].held);
  EXPECT_EQ(first[turnHead.indexOf("box")], "assi");
}

// Three finished games worked out by hand, and an abandoned one.
TEST_F(HistoryFile, FiguresOfAHandMadeHistory) {
  auto game = [](std::string a, std::vector<std::pair<int, int>> entries, std::string b = "",
                 int bTotal = 0) {
    history::Game g;
    g.outcome = history::Outcome::kOver;
    g.players.resize(b.empty() ? 1 : 2);
    g.players[0].name = a;
    for (auto [box, points] : entries) g.players[0].enter(box, points);
    if (!b.empty()) {
      g.players[1] = {b, "computer", "esperto"};
      g.players[1].enter(12, bTotal);
      g.winner = history::winnerOf(g);
    }
    return g;
  };
  HistoryStore store(path());
  for (const history::Game& g :
       {game("ANNA", {{5, 30}, {4, 25}, {3, 12}, {11, 50}}),  // 117 + 35 = 152
        game("ANNA", {{5, 18}, {12, 20}}, "UGO", 38),         // 38, a draw
        game("UGO", {{11, 50}, {12, 24}}),                    // 74
        game("ANNA", {{0, 3}}, "UGO", 2)})                    // 3, won
    store.save(g);
  history::Game abandoned = game("ANNA", {{0, 3}});
  abandoned.outcome = history::Outcome::kAbandoned;
  store.save(abandoned);

  QSqlQuery reading(store.database());  // the list of games, read meanwhile
  ASSERT_TRUE(reading.exec("SELECT id FROM games") && reading.next());
  store.statistics({});
  const history::Statistics anna = store.statistics({"ANNA", 0});
  EXPECT_EQ(anna.played, 3);
  EXPECT_EQ(anna.abandoned, 1);
  EXPECT_DOUBLE_EQ(anna.mean, (152 + 38 + 3) / 3.0);
  EXPECT_EQ(anna.best, 152);
  EXPECT_EQ(anna.histogram, (std::map<int, int>{{0, 1}, {25, 1}, {150, 1}}));
  EXPECT_DOUBLE_EQ(anna.boxMeans[5], 48 / 3.0);
  EXPECT_DOUBLE_EQ(anna.boxMeans[11], 50 / 3.0);
  EXPECT_DOUBLE_EQ(anna.bonusShare, 1 / 3.0);
  EXPECT_DOUBLE_EQ(anna.pentaroShare, 1 / 3.0);
  EXPECT_EQ(anna.opponents,
            (std::vector<history::Opponent>{{"UGO", "computer", "esperto", 1, 0, 1}}));
  EXPECT_EQ(anna.movingMean.back(), anna.mean);

  const history::Statistics lastTwo = store.statistics({"", 2});
  EXPECT_EQ(lastTwo.scores, (std::vector<int>{3, 2}));
  EXPECT_EQ(lastTwo.opponents,
            (std::vector<history::Opponent>{{"ANNA", "persona", "", 0, 1, 0},
                                            {"UGO", "computer", "esperto", 1, 0, 0}}));
  EXPECT_EQ(store.playerNames(), (QStringList{"ANNA", "UGO"}));
  EXPECT_TRUE(store.notices().isEmpty());
}

// Every turn reported as kept is there after a SIGKILL at any moment.
TEST_F(HistoryFile, EveryConfirmedTurnSurvivesKills) {
  constexpr int kKills = 200;
  std::mt19937 rng(7);
  std::size_t confirmed = 0;
  for (int k = 0; k < kKills; ++k) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    if (child == 0) {
      close(report[0]);
      HistoryStore store(path());
      history::Game g = sampleGame(1, 0);
      for (int turn = 0;; ++turn) {  // turns of ever new games, till killed
        if (turn % 26 == 0) g = sampleGame(turn + 1, 0);
        history::Turn t{turn % 2, turn % 26 / 2 + 1, {{"11111", ""}}, turn % 26 / 2, 5};
        g.turns.push_back(t);
        store.save(g);
        const char done = store.working() && store.notices().isEmpty() ? 'k' : 'x';
        if (write(report[1], &done, 1) != 1) _exit(1);
      }
    }
    close(report[1]);
    const int waitFor = std::uniform_int_distribution<int>(1, 12)(rng);
    char got = 0;
    for (int n = 0; n < waitFor && read(report[0], &got, 1) == 1; ++n) {
      ASSERT_EQ(got, 'k');
      ++confirmed;
    }
    // Killed at once, or just after a commit.
    if (k % 2) usleep(std::uniform_int_distribution<int>(0, 2000)(rng));
    kill(child, SIGKILL);
    while (read(report[0], &got, 1) == 1) confirmed += got == 'k';
    close(report[0]);
    waitpid(child, nullptr, 0);
  }
  HistoryStore store(path());
  std::size_t turns = 0;
  for (const history::Game& g : store.games()) turns += g.turns.size();
  EXPECT_TRUE(store.notices().isEmpty());
  // A turn may be kept and the player killed before hearing so.
  EXPECT_GE(turns, confirmed);
  EXPECT_LE(turns, confirmed + kKills);
  EXPECT_TRUE(setAside().isEmpty());
}

enum class Fault { kDamaged, kNotADatabase, kLocked, kReadOnly, kFull, kNewer };

// Each unusable file is set aside byte for byte and the game goes on in a new one.
TEST_F(HistoryFile, AFileThatCannotBeUsedIsSetAsideAndANewOneStarted) {
  const struct {
    Fault fault;
    const char* says;
  } cases[] = {{Fault::kDamaged, "danneggiata"},
               {Fault::kNotADatabase, "non è un archivio SQLite"},
               {Fault::kLocked, "bloccata da un altro programma"},
               {Fault::kReadOnly, "sola lettura"},
               {Fault::kFull, "spazio sul disco"},
               {Fault::kNewer, "di una versione più recente di PENTARO"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files)) QFile::remove(dir.filePath(f));
    {
      HistoryStore old(path());
      keepTurnByTurn(old, sampleGame(1, 26));
    }
    if (c.fault == Fault::kNewer) {
      QSqlDatabase newer = QSqlDatabase::addDatabase("QSQLITE", "newer");
      newer.setDatabaseName(path());
      ASSERT_TRUE(newer.open() && QSqlQuery(newer).exec("UPDATE schema_version SET version = 9"));
      newer.close();
    }
    QSqlDatabase::removeDatabase("newer");
    QFile file(path());
    if (c.fault == Fault::kFull) file.remove();  // a fresh file on a disk that fills at once
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    if (c.fault == Fault::kDamaged) file.seek(100), file.write(QByteArray(3000, '\x5a'));
    if (c.fault == Fault::kNotADatabase) file.resize(0), file.write("PENTARO\n");
    file.close();
    file.open(QIODevice::ReadOnly);
    const QByteArray before = file.readAll();
    file.close();

    QSqlDatabase locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
    locker.setDatabaseName(path());
    QSqlQuery lock(locker);
    if (c.fault == Fault::kLocked) {
      ASSERT_TRUE(locker.open() && lock.exec("BEGIN EXCLUSIVE"));
    }
    {
      HistoryStore::Trial trial;
      trial.readOnly = c.fault == Fault::kReadOnly;
      trial.maxPages = c.fault == Fault::kFull ? 3 : 0;
      HistoryStore store(path(), trial);
      const history::Game g = sampleGame(1, 4);
      keepTurnByTurn(store, g);
      EXPECT_TRUE(store.working());
      ASSERT_EQ(store.notices().size(), 1);
      EXPECT_TRUE(store.notices()[0].contains(c.says)) << store.notices()[0].toStdString();
      const std::vector<history::Game> kept = store.games();
      ASSERT_EQ(kept.size(), 1u);
      EXPECT_EQ(kept[0], readBack(g, 1));
    }
    lock.finish();
    locker.close();
    locker = {};
    QSqlDatabase::removeDatabase("locker");
    ASSERT_EQ(setAside().size(), 1);
    QFile aside(dir.filePath(setAside()[0]));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    if (c.fault != Fault::kFull) {
      EXPECT_TRUE(aside.readAll() == before);
    }
  }
}

// Every text of the statistics window goes through the translation, again
// when the language changes with the window open.
TEST_F(HistoryFile, StatisticsWindowFollowsTheLanguage) {
  struct Marked : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override {
      return QStringLiteral("EN ") + source;
    }
    bool isEmpty() const override { return false; }
  } english;
  HistoryStore store(path());
  keepTurnByTurn(store, sampleGame(1));
  StatisticsWindow window(store, nullptr);
  window.refresh();
  QCoreApplication::installTranslator(&english);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QStringList texts{window.windowTitle()};
  for (QLabel* l : window.findChildren<QLabel*>()) texts << l->text();
  for (int i = 0; i < window.tabs()->count(); ++i) texts << window.tabs()->tabText(i);
  QCoreApplication::removeTranslator(&english);
  for (const QString& t : texts) EXPECT_TRUE(t.isEmpty() || t.startsWith("EN ")) << t.toStdString();
}

}  // namespace
