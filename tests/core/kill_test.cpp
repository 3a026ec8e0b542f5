// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the game killed while it stores records, again and again: the
// record always reads back whole, as the one before or the one being stored.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "game_fixture.h"

namespace {

TEST_F(GameTest, KilledWhileStoringLeavesTheOldRecordOrTheNew) {
  GameWindow& g = open();
  std::mt19937 rng(20261206);
  int points = 100;
  int midWrite = 0;
  constexpr int kKills = 200;
  for (int kill = 0; kill < kKills; ++kill) {
    const int before = points;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Stores ever higher records, the way the end of a game does, and
      // tells the parent after each one.
      ::close(ready[0]);
      for (int p = before + 1;; ++p) {
        g.board.NomeRecord.setCaption("GIOCATORE" + std::to_string(p % 10));
        g.board.PuntiRecord.setCaption(std::to_string(p % 1000));
        g.ModoRecord = modoRecord::kStore;
        try {
          g.RECORDFile();
        } catch (...) {
          ::_exit(3);
        }
        if (::write(ready[1], "x", 1) != 1) ::_exit(4);
      }
    }
    ::close(ready[1]);
    // Killed after a few stores, wherever it is by then.
    char done;
    const int stores = static_cast<int>(rng() % 3);
    for (int i = 0; i < stores; ++i) ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;
    int seen = stores;
    while (::read(ready[0], &done, 1) == 1) ++seen;
    ::close(ready[0]);
    if (std::filesystem::exists(data("MCRC01.RCX"))) ++midWrite;

    // The next start reads the record the last finished store left.
    g.ModoRecord = modoRecord::kRead;
    ASSERT_NO_THROW(g.RECORDFile());
    points = std::stoi(g.board.PuntiRecord.caption());
    ASSERT_TRUE(points == (before + seen) % 1000 || points == (before + seen + 1) % 1000)
        << "kill " << kill << ": " << before << " + " << seen << " stores, read " << points;
    ASSERT_EQ(g.board.NomeRecord.caption(), "GIOCATORE" + std::to_string(points % 10));
    const std::string plain = complement(*readFileBytes(data("MCRC00.RCX")));
    ASSERT_EQ(plain.size(), 226u);
    ASSERT_EQ(plain.substr(224), "\r\n");
  }
  std::printf("kills survived %d, %d of them with a store half done\n", kKills, midWrite);
}

}  // namespace
