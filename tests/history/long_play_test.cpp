// SPDX-License-Identifier: GPL-3.0-or-later
// A thousand whole games of random legal play, some abandoned in the middle
// of a wait, checked after every step: the dice, the totals, the boxes and
// the record must always agree with what was played, and an abandoned game
// stays dead whatever is clicked until the next one starts; every turn goes
// into the history as in the game, and every game is found there. Four
// shards of 250 games each, so that they can run side by side.

#include <algorithm>
#include <random>

#include "desktop/history/store.h"
#include "flow/number_text.h"
#include "game_fixture.h"
#include "history/recorder.h"

namespace {

class LongPlay : public GameTest, public ::testing::WithParamInterface<int> {
 protected:
  // Memory-backed when there is one: the game reads and writes its data
  // folder at every turn.
  std::filesystem::path base() const override {
    return std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : GameTest::base();
  }

  int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
  bool chance(int inN) { return pick(inN) == 0; }

  // The player whose sheet is on the board.
  int onTurn() const { return game->Giocatore == 2 ? 1 : 0; }

  // A stray click, hover or double click on anything visible.
  void stray() {
    Element* e = elements[pick(static_cast<int>(elements.size()))];
    if (!e->visible()) return;
    if (e->Click) e->Click();
    if (e->MouseMove) e->MouseMove();
    if (e->DblClick && chance(4)) e->DblClick();
  }

  void checkDead() {
    const Board& b = game->board;
    ASSERT_EQ(diceOnTray(), 0);
    for (const PictureBox& d : b.dado) ASSERT_FALSE(d.visible());
    for (const Element* e : {static_cast<const Element*>(&b.tira), static_cast<const Element*>(&b.OK),
                             static_cast<const Element*>(&b.Label29)})
      ASSERT_FALSE(e->visible());
    for (const Label& p : b.PUNTI) ASSERT_EQ(p.caption(), "");
  }

  void check() {
    const GameWindow& g = *game;
    const Board& b = g.board;
    if (!g.playing()) return;
    const int tray = diceOnTray(), held = heldDice();
    if (g.SceltaAttiva == 0 && g.NumTiro > 1) {
      ASSERT_EQ(tray + held, 5);
    }
    if (g.SceltaAttiva == 1) {  // the hand to score lies in the hold row
      ASSERT_EQ(std::count_if(b.tieni.begin(), b.tieni.end(),
                              [](const PictureBox& t) { return t.visible(); }),
                5);
    }

    long upper = 0, lower = 0;
    int filled = 0;
    for (int i = 0; i < 13; ++i) {
      const std::string& box = b.PUNTI[i].caption();
      (i < 6 ? upper : lower) += wholeNumber(box);
      if (!box.empty()) ++filled;
      const std::string& kept = confirmed[onTurn()][i];
      if (!kept.empty()) {
        ASSERT_EQ(box, kept) << "box " << i << " entered twice";
      }
    }
    const int entries =
        static_cast<int>(std::count_if(confirmed[onTurn()].begin(), confirmed[onTurn()].end(),
                                       [](const std::string& s) { return !s.empty(); }));
    ASSERT_EQ(filled, entries + (g.CategoriaScelta > 0 ? 1 : 0));
    const long bonus = upper > 62 ? 35 : 0;
    ASSERT_EQ(wholeNumber(b.TPS[0].caption()), upper);
    ASSERT_EQ(wholeNumber(b.TPS[1].caption()), upper);
    ASSERT_EQ(wholeNumber(b.PREMIO.caption()), bonus);
    ASSERT_EQ(wholeNumber(b.TPI.caption()), lower);
    ASSERT_EQ(wholeNumber(b.TOTALE.caption()), upper + lower + bonus);
  }

  // Throws until the throwing ends, holding and putting back dice at random.
  // False when the game was abandoned on the way.
  bool throwTurn() {
    Board& b = game->board;
    while (game->playing() && game->SceltaAttiva == 0) {
      if (chance(500)) {
        platform.duringWait = [this] {
          game->basta_Click();
          abandoned = true;
          for (int i = pick(4); i > 0; --i) stray();
        };
      }
      game->tira_Click();
      platform.duringWait = nullptr;
      check();
      if (abandoned || game->SceltaAttiva == 1) break;
      for (int i = 0; i < 18; ++i)
        if (game->Occupato[i] && chance(3)) game->dado_Click(i);
      tick(2);
      if (b.Label2.visible() && b.Label2.caption() == "TIENI") game->Label2_Click();
      check();
      for (int k = 0; k < 5; ++k)
        if (game->Tenuto[k] && chance(6)) game->tieni_Click(k);
      tick(2);
      if (b.Label2.visible() && b.Label2.caption() == "SCARTA") game->Label2_Click();
      check();
      if (chance(5)) {
        tick(2);
        if (b.Label29.visible()) game->Label29_Click();
        check();
      }
    }
    return !abandoned;
  }

