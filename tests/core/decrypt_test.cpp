// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace {

TEST(Complement, IsItsOwnInverse) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(complement(complement(all)), all);
  EXPECT_EQ(static_cast<unsigned char>(complement(std::string(1, '\0'))[0]), 255);
}

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

TEST_F(GameTest, DecodingForNoElementChangesNothing) {
  GameWindow& g = open();
  g.board.takeDirty();
  g.Destinazione = 5;
  g.Decrypt(0, "MC00001.EMX");
  EXPECT_TRUE(g.board.takeDirty().empty());
  EXPECT_FALSE(std::filesystem::exists(data("MC00000.ICO")));
}

}  // namespace
