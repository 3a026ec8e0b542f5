// SPDX-License-Identifier: GPL-3.0-or-later
// The name rule holds whatever way the text came in, whatever reached the
// name still leaves a one-line record, and no data file stops the game in
// any other way than with its own message.

#include <sys/stat.h>
#include <unistd.h>

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

TEST(NameRule, KeepsNameCharactersAndCountsThemUpperCased) {
  const std::string full = repeat("\xC3\x9F", 5) + "ab";  // ß upper-cases to SS
  const struct {
    std::string before, after, kept;
  } cases[] = {
      {"", "ab\ncd", "abcd"},
      {"", "\xF0\x9F\x98\x80zoe\xEE\x80\x80", "zoe"},  // emoji, private use
      {"", "a\xE2\x80\x8B" "b\xC2\xAD" "c", "abc"},      // invisible formatting
      {"", "n\xC3\xA8\xE2\x82\xAC", "n\xC3\xA8\xE2\x82\xAC"},  // è € are kept
      {"", "\xC5\x81ukasz", "ukasz"},                       // Ł has no byte in the record
      {"", repeat("\xC3\x9F", 12), repeat("\xC3\x9F", 6)},
      {full, full + "c", full},                               // a 13th is refused
      {"abcdefghijk", "abcdefghijkl", "abcdefghijkl"},        // a 12th is not
      {"abc", "ab\xC2\xB5" "c", "abc"},                     // µ upper-cases out of the code page
      {"abc", "ac", "ac"},                                    // deleting is always allowed
  };
  for (const auto& c : cases) EXPECT_EQ(typed(c.before, c.after), c.kept) << c.after;
  // Pasted between what was there, cut where the name is full.
  const auto edit = fitNameEdit("anna", "an" + repeat("x", 20) + "na", localeUpper);
  EXPECT_EQ(edit.text, "anxxxxxxxxna");
  EXPECT_EQ(edit.cursor, 10u);
}

// A folder, a pipe or a huge (sparse) file where the record should be stops
// the start with the record's own message: nothing hangs, nothing is read
// into memory, nothing throws past the game.
enum class InTheWay { kFolder, kPipe, kHugeFile };

class UnreadableFile : public GameTest, public ::testing::WithParamInterface<InTheWay> {};

TEST_P(UnreadableFile, RecordStopsTheStart) {
  const std::string record = data("MCRC00.RCX");
  std::filesystem::remove(record);
  if (GetParam() == InTheWay::kFolder) std::filesystem::create_directory(record);
  if (GetParam() == InTheWay::kPipe) { ASSERT_EQ(::mkfifo(record.c_str(), 0644), 0); }
  if (GetParam() == InTheWay::kHugeFile) {
    ASSERT_TRUE(writeFileBytes(record, ""));
    ASSERT_EQ(::truncate(record.c_str(), off_t{4} << 30), 0);
  }
  try {
    open();
    ADD_FAILURE() << "no stop";
  } catch (const FatalExit& stop) {
    EXPECT_EQ(stop.title + ": " + stop.text.substr(0, stop.text.find('\r')),
              "PROGRAMA ARRESTATO: FILE RECORD DANNEGGIATO O NON TROVATO!!!");
  }
}

INSTANTIATE_TEST_SUITE_P(InTheWay, UnreadableFile,
                         ::testing::Values(InTheWay::kFolder, InTheWay::kPipe, InTheWay::kHugeFile));

// A die picture of a few hundred bytes whose text claims 1.7 GB is a damaged
// file before the picture loader sets that much aside.
TEST_F(GameTest, PictureClaimingMoreThanItHoldsStopsTheStart) {
  const std::string bomb("\x89PNG\r\n\x1A\n\x65\x53\xF1\x00tEXtComment", 23);
  writeFileBytes(data("MC00002.EMX"), complement(bomb));
  EXPECT_THROW(open(), FatalExit);
}

}  // namespace
