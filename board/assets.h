// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "scoring/categories.h"  // kCategories, the score boxes PUNTI(i)

// The game's pictures, pointers and sounds under what they mean, and the
// counts of its board. The game, the desktop shell and the art generator all
// take them from here; the build reads the bitmap and cursor lists and the
// icon sizes to know the generated pictures, so keep their numbers as
// "kName = number," entries.

// ---- Counts
inline constexpr int kDice = 5;             // dice of a hand; hold slots tieni(0..4)
inline constexpr int kTrayPlaces = 18;      // mat positions of the tray, dado(0..17)
inline constexpr int kFaces = 6;            // faces of a die, 1 to 6
inline constexpr int kNameLength = 12;     // characters of a player's name, upper-cased

// ---- Bitmaps of the program, drawn by the art generator
namespace bitmap {
enum Number : int {
  kOpenTray = 101,         // the tray with its lid folded back: the dice show
  kDiceCup = 102,          // the leather cup beside the tray
  kClosedTray = 103,       // the lid over the tray, at rest and while shaken
  kWoodTile = 104,         // the table top, tiled behind everything
  kHoldRowFelt = 105,      // the green strip of the hold row
  kTrayTiltedLeft = 106,   // the closed tray shaken one way
  kTrayTiltedRight = 107,  // and the other
  kTallCredits = 108,      // the tall credits picture beside the sheet
  kCreditsBanner = 109,    // the two small credits banners
};
inline std::string fileName(int number) { return "bitmap" + std::to_string(number); }
// The bitmaps of the first frame, kept as bare pixels: the game paints them
// without decoding anything (the build reads this list too).
inline constexpr Number kBarePixels[] = {kClosedTray, kWoodTile, kHoldRowFelt, kTallCredits,
                                         kCreditsBanner};
}  // namespace bitmap

// ---- Mouse pointers of the program, drawn by the art generator
namespace cursor {
enum Number : int {
  kHand = 101,      // over what acts when clicked
  kQuestion = 102,  // over what explains itself with a tip
};
struct HotSpot {
  int x, y;  // pixels from the top left of the 32 x 32 picture
};
// The hand's fingertip, the arrow's tip.
constexpr HotSpot hotSpot(Number n) { return n == kHand ? HotSpot{12, 1} : HotSpot{2, 4}; }
inline std::string fileName(int number) { return "cursor" + std::to_string(number); }
}  // namespace cursor

// ---- Sizes in pixels of the desktop's icons of the game, appicon-SIZE.png
inline constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

// ---- Sound effects, the files fx01.wav to fx11.wav of the data folder
namespace sound {
enum Effect : int {
  kKnock = 1,           // the tray opens after a throw; a die is held or put back
  kRattle = 2,          // every shake of the tray while the dice are thrown
  kNewRecord = 3,       // the game ends on the record or above it
  kScored = 4,          // a score above 0 is entered in a category
  kBoxTaken = 5,        // the chosen category holds a score already
  kScoredZero = 6,      // 0 is entered in a category
  kTurnPasses = 7,      // "ACCETTA": the entry is final, the turn passes on
  kGameBegins = 8,      // the last name is accepted and the first turn begins
  kFarFromRecord = 9,   // the game ends 6 or more points below the record
  kNearRecord = 10,     // the game ends less than 6 points below the record
  kWinnerFanfare = 11,  // a game for two ends and the winner is shown
};
inline constexpr int kCount = 11;
inline std::string fileName(Effect e) {
  return std::string(e < 10 ? "fx0" : "fx") + std::to_string(static_cast<int>(e)) + ".wav";
}
}  // namespace sound
