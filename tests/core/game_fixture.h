// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "fake_platform.h"
#include "flow/game_window.h"
#include "media/complement.h"
#include "media/files.h"
#include "media/record_line.h"

// A working folder with a data folder whose die pictures name themselves
// (MC03003 decodes to the text "MC03003") and a stored record.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps runs from several checkouts on one machine apart.
    // Parameterised names hold a "/", which must not make nested folders.
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '-');
    folder = base() / ("pentaro-" + std::to_string(getpid()) + "-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "Dati");
    for (const char* rotation : {"000", "030", "060", "090", "120", "150"})
      for (int face = 1; face <= 6; ++face) {
        const std::string name = std::string("MC") + rotation + "0" + std::to_string(face);
        writeFileBytes(data(name + ".EMX"), complement(name));
      }
    storeRecord("CAMPIONE", "120");
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  // Where the working folder is made.
  virtual std::filesystem::path base() const { return std::filesystem::temp_directory_path(); }

  std::string data(const std::string& file) const { return (folder / "Dati" / file).string(); }

  void storeRecord(const std::string& name, const std::string& points) {
    auto r = [] { return 0.5; };
    writeFileBytes(data("MCRC00.RCX"), encodeRecordFile(buildRecordLine(name, points, r)));
  }

  // The window as it opens.
  GameWindow& open() {
    game = std::make_unique<GameWindow>(platform, folder.string());
    game->Form_Load();
    return *game;
  }

  // A game started from the menu, names accepted, the throw on offer.
  GameWindow& started(int players = 1) {
    open();
    if (players == 2) game->Play2_Click();
    game->Gioca_Click();
    for (int p = 0; p < players; ++p) {
      game->board.Text1.setText(p == 0 ? "anna" : "bruno");
      game->Label1_Click();
    }
    platform.sounds.clear();
    return *game;
  }

  // Lets the turn timer tick as it would between two clicks.
  void tick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      if (game->board.Timer2.Enabled) game->Timer2_Timer();
      if (game->board.Timer1.Enabled) game->Timer1_Timer();
    }
  }

  std::filesystem::path folder;
  FakePlatform platform;
  std::unique_ptr<GameWindow> game;
};
