// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "advisor/advice.h"
#include "advisor/perfect_play.h"
#include "advisor/review.h"
#include "advisor/strategy.h"
#include "game_fixture.h"

namespace {

using advisor::Advice;

// Solving takes a second or so: every test shares one table.
const advisor::Strategy& table() {
  static const auto strategy = advisor::solve();
  return *strategy;
}

// Upper boxes worth 60 (no bonus), every lower box but "Chance" used with 0.
constexpr std::array<const char*, kCategories> kAllButChance = {
    "3", "6", "9", "12", "15", "15", "0", "0", "0", "0", "0", "0", ""};

class AdvisorTest : public GameTest {
 protected:
  Advice advice() const { return advisor::adviseFor(table(), *game); }

  void lay(const std::array<const char*, kCategories>& sheet) {
    for (int i = 0; i < kCategories; ++i) game->board.PUNTI[i].setCaption(sheet[i]);
  }
  std::vector<int> sorted(std::vector<int> v) const {
    std::sort(v.begin(), v.end());
    return v;
  }
};

TEST(Advisor, OptimalPlayFromAnEmptySheetExpects245_87) {
  EXPECT_NEAR(table().future({}), 245.87, 0.005);
  // A full upper part in hand: what is left is worth less, the bonus is won.
  EXPECT_LT(table().future({0b111111, 63}), table().future({}));
  EXPECT_EQ(table().future({advisor::kFullSheet, 70}), 0);
}

TEST_F(AdvisorTest, NothingToAdviseOutsideTheTurn) {
  open();
  EXPECT_FALSE(advice().available);  // no game
  game->Gioca_Click();
  EXPECT_FALSE(advice().available);  // names being typed

  started();
  bool duringThrow = true;
  platform.duringWait = [&] { duringThrow = advice().available; };
  throwOnto({0, 1, 2, 3, 4}, {1, 2, 3, 4, 5});
  EXPECT_FALSE(duringThrow);
  EXPECT_TRUE(advice().available);
  game->basta_Click();
  EXPECT_FALSE(advice().available);
}

TEST_F(AdvisorTest, BeforeTheFirstThrowOnlyTheExpectedScore) {
  started();
  const Advice a = advice();
  EXPECT_TRUE(a.available);
  EXPECT_TRUE(a.keepTray.empty() && a.keepHeld.empty());
  EXPECT_FALSE(a.stop || a.box);
  EXPECT_NEAR(a.expected, 245.87, 0.005);

  // Points already on the sheet, with the bonus they have won, count in.
  lay({"3", "8", "12", "16", "15", "12", "", "", "", "", "", "", ""});
  EXPECT_NEAR(advice().expected, 66 + kBonusPoints + table().future({0b111111, 66}), 1e-9);
}

TEST_F(AdvisorTest, WithOnlyChanceLeftKeepsWhatBeatsAThrow) {
  started();
  lay(kAllButChance);
  // Two throws to come: a thrown die is worth 4.25, so keep the 5 and the 6.
  throwOnto({2, 4, 6, 8, 10}, {2, 5, 6, 1, 4});
  Advice a = advice();
  EXPECT_EQ(sorted(a.keepTray), (std::vector<int>{4, 6}));
  EXPECT_TRUE(a.keepHeld.empty());
  EXPECT_FALSE(a.stop);
  EXPECT_NEAR(a.expected, 60 + 11 + 3 * 4.25, 1e-9);

  // Held anyway, the 2 is not worth keeping: it goes back.
  hold({2, 4, 6});  // slots 0, 1, 2 take the 2, the 5 and the 6
  a = advice();
  EXPECT_EQ(sorted(a.keepHeld), (std::vector<int>{1, 2}));
  EXPECT_TRUE(a.keepTray.empty());
  EXPECT_NEAR(a.expected, 60 + 11 + 3 * 4.25, 1e-9);

  // One throw to come: a thrown die is worth 3.5, so keep every 4, 5 and 6.
  throwOnto({3, 5}, {4, 3});
  a = advice();
  EXPECT_EQ(sorted(a.keepHeld), (std::vector<int>{1, 2}));
  EXPECT_EQ(a.keepTray, std::vector<int>{3});
  EXPECT_NEAR(a.expected, 60 + 5 + 6 + 4 + 2 * 3.5, 1e-9);
}

TEST_F(AdvisorTest, StopsWhenKeepingAllFiveBeatsThrowing) {
  started();
  lay(kAllButChance);
  throwOnto({0, 5, 9, 13, 17}, {6, 5, 6, 5, 6});
  const Advice a = advice();
  EXPECT_TRUE(a.stop);
  EXPECT_EQ(sorted(a.keepTray), (std::vector<int>{0, 5, 9, 13, 17}));
  EXPECT_NEAR(a.expected, 60 + 28, 1e-9);
}

TEST_F(AdvisorTest, FiveSixesTakePentaro) {
  GameWindow& g = started();
  throwOnto({1, 2, 3, 4, 5}, {6, 6, 6, 6, 6});
  EXPECT_TRUE(advice().stop);
  g.Label29_Click();  // "FERMATI"
  const Advice a = advice();
  EXPECT_EQ(a.box, 11);
  // The entry is tentative until accepted: entering it changes nothing.
  g.PUNTI_Click(5);
  const Advice again = advice();
  EXPECT_EQ(again.box, 11);
  EXPECT_DOUBLE_EQ(again.expected, a.expected);
}

TEST_F(AdvisorTest, EachPlayerIsAdvisedOnTheirOwnSheet) {
  GameWindow& g = started(2);
  throwOnto({1, 2, 3, 4, 5}, {6, 6, 6, 6, 6});
  g.Label29_Click();
  g.PUNTI_Click(11);
  g.OK_Click();
  EXPECT_NEAR(advice().expected, 245.87, 0.005);  // the second player's empty sheet
}

}  // namespace