  // Enters the hand in a free box, perhaps moving it once, and accepts.
  void enterHand() {
    Board& b = game->board;
    std::vector<int> free;
    for (int i = 0; i < 13; ++i)
      if (b.PUNTI[i].caption().empty()) free.push_back(i);
    ASSERT_FALSE(free.empty());
    const int player = onTurn();
    const bool last = std::count_if(confirmed[player].begin(), confirmed[player].end(),
                                    [](const std::string& s) { return !s.empty(); }) == 12;
    if (last && (game->NumGiocatori == 1 || player == 1)) {
      recordBefore = *readFileBytes(data("MCRC00.RCX"));
      recordPoints = readLeadingNumber(b.PuntiRecord.caption());
    }
    if (!last && free.size() > 1 && chance(4)) {
      game->PUNTI_Click(free[pick(static_cast<int>(free.size()))]);
      check();
    }
    const int box = free[pick(static_cast<int>(free.size()))];
    game->PUNTI_Click(box);
    check();
    confirmed[player][box] = b.PUNTI[box].caption();
    if (game->playing() && chance(300)) {  // abandoned from the menu instead of accepting
      game->basta_Click();
      abandoned = true;
      return;
    }
    if (game->playing()) game->OK_Click();
    check();
  }

  void playGame() {
    Board& b = game->board;
    abandoned = false;
    for (auto& sheet : confirmed) sheet.fill("");
    const int players = 1 + pick(2);
    storeRecord("CAMPIONE", numberText(40 + pick(100)));
    players == 1 ? game->Play1_Click() : game->Play2_Click();
    game->Gioca_Click();
    for (int p = 0; p < players; ++p) {
      b.Text1.setText(p == 0 ? "anna" : "bruno");
      game->Label1_Click();
    }
    while (game->playing()) {
      if (!throwTurn()) break;
      enterHand();
      if (abandoned) break;
      if (HasFatalFailure()) return;
    }
    if (abandoned) {
      ++abandons;
      for (int i = 0; i < 30 && !HasFatalFailure(); ++i) {
        checkDead();
        stray();
        tick(1 + pick(3));
      }
      return;
    }
    ++games;
    for (int p = 0; p < players; ++p)
      for (int i = 0; i < 13; ++i)
        ASSERT_EQ(numberText(recorder.game().players[p].boxes[i]), confirmed[p][i]);
    // Thirteen entries for each player, on the board or kept aside.
    for (const Label& p : b.PUNTI) ASSERT_FALSE(p.caption().empty());
    if (players == 2) {
      for (const std::string& box : game->Tabella1) ASSERT_FALSE(box.empty());
    }
    ASSERT_TRUE(b.GameOver1.visible());

    const double score =
        players == 1 ? readLeadingNumber(b.TOTALE.caption())
                     : std::max(readLeadingNumber(game->Totale1), readLeadingNumber(game->Totale2));
    const bool replaced = *readFileBytes(data("MCRC00.RCX")) != recordBefore;
    ASSERT_EQ(replaced, score >= recordPoints) << score << " against " << recordPoints;
    if (replaced) ++records;
  }

  std::mt19937 rng{static_cast<unsigned>(6 + GetParam())};
  std::vector<Element*> elements;
  std::array<std::array<std::string, 13>, 2> confirmed;
  std::string recordBefore;
  double recordPoints = 0;
  bool abandoned = false;
  int games = 0, abandons = 0, records = 0;
  history::Recorder recorder;
};

TEST_P(LongPlay, GamesKeepDiceTotalsBoxesAndRecordRight) {
  open();
  for (Element* e : game->board.order()) {
    elements.push_back(e);
    if (auto* panel = dynamic_cast<Panel*>(e))
      elements.insert(elements.end(), panel->children.begin(), panel->children.end());
  }
  HistoryStore store(QString::fromStdString((folder / "pentaro-history.sqlite").string()));
  recorder.changed = [&](const history::Game& g) { store.save(g); };
  game->setTurnLog(&recorder);
  while (games < 250) {
    playGame();
    if (HasFatalFailure()) {
      ADD_FAILURE() << "game " << games + abandons + 1;
      return;
    }
  }
  std::printf("games played %d, abandoned %d, records stored %d\n", games, abandons, records);
  EXPECT_GT(abandons, 5);
  EXPECT_GT(records, 10);
  EXPECT_LT(records, 240);
  int over = 0, cut = 0;
  for (const history::Game& g : store.games()) {
    if (g.outcome == history::Outcome::kOver) {
      ++over;
      EXPECT_EQ(g.turns.size(), 13 * g.players.size());
    }
    cut += g.outcome == history::Outcome::kAbandoned;
  }
  EXPECT_EQ(over, games);
  EXPECT_EQ(cut, abandons);
  EXPECT_TRUE(store.notices().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Shard, LongPlay, ::testing::Range(0, 4));

}  // namespace
