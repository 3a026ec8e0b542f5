// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace {

TEST_F(GameTest, DecodedPictureGoesWhereAskedAndIsShown) {
  GameWindow& g = open();
  writeFileBytes(data("MC00000.ICO"), "left over from a crash");
  g.board.tieni[2].Hide();
  g.Destinazione = 1;
  g.Decrypt(2, "MC12005.EMX");
  EXPECT_TRUE(g.board.tieni[2].visible());
  EXPECT_EQ(g.board.tieni[2].picture()->source, "MC12005");
  EXPECT_FALSE(std::filesystem::exists(data("MC00000.ICO")));
}

}  // namespace
