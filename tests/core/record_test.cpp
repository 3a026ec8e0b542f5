// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"
#include "media/text_1252.h"

namespace {

// Stores a record the way the end of a game does.
void store(GameWindow& g, const std::string& name, const std::string& points) {
  g.board.NomeRecord.setCaption(name);
  g.board.PuntiRecord.setCaption(points);
  g.ModoRecord = 1;
  g.RECORDFile();
}

// Reads it back the way the next start does.
std::pair<std::string, std::string> reread(GameWindow& g) {
  g.board.NomeRecord.setCaption("?");
  g.board.PuntiRecord.setCaption("?");
  g.ModoRecord = 0;
  g.RECORDFile();
  return {g.board.NomeRecord.caption(), g.board.PuntiRecord.caption()};
}

TEST_F(GameTest, RecordReadsBackAsStoredWhateverItsLength) {
  GameWindow& g = open();
  const std::pair<std::string, std::string> records[] = {
      {"ZOE", "7"}, {"MARIA ROSA", "42"}, {"ABCDEFGHIJKL", "375"}, {" SPAZIO ", "100"}};
  for (const auto& [name, points] : records) {
    store(g, name, points);
    EXPECT_EQ(g.board.PuntiRecord.caption(), points);
    const auto [readName, readPoints] = reread(g);
    EXPECT_EQ(readName, name == " SPAZIO " ? "SPAZIO" : name);
    EXPECT_EQ(readPoints, points);
    EXPECT_FALSE(std::filesystem::exists(data("MCRC01.RCX")));
  }
}

TEST_F(GameTest, StoredRecordHoldsNoReadableTextAndFreshFillers) {
  GameWindow& g = open();
  store(g, "GIOVANNI", "250");
  const std::string first = *readFileBytes(data("MCRC00.RCX"));
  EXPECT_EQ(first.find("GIOVANNI"), std::string::npos);
  EXPECT_EQ(first.find("250"), std::string::npos);
  const std::string plain = complement(first);
  EXPECT_EQ(plain.size(), 224u + 2);
  EXPECT_EQ(plain.substr(plain.size() - 2), "\r\n");
  EXPECT_EQ(plain.substr(68, 15), "GIOVANNI    250");
  store(g, "GIOVANNI", "250");
  EXPECT_NE(*readFileBytes(data("MCRC00.RCX")), first);
}

TEST_F(GameTest, MissingOrEmptyRecordEndsTheGame) {
  GameWindow& g = open();
  writeFileBytes(data("MCRC00.RCX"), "");
  EXPECT_THROW(g.Form_Load(), FatalExit);
  std::filesystem::remove(data("MCRC00.RCX"));
  EXPECT_THROW(g.Form_Load(), FatalExit);
}

TEST_F(GameTest, ShortRecordLineIsNoFailure) {
  writeFileBytes(data("MCRC00.RCX"), complement("AAAA\r\n"));
  GameWindow& g = open();
  EXPECT_EQ(g.board.NomeRecord.caption(), "");
  EXPECT_EQ(g.board.PuntiRecord.caption(), "0");
}

TEST_F(GameTest, FailedWriteLeavesTheOldRecordReadable) {
  GameWindow& g = open();
  // A folder where the new record would be written cannot be replaced.
  std::filesystem::create_directories(folder / "Dati" / "MCRC01.RCX" / "blocked");
  EXPECT_THROW(store(g, "NUOVO", "300"), FatalExit);
  std::filesystem::remove_all(folder / "Dati" / "MCRC01.RCX");
  const auto [name, points] = reread(g);
  EXPECT_EQ(name, "CAMPIONE");
  EXPECT_EQ(points, "120");
}

TEST_F(GameTest, NamesKeepTheirColumnsInTheRecord) {
  GameWindow& g = open();
  store(g, "NI\xC3\x91O \xC3\x88", "99");  // NIÑO È: two bytes each in UTF-8, one in the file
  const std::string plain = complement(*readFileBytes(data("MCRC00.RCX")));
  EXPECT_EQ(plain.size(), 226u);
  EXPECT_EQ(reread(g), (std::pair<std::string, std::string>{"NI\xC3\x91O \xC3\x88", "99"}));

  store(g, "\xC5\x81UKASZ", "180");  // Ł has no byte in the record's code page
  EXPECT_EQ(reread(g).first, "?UKASZ");
}

TEST_F(GameTest, NameFieldRefusesWhatTheRecordCannotHold) {
  GameWindow& g = open();
  int key = 0x141;  // Ł
  g.Text1_KeyPress(key);
  EXPECT_EQ(key, 0);
  key = 0xE8;  // è
  g.Text1_KeyPress(key);
  EXPECT_EQ(key, 0xE8);
  key = 0x20AC;  // €
  g.Text1_KeyPress(key);
  EXPECT_EQ(key, 0x20AC);
}

TEST(Windows1252, RoundTripsEveryByteItDefines) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = windows1252ToUtf8(byte);
    if (b >= 0x80 && b < 0xA0 && utf8 == "\xEF\xBF\xBD") continue;  // unused bytes
    EXPECT_EQ(utf8ToWindows1252(utf8), byte) << b;
  }
}

}  // namespace
