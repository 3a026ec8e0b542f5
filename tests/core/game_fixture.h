// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

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

  // Throws the dice not held: the n-th lands on places[n] showing faces[n]
  // (by default 1, 2, 3...).
  void throwOnto(std::vector<int> places, std::vector<int> faces = {}) {
    for (std::size_t n = 0; n < places.size(); ++n)
      platform.scriptDie(places[n], n < faces.size() ? faces[n] : int(n) + 1);
    game->tira_Click();
  }
  // Selects tray dice and confirms "TIENI" as the player would.
  void hold(std::vector<int> places) {
    for (int p : places) game->dado_Click(p);
    tick(2);
    ASSERT_EQ(game->board.Label2.caption(), "TIENI");
    ASSERT_TRUE(game->board.Label2.visible());
    game->Label2_Click();
  }
  int diceOnTray() const { return int(std::count(game->Occupato.begin(), game->Occupato.end(), true)); }
  int heldDice() const { return int(std::count(game->Tenuto.begin(), game->Tenuto.end(), true)); }

  // The record as the next start of the game shows it: "NAME POINTS".
  std::string recordOnNextStart() {
    GameWindow fresh(platform, folder.string());
    fresh.Form_Load();
    return fresh.board.NomeRecord.caption() + " " + fresh.board.PuntiRecord.caption();
  }
  // Stores a record the way the end of a game does.
  void storeAsTheGameDoes(const std::string& name, const std::string& points) {
    game->board.NomeRecord.setCaption(name);
    game->board.PuntiRecord.setCaption(points);
    game->ModoRecord = modoRecord::kStore;
    game->RECORDFile();
  }
  // The stored record file, decoded.
  std::string storedLine() { return complement(readFileBytes(data("MCRC00.RCX")).value_or("")); }

  std::filesystem::path folder;
  FakePlatform platform;
  std::unique_ptr<GameWindow> game;
};
