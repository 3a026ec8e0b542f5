// The name rule holds whatever way the text came in, whatever reached the
// name still leaves a one-line record, and no data file stops the game in
// any other way than with its own message.

#include <sys/stat.h>

#include "game_fixture.h"
#include "media/player_name.h"

namespace {

// Upper case as a system locale does it, with the cases that change length
// or leave the record's code page.
std::string localeUpper(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\xC3\x9F") == 0) {  // ß
      out += "SS";
      ++i;
    } else if (text.compare(i, 2, "\xC2\xB5") == 0) {  // µ becomes Greek capital mu
      out += "\xCE\x9C";
      ++i;
    } else {
      const char c = text[i];
      out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
  }
  return out;
}

std::string typed(const std::string& before, const std::string& after) {
  return fitNameEdit(before, after, localeUpper).text;
}

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(NameRule, PasteKeepsTheNameCharactersOnly) {
  EXPECT_EQ(typed("", "ab\ncd"), "abcd");
  EXPECT_EQ(typed("", "a\tb\r\nc\x7F"), "abc");
  EXPECT_EQ(typed("", "\xF0\x9F\x98\x80zoe\xEE\x80\x80"), "zoe");  // emoji, private use
  EXPECT_EQ(typed("",
                  "a\xE2\x80\x8B"
                  "b\xC2\xAD"
                  "c"),
            "abc");                                                        // invisible formatting
  EXPECT_EQ(typed("", "n\xC3\xA8\xE2\x82\xAC"), "n\xC3\xA8\xE2\x82\xAC");  // è € are kept
  EXPECT_EQ(typed("", "\xC5\x81ukasz"), "ukasz");  // Ł has no byte in the record
  // Pasted between what was there, cut where the name is full.
  const auto edit = fitNameEdit("anna", "an" + repeat("x", 20) + "na", localeUpper);
  EXPECT_EQ(edit.text, "anxxxxxxxxna");
  EXPECT_EQ(edit.cursor, 10u);
}

TEST(NameRule, LengthCountsAfterUpperCasing) {
  EXPECT_EQ(typed("", repeat("\xC3\x9F", 12)), repeat("\xC3\x9F", 6));  // ß → SS
  const std::string full = repeat("\xC3\x9F", 5) + "ab";
  EXPECT_EQ(typed(full, full + "c"), full);         // a 13th is refused
  EXPECT_EQ(typed(full, full + "\xC3\x9F"), full);  // and so is a 13th and 14th
  EXPECT_EQ(typed("abcdefghijkl", "abcdefghijkl"), "abcdefghijkl");
  EXPECT_EQ(typed("abc",
                  "ab\xC2\xB5"
                  "c"),
            "abc");                     // µ upper-cases out of the code page
  EXPECT_EQ(typed("abc", "ac"), "ac");  // deleting is always allowed
}

TEST_F(GameTest, PastedLineBreakStillGivesAOneLineRecord) {
  // Even when a line break reaches the field, the record of the game that
  // follows reads back whole.
  storeRecord("CAMPIONE", "1");
  GameWindow& g = open();
  g.Gioca_Click();
  g.board.Text1.setText("ab\ncd");
  g.Label1_Click();
  EXPECT_EQ(g.NomeGiocatore[0], "ABCD");
  for (int turn = 0; turn < 13; ++turn) {
    for (int t = 0; t < 3; ++t) {
      for (int k = 0; k < 5; ++k) platform.scriptDie(5 * t + k, 6);
      g.tira_Click();
    }
    g.PUNTI_Click(turn);
    if (turn < 12) g.OK_Click();
  }
  ASSERT_TRUE(g.board.GameOver1.visible());
  const std::string points = g.board.TOTALE.caption();
  GameWindow fresh(platform, folder.string());
  fresh.Form_Load();
  EXPECT_EQ(fresh.board.NomeRecord.caption(), "ABCD");
  EXPECT_EQ(fresh.board.PuntiRecord.caption(), points);
  EXPECT_GT(std::stoi(points), 100);
}

TEST_F(GameTest, ControlsInARecordNameCannotBreakTheLine) {
  GameWindow& g = open();
  g.board.NomeRecord.setCaption("AB\nCD\rE");
  g.board.PuntiRecord.setCaption("250");
  g.ModoRecord = modoRecord::kStore;
  g.RECORDFile();
  const std::string plain = complement(*readFileBytes(data("MCRC00.RCX")));
  EXPECT_EQ(plain.substr(68, 15), "AB?CD?E     250");
  g.ModoRecord = modoRecord::kRead;
  g.RECORDFile();
  EXPECT_EQ(g.board.PuntiRecord.caption(), "250");
}

// A folder or a pipe where a data file should be stops the game with the
// file's own message: at start-up, and at the first throw for the tilted
// die pictures. Nothing hangs, nothing throws past the game.
class UnreadableFile : public GameTest, public ::testing::WithParamInterface<bool> {
 protected:
  void block(const std::string& file) {
    std::filesystem::remove(data(file));
    if (GetParam())
      std::filesystem::create_directory(data(file));
    else
      ASSERT_EQ(::mkfifo(data(file).c_str(), 0644), 0);
  }
  std::string stopMessage(const std::function<void()>& step) {
    try {
      step();
    } catch (const FatalExit& stop) {
      EXPECT_EQ(stop.title, "PROGRAMA ARRESTATO");
      return stop.text.substr(0, stop.text.find('\r'));
    }
    return "no stop";
  }
};

TEST_P(UnreadableFile, RecordStopsTheStart) {
  block("MCRC00.RCX");
  EXPECT_EQ(stopMessage([this] { open(); }), "FILE RECORD DANNEGGIATO O NON TROVATO!!!");
}

TEST_P(UnreadableFile, UprightDieStopsTheStart) {
  block("MC00003.EMX");
  EXPECT_EQ(stopMessage([this] { open(); }), "FILE DANNEGGIATO O DATI NON TROVATI!!!");
}

TEST_P(UnreadableFile, TiltedDieStopsTheFirstThrow) {
  started();
  for (const char* rotation : {"030", "060", "090", "120", "150"})
    for (int face = 1; face <= 6; ++face)
      block(std::string("MC") + rotation + "0" + std::to_string(face) + ".EMX");
  for (int k = 0; k < 5; ++k) platform.scriptDie(k, 3, 2);
  EXPECT_EQ(stopMessage([this] { game->tira_Click(); }), "FILE DANNEGGIATO O DATI NON TROVATI!!!");
}

TEST_P(UnreadableFile, TemporaryFileInTheWayStopsTheRecordWrite) {
  GameWindow& g = open();
  block("MCRC01.RCX");
  if (GetParam()) std::filesystem::create_directory(data("MCRC01.RCX/inner"));
  g.board.NomeRecord.setCaption("NUOVO");
  g.board.PuntiRecord.setCaption("300");
  g.ModoRecord = modoRecord::kStore;
  // A pipe is deleted like any leftover; a folder cannot be, and stops.
  EXPECT_EQ(stopMessage([&] { g.RECORDFile(); }),
            GetParam() ? "FILE RECORD DANNEGGIATO O NON TROVATO!!!" : "no stop");
}

INSTANTIATE_TEST_SUITE_P(FolderOrPipe, UnreadableFile, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Folder" : "Pipe"; });

TEST_F(GameTest, UnreadableRecordStopsTheStart) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
  std::filesystem::permissions(data("MCRC00.RCX"), std::filesystem::perms::none);
  EXPECT_THROW(open(), FatalExit);
}

}  // namespace
