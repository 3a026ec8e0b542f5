// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace {

using RecordTest = GameTest;

TEST_F(RecordTest, ReadsBackAsStoredWhateverTheName) {
  open();
  const std::pair<std::string, std::string> records[] = {
      {"ZOE", "ZOE 7"},
      {"ABCDEFGHIJKL", "ABCDEFGHIJKL 375"},
      {" SPAZIO ", "SPAZIO 100"},
      {"NI\xC3\x91O \xC3\x88", "NI\xC3\x91O \xC3\x88 99"},  // two bytes each in UTF-8, one in the file
      {"\xC5\x81UKASZ", "?UKASZ 180"},                     // Ł has no byte in the record's code page
      {"AB\nCD\rE", "AB?CD?E 250"},                         // nor a line break a place in the line
  };
  for (const auto& [name, shown] : records) {
    const std::string points = shown.substr(shown.rfind(' ') + 1);
    storeAsTheGameDoes(name, points);
    EXPECT_EQ(recordOnNextStart(), shown);
    EXPECT_EQ(storedLine().size(), 224u + 2) << name;
    EXPECT_FALSE(std::filesystem::exists(data("MCRC01.RCX")));
  }
}

TEST_F(RecordTest, EmptyOrShortRecord) {
  writeFileBytes(data("MCRC00.RCX"), complement("AAAA\r\n"));
  EXPECT_EQ(recordOnNextStart(), " 0");  // a short line is no failure
  writeFileBytes(data("MCRC00.RCX"), "");
  EXPECT_THROW(open(), FatalExit);
}

TEST_F(RecordTest, FailedWriteLeavesTheOldRecordReadable) {
  open();
  // A folder where the new record would be written cannot be replaced.
  std::filesystem::create_directories(folder / "Dati" / "MCRC01.RCX" / "blocked");
  EXPECT_THROW(storeAsTheGameDoes("NUOVO", "300"), FatalExit);
  std::filesystem::remove_all(folder / "Dati" / "MCRC01.RCX");
  EXPECT_EQ(recordOnNextStart(), "CAMPIONE 120");
}

TEST_F(RecordTest, NameFieldRefusesWhatTheRecordCannotHold) {
  GameWindow& g = open();
  const std::pair<int, int> keys[] = {{0x141, 0}, {0xE8, 0xE8}, {0x20AC, 0x20AC}};  // Ł è €
  for (auto [key, kept] : keys) {
    g.Text1_KeyPress(key);
    EXPECT_EQ(key, kept);
  }
}

}  // namespace
