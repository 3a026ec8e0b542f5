// SPDX-License-Identifier: GPL-3.0-or-later
// With Italian chosen the board is painted exactly as it always was: each
// moment of a scripted game for two, pixel for pixel, against the
// checksums of the board painted before the game could speak English.

#include <gtest/gtest.h>

#include "app_fixture.h"

TEST(ItalianBoard, PaintedAsBefore) {
  const std::map<std::string, std::string> before = {
      {"resting", "a9a83d3007ca6693"},
      {"first name", "8d0320d557bd6fd0"},
      {"second name", "1eb4d6a287d647dd"},
      {"first throw offered", "5720992dcb34d1d8"},
      {"dice on the tray", "cd2bf76da2196889"},
      {"a die chosen to hold", "2164f81dfb8003b7"},
      {"a held die chosen to throw again", "97f4e23348b80792"},
      {"tentative entry", "6152029de7c4cead"},
      {"second player on turn", "c69ea30a0f365200"},
      {"game over", "1c2b511a10bd66e7"},
  };
  ScriptedGame g;
  g.walk([&](const char* moment) {
    const QImage image = g.render();
    const std::string sum = ScriptedGame::checksum(image);
    if (qEnvironmentVariableIsSet("PENTARO_SHOT"))
      image.save(QString("/tmp/it-%1.png").arg(moment));
    EXPECT_EQ(sum, before.count(moment) ? before.at(moment) : "") << moment;
  });
}
