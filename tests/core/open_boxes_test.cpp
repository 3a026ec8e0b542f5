// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/open_boxes.h"

#include <algorithm>

#include "game_fixture.h"

namespace {

using OpenBoxesTest = GameTest;

TEST_F(OpenBoxesTest, OnlyFreeBoxesOnceTheHandIsAnalysed) {
  GameWindow& g = started();
  EXPECT_TRUE(boxesOpenForEntry(g).empty());  // nothing thrown yet
  for (int t = 0; t < 2; ++t) {
    for (int k = 0; k < 5; ++k) platform.scriptDie(k, 6);
    g.tira_Click();
    EXPECT_TRUE(boxesOpenForEntry(g).empty()) << "still throwing after throw " << t + 1;
  }
  for (int k = 0; k < 5; ++k) platform.scriptDie(k, 6);
  g.tira_Click();
  ASSERT_EQ(g.SceltaAttiva, 1);
  EXPECT_EQ(boxesOpenForEntry(g).size(), 13u);

  // The tentative entry's box is used: a click there is refused.
  g.PUNTI_Click(11);
  std::vector<int> open = boxesOpenForEntry(g);
  EXPECT_EQ(std::count(open.begin(), open.end(), 11), 0);
  EXPECT_EQ(open.size(), 12u);
  EXPECT_EQ(open.front(), 0);

  g.OK_Click();
  EXPECT_TRUE(boxesOpenForEntry(g).empty());  // the next turn throws first
  g.basta_Click();
  EXPECT_TRUE(boxesOpenForEntry(g).empty());
}

}  // namespace
