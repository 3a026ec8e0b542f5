// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <iterator>

#include "scoring/analysis.h"

// One category of the score sheet: the box PUNTI(i) and its name Label4(i).
struct Category {
  const char* caption;                 // the name beside the box
  const char* tip;                     // shown when the pointer rests on the name
  const char* note;                    // what the tip takes for granted, said in the rules
  int face;                            // the upper part counts the dice of one face; 0 below
  int (*points)(const DiceAnalysis&);  // what a hand scores there
  constexpr bool upper() const { return face > 0; }
};

namespace points {
template <int Face>
constexpr int ofFace(const DiceAnalysis& a) {
  return Face * a.count[Face];
}
constexpr int threeOfAKind(const DiceAnalysis& a) { return a.threeOfAKind; }
constexpr int fourOfAKind(const DiceAnalysis& a) { return a.fourOfAKind; }
constexpr int fullHouse(const DiceAnalysis& a) { return a.fullHouse; }
constexpr int smallStraight(const DiceAnalysis& a) { return a.smallStraight; }
constexpr int largeStraight(const DiceAnalysis& a) { return a.largeStraight; }
constexpr int fiveOfAKind(const DiceAnalysis& a) { return a.fiveOfAKind; }
constexpr int chance(const DiceAnalysis& a) { return a.sum; }
}  // namespace points

// The sheet top to bottom. Scoring, the advisor, the rules window, the keys
// and the board's names all read it; the layout places a row for each.
// The upper part comes first.
inline constexpr Category kCategoryTable[] = {
    {"ASSI", "Somma solo gli Assi.", "", 1, points::ofFace<1>},
    {"DUE", "Somma solo i Due.", "", 2, points::ofFace<2>},
    {"TRE", "Somma solo i Tre.", "", 3, points::ofFace<3>},
    {"QUATTRO", "Somma solo i Quattro.", "", 4, points::ofFace<4>},
    {"CINQUE", "Somma solo i Cinque.", "", 5, points::ofFace<5>},
    {"SEI", "Somma solo i Sei.", "", 6, points::ofFace<6>},
    {"\"3 di un tipo\"", "Somma tutti i dadi", " (con almeno tre dadi uguali)", 0,
     points::threeOfAKind},
    {"\"4 di un tipo\"", "Somma tutti i dadi", " (con almeno quattro dadi uguali)", 0,
     points::fourOfAKind},
    {"Full", "Vale 25 punti",
     " (tre dadi uguali e due uguali tra loro; cinque uguali non sono un Full)", 0,
     points::fullHouse},
    {"Scala Minima", "Sequenza di 4. Vale 30 punti.", "", 0, points::smallStraight},
    {"Scala Massima", "Sequenza di 5. Vale 40 punti.", "", 0, points::largeStraight},
    {"Pentaro", "5 di un tipo. Vale 50 punti", "", 0, points::fiveOfAKind},
    {"Chance", "Segna il totale dei 5 dadi.", "", 0, points::chance},
};

inline constexpr int kCategories = static_cast<int>(std::size(kCategoryTable));
inline constexpr int kUpperCategories =
    static_cast<int>(std::count_if(std::begin(kCategoryTable), std::end(kCategoryTable),
                                   [](const Category& c) { return c.upper(); }));

// The upper bonus: kBonusPoints once the upper total reaches kBonusThreshold.
inline constexpr int kBonusThreshold = 63;
inline constexpr int kBonusPoints = 35;
constexpr long upperBonus(long upper) { return upper >= kBonusThreshold ? kBonusPoints : 0; }

// What a hand scores in box `index`.
inline int categoryValue(const DiceAnalysis& a, int index) {
  return kCategoryTable[index].points(a);
}
