// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <tuple>

#include "game_fixture.h"
#include "scoring/tie_name.h"

namespace {

using Sheet = std::array<const char*, 13>;  // "" is a free box

class ScoringTest : public GameTest {
 protected:
  // The hand as the end of throwing leaves it: dice in the hold row, analysed.
  void deal(std::array<int, 5> dice) {
    for (int k = 0; k < 5; ++k) game->ValoreDado[k] = dice[k];
    game->SceltaAttiva = 1;
    game->controlla();
  }
  // Three full throws, the last one landing on the given faces.
  void throwThreeTimes(std::array<int, 5> faces) {
    for (int t = 0; t < 3; ++t) {
      for (int k = 0; k < 5; ++k) platform.scriptDie(5 * t + k, t == 2 ? faces[k] : 1);
      game->tira_Click();
    }
  }
  // The sheet on the board as earlier turns left it.
  void lay(const Sheet& sheet) {
    for (int i = 0; i < 13; ++i) game->board.PUNTI[i].setCaption(sheet[i]);
    game->SommaTotali();
  }
  // Upper total (both places), bonus, lower total, grand total.
  std::string totals() const {
    const Board& b = game->board;
    return b.TPS[0].caption() + "|" + b.TPS[1].caption() + "|" + b.PREMIO.caption() + "|" +
           b.TPI.caption() + "|" + b.TOTALE.caption();
  }
};

// Upper boxes worth 60 without bonus, every lower box but "Chance" used.
constexpr Sheet kAllButChance = {"3", "6", "9", "12", "15", "15", "0", "0", "0", "0", "0", "0", ""};

TEST_F(ScoringTest, TurnFromTheDiceToAccept) {
  GameWindow& g = started();
  throwThreeTimes({3, 3, 3, 5, 5});
  ASSERT_EQ(g.SceltaAttiva, 1);
  g.PUNTI_Click(2);
  EXPECT_EQ(g.board.PUNTI[2].caption(), "9");
  // The box holding this turn's entry is used too.
  platform.sounds.clear();
  g.PUNTI_Click(2);
  EXPECT_EQ(platform.sounds, std::vector<std::string>{"fx05.wav"});
  EXPECT_EQ(totals(), "9|9|||9");
  EXPECT_EQ(g.CategoriaScelta, 3);

  platform.sounds.clear();
  g.OK_Click();
  EXPECT_FALSE(g.board.OK.visible() || g.board.OKM.visible());
  for (const PictureBox& t : g.board.tieni) EXPECT_FALSE(t.visible());
  EXPECT_TRUE(g.board.tira.visible());
  EXPECT_EQ(platform.sounds, std::vector<std::string>{"fx07.wav"});
  // Turn, throw, choosing phase, tentative box, analysed dice.
  EXPECT_EQ(std::tuple(g.NumTurno, g.NumTiro, g.SceltaAttiva, g.CategoriaScelta,
                       g.board.List1.ListCount()),
            std::tuple(1.0, 1, 0, 0, std::size_t{0}));
  EXPECT_EQ(totals(), "9|9|||9");

  // The next turn plays; a box used in an earlier turn stays as it is.
  throwThreeTimes({3, 3, 3, 3, 1});
  platform.sounds.clear();
  g.PUNTI_Click(2);
  EXPECT_EQ(platform.sounds, std::vector<std::string>{"fx05.wav"});
  EXPECT_EQ(totals(), "9|9|||9");
  EXPECT_FALSE(g.board.OK.visible());
}

TEST_F(ScoringTest, MovingTheEntryTakesItsPointsAndBonusAlong) {
  GameWindow& g = started();
  lay({"3", "6", "9", "16", "20", "", "", "", "25", "", "", "", ""});
  deal({6, 6, 3, 6, 3});
  g.PUNTI_Click(5);
  EXPECT_EQ(g.board.PUNTI[5].caption(), "18");
  EXPECT_EQ(totals(), "72|72|35|25|132");
  g.PUNTI_Click(12);
  EXPECT_EQ(g.board.PUNTI[5].caption(), "");
  EXPECT_EQ(g.board.PUNTI[12].caption(), "24");
  EXPECT_EQ(totals(), "54|54||49|103");
  EXPECT_EQ(g.CategoriaScelta, 13);
  g.PUNTI_Click(6);  // lower to lower
  EXPECT_EQ(g.board.PUNTI[12].caption(), "");
  EXPECT_EQ(totals(), "54|54||49|103");

  // The last upper box reaching just 62 shows a bonus of "0".
  started();
  lay({"3", "8", "9", "16", "8", "", "", "", "", "", "", "", ""});
  deal({6, 6, 3, 6, 3});
  game->PUNTI_Click(5);
  EXPECT_EQ(totals(), "62|62|0||62");
  game->PUNTI_Click(12);
  EXPECT_EQ(totals(), "44|44||24|68");
}

// Upper total, both places, bonus, lower total, grand total; zeros empty.
TEST_F(ScoringTest, RecomputedTotalsLeaveZerosEmpty) {
  const std::pair<Sheet, const char*> cases[] = {
      {{"", "", "", "", "", "", "", "", "", "", "", "", ""}, "||||"},
      {{"3", "8", "9", "16", "20", "18", "", "", "", "", "", "", ""}, "74|74|35||109"},
      {{"3", "8", "9", "16", "20", "7", "", "", "", "", "", "", ""}, "63|63|35||98"},
      {{"3", "8", "9", "16", "20", "6", "0", "", "", "", "", "", "7"}, "62|62||7|69"},
      {{"0", "0", "0", "0", "0", "0", "", "", "25", "30", "", "", ""}, "|||55|55"},
  };
  started();
  game->board.PREMIO.setCaption("0");
  for (const auto& [sheet, expected] : cases) {
    lay(sheet);
    EXPECT_EQ(totals(), expected);
  }
}

TEST_F(ScoringTest, TwoPlayersTakeTurnsOnTheirOwnSheets) {
  GameWindow& g = started(2);
  ASSERT_EQ(g.Giocatore, 1);
  deal({1, 2, 3, 4, 6});
  g.PUNTI_Click(0);
  g.PUNTI_Click(12);  // ANNA: 16
  EXPECT_EQ(totals(), "0|0||16|16");  // the upper box left behind reads 0
  g.OK_Click();
  EXPECT_EQ(std::tuple(g.Giocatore, g.NumTurno), std::tuple(2, 0.5));
  EXPECT_EQ(g.board.PLAYER.caption(), "BRUNO");
  for (const Label& p : g.board.PUNTI) EXPECT_EQ(p.caption(), "");
  EXPECT_EQ(totals(), "||||");
  EXPECT_EQ(g.board.nom2.caption(), "ANNA");
  EXPECT_EQ(g.board.nom2P.caption(), "16");

  deal({5, 5, 1, 1, 1});
  g.PUNTI_Click(4);  // BRUNO: 10
  g.OK_Click();
  EXPECT_EQ(std::tuple(g.Giocatore, g.NumTurno), std::tuple(1, 1.0));
  EXPECT_EQ(g.board.PLAYER.caption(), "ANNA");
  EXPECT_EQ(g.board.PUNTI[12].caption(), "16");
  EXPECT_EQ(g.board.PUNTI[4].caption(), "");
  EXPECT_EQ(totals(), "|||16|16");
  EXPECT_EQ(g.board.nom2.caption(), "BRUNO");
  EXPECT_EQ(g.board.nom2P.caption(), "10");
  EXPECT_EQ(g.Tabella2[4], "10");
}

// The last entry ends the game: the record, its sound and, for two, the banner.
TEST_F(ScoringTest, LastEntryEndsTheGameAgainstTheRecord) {
  struct Case {
    std::array<int, 5> anna, bruno;  // bruno's empty: a game alone
    const char* banner;
    const char* sound;
    const char* record;
  };
  const Case cases[] = {
      {{4, 4, 4, 4, 4}, {}, "", "fx03.wav", "ANNA 80"},      // 80 equals the record: new holder
      {{3, 3, 3, 3, 3}, {}, "", "fx10.wav", "CAMPIONE 80"},  // 75: five short
      {{2, 3, 3, 3, 3}, {}, "", "fx09.wav", "CAMPIONE 80"},  // 74: six short
      {{4, 4, 4, 4, 4}, {3, 3, 3, 3, 3}, "ANNA", "fx03.wav", "ANNA 80"},
      {{3, 3, 3, 3, 3}, {4, 4, 4, 4, 4}, "BRUNO", "fx03.wav", "BRUNO 80"},
      {{4, 4, 4, 4, 4}, {4, 4, 4, 4, 4}, "PARITA'", "fx03.wav", "ANNA-BRUNO 80"},
      {{2, 3, 3, 3, 3}, {3, 3, 2, 3, 3}, "PARITA'", "fx09.wav", "CAMPIONE 80"},
  };
  for (const Case& c : cases) {
    const bool two = c.bruno[0] > 0;
    SCOPED_TRACE(std::string(c.record) + (two ? " for two" : " alone"));
    storeRecord("CAMPIONE", "80");
    GameWindow& g = started(two ? 2 : 1);
    std::copy(kAllButChance.begin(), kAllButChance.end(), g.Tabella2.begin());
    lay(kAllButChance);
    g.NumTurno = 12;
    deal(c.anna);
    g.PUNTI_Click(12);
    if (two) {
      EXPECT_TRUE(g.board.OK.visible());  // ANNA's last entry is not yet the end
      EXPECT_FALSE(g.board.GameOver1.visible());
      g.OK_Click();
      ASSERT_EQ(g.NumTurno, 12.5);
      EXPECT_EQ(g.board.TOTALE.caption(), "60");
      platform.sounds.clear();
      deal(c.bruno);
      g.PUNTI_Click(12);
    }
    using Sounds = std::vector<std::string>;
    EXPECT_EQ(platform.sounds, (two ? Sounds{"fx04.wav", "fx11.wav", c.sound} : Sounds{"fx04.wav", c.sound}));
    EXPECT_EQ(platform.waitLengths, std::vector<double>(two ? 1 : 0, 3));
    EXPECT_EQ(g.board.win1.visible() && g.board.win2.visible() && g.board.win3.visible(), two);
    EXPECT_EQ(g.board.win2.caption(), two ? c.banner : "");
    EXPECT_FALSE(g.board.OK.visible());
    EXPECT_TRUE(g.board.GameOver1.visible() && g.board.GameOver2.visible());
    EXPECT_EQ(g.board.NomeRecord.caption() + " " + g.board.PuntiRecord.caption(), c.record);
    EXPECT_EQ(recordOnNextStart(), c.record);
    EXPECT_FALSE(g.board.Timer1.Enabled || g.board.Timer2.Enabled);
    EXPECT_TRUE(g.board.Play1.Enabled && g.board.Play2.Enabled && g.board.Gioca.Enabled);
    // The board is dead until the next game.
    const std::string total = g.board.TOTALE.caption();
    g.PUNTI_Click(9);
    g.OK_Click();
    EXPECT_EQ(g.board.PUNTI[9].caption() + " " + g.board.TOTALE.caption(), "0 " + total);
    platform.waitLengths.clear();
  }
}

TEST(TieName, JoinsTheLeadingCapitalsOfBothNames) {
  EXPECT_EQ(tieName("ANNA", "BRUNO"), "ANNA-BRUNO");
  EXPECT_EQ(tieName("ABCDEF", "GHIJK"), "ABCDEF-GHIJK");  // 11 letters fit
  EXPECT_EQ(tieName("ABCDEF", "GHIJKL"), "ABCDE-GHIJK");  // 12 do not
  EXPECT_EQ(tieName("ABCDEFGHIJ", "KLMNOPQRSTUV"), "ABCDE-KLMNO");
  EXPECT_EQ(tieName("AB CD", "Ugo"), "AB-U");
  EXPECT_EQ(tieName("2PAC", "ZOE"), "-ZOE");
  EXPECT_EQ(tieName("ABCDEFGHIJKLMNOP", ""), "ABCDE-");
}

TEST_F(ScoringTest, PointerShowsTheHandOnlyOverBoxesAClickWouldFill) {
  GameWindow& g = started();
  lay({"", "", "", "0", "", "12", "", "", "", "", "", "", ""});
  auto hand = [&] { return g.board.pointer().custom && g.board.pointer().icon == 101; };
  g.PUNTI_MouseMove(0);
  EXPECT_FALSE(g.board.pointer().custom);  // still throwing
  deal({1, 1, 2, 2, 3});
  g.PUNTI_MouseMove(0);
  EXPECT_TRUE(hand());
  g.PUNTI_MouseMove(5);
  EXPECT_FALSE(g.board.pointer().custom);
  g.PUNTI_MouseMove(0);
  g.PUNTI_MouseMove(3);  // used, though worth nothing: a click is refused
  EXPECT_FALSE(g.board.pointer().custom);

  // Abandoned while choosing: the empty boxes of the resting board take nothing.
  g.basta_Click();
  g.PUNTI_MouseMove(0);
  EXPECT_FALSE(g.board.pointer().custom);
  g.PUNTI_Click(0);
  EXPECT_EQ(g.board.PUNTI[0].caption(), "");
}

}  // namespace
