// SPDX-License-Identifier: GPL-3.0-or-later
// Every hand in every box, against the rules as a player reads them.

#include <algorithm>
#include <set>

#include "game_fixture.h"

namespace {

using Hand = std::array<int, 5>;

int sum(const Hand& d) { return d[0] + d[1] + d[2] + d[3] + d[4]; }
int most(const Hand& d) {
  int m = 0;
  for (int f = 1; f <= 6; ++f) m = std::max<int>(m, std::count(d.begin(), d.end(), f));
  return m;
}
bool has(const Hand& d, std::set<int> faces) {
  for (int f : d) faces.erase(f);
  return faces.empty();
}

// The categories in the order of the sheet, as the rules state them.
int rule(int box, const Hand& d) {
  const std::set<int> faces(d.begin(), d.end());
  switch (box) {
    case 6:
      return most(d) >= 3 ? sum(d) : 0;
    case 7:
      return most(d) >= 4 ? sum(d) : 0;
    case 8:
      return faces.size() == 2 && most(d) == 3 ? 25 : 0;
    case 9:
      return has(d, {1, 2, 3, 4}) || has(d, {2, 3, 4, 5}) || has(d, {3, 4, 5, 6}) ? 30 : 0;
    case 10:
      return has(d, {1, 2, 3, 4, 5}) || has(d, {2, 3, 4, 5, 6}) ? 40 : 0;
    case 11:
      return most(d) == 5 ? 50 : 0;
    case 12:
      return sum(d);
    default:
      return (box + 1) * int(std::count(d.begin(), d.end(), box + 1));  // ASSI to SEI
  }
}

class Categories : public GameTest {};

TEST_F(Categories, EveryHandInEveryBoxScoresAsTheRulesSay) {
  GameWindow& g = started();
  int hands = 0;
  for (Hand d{1, 1, 1, 1, 1}; d[0] <= 6;) {
    ++hands;
    g.ValoreDado = d;
    g.SceltaAttiva = 1;
    g.controlla();
    for (int box = 0; box < kCategories; ++box) {
      platform.sounds.clear();
      g.PUNTI_Click(box);  // each click moves the entry
      const int worth = rule(box, d);
      ASSERT_EQ(g.board.PUNTI[box].caption(), std::to_string(worth))
          << ::testing::PrintToString(d) << " in " << g.board.Label4[box].caption();
      ASSERT_EQ(platform.sounds, std::vector<std::string>{worth > 0 ? "fx04.wav" : "fx06.wav"});
      if (box > 0) { ASSERT_EQ(g.board.PUNTI[box - 1].caption(), ""); }
    }
    g.board.PUNTI[kCategories - 1].setCaption("");
    g.CategoriaScelta = 0;
    // The next hand in ascending order: each unordered hand once.
    int k = 4;
    while (k > 0 && d[k] == 6) --k;
    ++d[k];
    for (int j = k + 1; j < 5; ++j) d[j] = d[k];
  }
  EXPECT_EQ(hands, 252);
}

}  // namespace