namespace {

// Every box but "Chance" used (no dice kept for them), then a last turn of
// two throws: 1 1 6 6 6 keeping 1 1, then 1 1 2 3 4 and stopping. A die
// worth keeping with one throw left shows 4 or more (a throw expects 3.5);
// with two left, 5 or more (a throw then expects 4.25). The ones kept can
// still be thrown at the last throw: they are worth 3.5 each.
TEST(AdvisorReview, LossesOfHandMadeDecisions) {
  history::Game g;
  g.players.resize(1);
  for (int box = 0; box < kCategories - 1; ++box) g.turns.push_back({0, box + 1, {}, box, 0});
  g.turns.push_back({0, 13, {{"11666", ""}, {"11234", "11"}}, 12, 11});
  const advisor::Review r = advisor::reviewGame(table(), g, 0);
  ASSERT_EQ(r.decisions.size(), 3u);
  EXPECT_EQ(r.decisions[0].best, "666");
  EXPECT_NEAR(r.decisions[0].loss(), (18 + 2 * 4.25) - (2 * 3.5 + 3 * 4.25), 1e-9);
  EXPECT_EQ(r.decisions[1].chosen, "11234");  // stopped
  EXPECT_NEAR(r.decisions[1].loss(), (4 + 4 * 3.5) - 11, 1e-9);
  EXPECT_NEAR(r.decisions[2].loss(), 0, 1e-9);  // "Chance", the only box
  EXPECT_NEAR(r.decisions[2].chosenValue, 11, 1e-9);
  EXPECT_NEAR(r.lost, 6.75 + 7, 1e-9);
  EXPECT_DOUBLE_EQ(r.precision, 1 / 3.0);
}

// Followed forward, perfect play's boxes add up to what it expects from the start.
TEST(AdvisorReview, PerfectPlayBoxesAddUpToItsExpectedScore) {
  const auto means = advisor::perfectPlayMeans(table());
  double sum = 0;
  for (double m : means) sum += m;
  EXPECT_NEAR(sum, table().future({}), 1e-6);
  EXPECT_GT(means[kCategories], 20);  // the bonus is won more often than not
}

}  // namespace
