// SPDX-License-Identifier: GPL-3.0-or-later
// The history's view of a game: what the game tells its turn log, gathered
// into the record that is stored.

#include "game_fixture.h"
#include "history/recorder.h"

namespace {

class HistoryRecord : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    recorder.changed = [this](const history::Game& g) { kept.push_back(g); };
  }
  GameWindow& play(int players) {
    GameWindow& g = open();
    g.setTurnLog(&recorder);
    if (players == 2) g.Play2_Click();
    g.Gioca_Click();
    for (const char* name : {"anna", "bruno"}) {
      if (!g.board.Text1.visible()) break;
      g.board.Text1.setText(name);
      g.Label1_Click();
    }
    return g;
  }
  // One throw of five alike on mat places 0 to 4, then FERMATI, then the box.
  void quickTurn(int face, int box) {
    for (int p = 0; p < 5; ++p) platform.scriptDie(p, face);
    game->tira_Click();
    game->Label29_Click();
    game->PUNTI_Click(box);
    game->OK_Click();
  }
  history::Recorder recorder;
  std::vector<history::Game> kept;
};

TEST_F(HistoryRecord, AWholeGameIsKeptAsPlayed) {
  GameWindow& g = play(1);
  // First turn: 3 3 3 5 5, hold the threes, 3 6, hold the new three, 1: "3 di un tipo".
  int face[] = {3, 3, 3, 5, 5};
  for (int p = 0; p < 5; ++p) platform.scriptDie(p, face[p]);
  g.tira_Click();
  for (int p : {0, 1, 2}) g.dado_Click(p);
  g.Label2_Click();
  platform.scriptDie(3, 3);
  platform.scriptDie(4, 6);
  g.tira_Click();
  g.dado_Click(3);
  g.Label2_Click();
  platform.scriptDie(4, 1);
  g.tira_Click();
  g.PUNTI_Click(6);
  g.OK_Click();
  // Then five alike each turn, in the boxes in order, stopping at once.
  const int boxes[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12};
  for (int i = 0; i < 12; ++i) quickTurn(boxes[i] % 6 + 1, boxes[i]);

  history::Game want;
  want.serial = 1;
  want.players.resize(1);
  want.players[0].name = "ANNA";
  want.turns.push_back({0, 1, {{"33355", ""}, {"33336", "333"}, {"13333", "3333"}}, 6, 13});
  for (int i = 0; i < 12; ++i) {
    const int f = boxes[i] % 6 + 1;
    want.turns.push_back({0, i + 2, {{std::string(5, char('0' + f)), ""}}, boxes[i],
                          std::atoi(g.board.PUNTI[boxes[i]].caption().c_str())});
  }
  for (const history::Turn& t : want.turns) want.players[0].enter(t.box, t.points);
  want.outcome = history::Outcome::kOver;
  const history::Game& got = recorder.game();
  want.started = got.started;
  want.ended = got.ended;
  EXPECT_EQ(got, want);
  EXPECT_EQ(got.players[0].total, std::atoi(g.board.TOTALE.caption().c_str()));
  EXPECT_EQ(got.players[0].bonus, 35);  // 5 + 10 + ... + 30 = 105 above the line
  EXPECT_FALSE(got.started.empty());
  EXPECT_EQ(kept.size(), 14u);  // each confirmed turn, and the end
}

}  // namespace
