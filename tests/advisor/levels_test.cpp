// SPDX-License-Identifier: GPL-3.0-or-later
#include "advisor/levels.h"

#include <gtest/gtest.h>

#include "advisor/advice.h"
#include "advisor/computer_move.h"
#include "game_fixture.h"

namespace {

using namespace advisor;

const std::shared_ptr<const Tables>& tables() {
  static const auto t = setUpTables();
  return t;
}

Counts counts(std::initializer_list<int> faces) {
  Counts c{};
  for (int f : faces) ++c[f];
  return c;
}

constexpr unsigned kAllBut(unsigned boxes) { return kFullSheet & ~boxes; }
constexpr unsigned kPentaro = 1u << 11, kChance = 1u << 12;

// Five dice alike in one turn, the commonest face kept: 2783176 / 6^10.
constexpr double kPentaroChance = 2783176.0 / 60466176.0;

TEST(Levels, PrincipianteKeepsItsCommonestFaceAndTakesWhatPaysNow) {
  Player p(Level::kPrincipiante, nullptr);
  const struct {
    Counts dice, keep;
    bool stop;
  } keeps[] = {
      {counts({2, 2, 5, 1, 3}), counts({2, 2}), false},
      {counts({3, 3, 5, 5, 1}), counts({5, 5}), false},  // the higher face on a tie
      {counts({1, 2, 3, 4, 6}), counts({6}), false},
      {counts({4, 4, 4, 4, 4}), counts({4, 4, 4, 4, 4}), true},
  };
  for (const auto& k : keeps) {
    const Choice c = p.keep({}, std::nullopt, k.dice, 2);
    EXPECT_EQ(c.keep, k.keep);
    EXPECT_EQ(c.stop, k.stop);
  }
  const struct {
    unsigned used;
    Counts dice;
    int box;
  } boxes[] = {
      {0, counts({6, 6, 6, 6, 6}), 11},                     // Pentaro's 50
      {0, counts({1, 2, 3, 4, 5}), 10},                     // Scala Massima's 40
      {kAllBut(1u | 1u << 5), counts({1, 1, 2, 3, 4}), 0},  // a 2 beats a 0
      {0, counts({3, 3, 3, 4, 6}), 6},                      // 19 in "3 di un tipo" before Chance
  };
  for (const auto& b : boxes) EXPECT_EQ(p.box({{b.used, 0}, 0}, std::nullopt, b.dice).box, b.box);
}

// The spread, worked out backwards, against the whole law of the final
// score, worked out forwards, where few boxes are left.
TEST(Levels, SpreadMatchesTheExactLawOfTheLastTurns) {
  const Tables& t = *tables();
  for (const Sheet sheet : {Sheet{kAllBut(kChance), 60}, Sheet{kAllBut(kPentaro | kChance), 20},
                            Sheet{kAllBut(1u << 5 | 1u << 4 | kPentaro), 40},
                            Sheet{kAllBut(1u << 2 | 1u << 7 | 1u << 9 | kChance), 50}}) {
    const auto law = finalScores(*t.strategy, *t.spread, {sheet, 0});
    double mean = 0, square = 0;
    for (int s = 0; s < kScoreLimit; ++s) mean += s * law[s], square += double(s) * s * law[s];
    EXPECT_NEAR(mean, t.strategy->future(sheet), 1e-9);
    EXPECT_NEAR(square - mean * mean, t.spread->variance(sheet), 1e-7);
  }
  EXPECT_NEAR(std::sqrt(t.spread->variance({})), 39.8, 0.1);  // as advised games show
}

// Only Pentaro left on both sheets, the rival to play last.
TEST(Levels, CampioneKnowsItsChancesAtTheEnd) {
  const Tables& t = *tables();
  const Sheet lastBox{kAllBut(kPentaro), 0};
  const double p = kPentaroChance;
  const struct {
    int own, rival;
    bool rivalDone;
    double win;
  } ends[] = {
      {200, 190, false, 1 - p * (1 - p)},  // lost only to a rival's Pentaro without one of its own
      {200, 200, false, 0.5},
      {200, 250, true, p / 2},  // a Pentaro ties
      {200, 230, true, p},
      {200, 260, true, 0},
  };
  for (const auto& e : ends) {
    const Standing rival{{e.rivalDone ? kFullSheet : lastBox.used, 0}, e.rival};
    Champion c(*t.strategy, *t.spread, {lastBox, e.own}, rival);
    EXPECT_NEAR(c.start().win, e.win, 1e-12) << e.own << " against " << e.rival;
  }
  Player campione(Level::kCampione, tables());
  const Choice c =
      campione.keep({lastBox, 200}, Standing{lastBox, 190}, counts({2, 6, 6, 3, 6}), 2);
  EXPECT_EQ(c.keep, counts({6, 6, 6}));
}

class AdviceToWinTest : public GameTest {
 protected:
  Advice advice() const { return adviseFor(tables(), *game); }
};

// Both sheets full but for Pentaro, anna ahead by 10: only bruno's Pentaro
// without one of hers loses.
TEST_F(AdviceToWinTest, InAGameForTwoTheAdviceGivesTheChanceOfWinning) {
  GameWindow& g = started(2);
  const std::array<std::string, kCategories> sheet = {"3",  "6",  "9",  "12", "15", "18", "20",
                                                      "16", "25", "30", "40", "",   "22"};
  for (int i = 0; i < kCategories; ++i) g.board.PUNTI[i].setCaption(sheet[i]);
  g.Tabella2 = sheet;
  g.Tabella2[12] = "12";
  const Advice a = advice();
  ASSERT_TRUE(a.winChance);
  EXPECT_NEAR(*a.winChance, 1 - kPentaroChance * (1 - kPentaroChance), 1e-12);
}

// A straight it keeps whole at the first throw, none held yet: it holds the
// five and stops rather than wait for a FERMATI that shows only then.
TEST_F(AdviceToWinTest, TheComputerStopsWithNoDieHeldYet) {
  started();
  throwOnto({0, 1, 2, 3, 4}, {2, 3, 4, 5, 6});
  Player esperto(Level::kEsperto, tables());
  for (int steps = 0; steps < 20 && game->SceltaAttiva == 0; ++steps, tick())
    if (const auto move = nextMove(esperto, *game)) play(*game, *move);
  EXPECT_EQ(game->SceltaAttiva, 1);
}

}  // namespace
