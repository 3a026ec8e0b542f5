// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QtGlobal>
#include <array>

// Every key of the game in one list, in the order the rules window shows
// it. The menus' shortcuts and the keyboard's one-key moves are taken from
// here, and a test holds the README's table of keys to it.
struct KeyRow {
  const char* keys;  // as the player reads them (rules window, README)
  const char* what;  // Italian, translated where it shows
  // The single keys that act, when not a range (Qt::Key_unknown: none).
  std::array<QKeyCombination, 2> codes = {};
};

enum KeyName {
  kStartKey, kPlayersKeys, kAbandonKey, kThrowKey, kTrayKeys, kHeldKeys, kHoldKey, kStopKey,
  kBoxKeys, kEnterKey, kAcceptKey, kAdviceKey, kRulesKey, kHistoryKeys, kMenuKeys, kKeyNames
};

inline const KeyRow kKeyRows[kKeyNames] = {
    {"Ctrl+N", QT_TRANSLATE_NOOP("RulesWindow", "Inizia"), {Qt::CTRL | Qt::Key_N}},
    {"Ctrl+1 / Ctrl+2", QT_TRANSLATE_NOOP("RulesWindow", "1 Giocatore / 2 Giocatori"),
     {Qt::CTRL | Qt::Key_1, Qt::CTRL | Qt::Key_2}},
    {"Ctrl+I", QT_TRANSLATE_NOOP("RulesWindow", "Interrompi"), {Qt::CTRL | Qt::Key_I}},
    {QT_TRANSLATE_NOOP("RulesWindow", "Spazio"),
     QT_TRANSLATE_NOOP("RulesWindow", "il tiro (1&deg; TIRO, 2&deg; TIRO, 3&deg; TIRO)"),
     {QKeyCombination(Qt::Key_Space)}},
    {"1 &ndash; 5",
     QT_TRANSLATE_NOOP(
         "RulesWindow",
         "scelgono o lasciano i dadi nel vassoio, dall'alto in basso e da sinistra a destra")},
    {"6 7 8 9 0",
     QT_TRANSLATE_NOOP("RulesWindow", "scelgono o lasciano i dadi tenuti, dal primo al quinto")},
    {"T", QT_TRANSLATE_NOOP("RulesWindow", "TIENI / SCARTA"), {QKeyCombination(Qt::Key_T)}},
    {"F", QT_TRANSLATE_NOOP("RulesWindow", "FERMATI"), {QKeyCombination(Qt::Key_F)}},
    {"&uarr; &darr;", QT_TRANSLATE_NOOP("RulesWindow", "scorrono le caselle libere del foglio")},
    {QT_TRANSLATE_NOOP("RulesWindow", "Invio"),
     QT_TRANSLATE_NOOP("RulesWindow", "segna i dadi nella casella evidenziata")},
    {"A", QT_TRANSLATE_NOOP("RulesWindow", "ACCETTA"), {QKeyCombination(Qt::Key_A)}},
    {"H", QT_TRANSLATE_NOOP("RulesWindow", "Consiglio"), {QKeyCombination(Qt::Key_H)}},
    {"F1", QT_TRANSLATE_NOOP("RulesWindow", "queste regole"), {QKeyCombination(Qt::Key_F1)}},
    {"F2 / F3", QT_TRANSLATE_NOOP("RulesWindow", "Statistiche / Analisi della partita"),
     {QKeyCombination(Qt::Key_F2), QKeyCombination(Qt::Key_F3)}},
    {QT_TRANSLATE_NOOP("RulesWindow", "Alt+G / Alt+A"),
     QT_TRANSLATE_NOOP("RulesWindow", "aprono i menu Game e Aiuto")},
};

// The shortcut of a menu item: the row's first key, or its second.
inline QKeySequence shortcutOf(KeyName row, int which = 0) {
  return QKeySequence(kKeyRows[row].codes[which]);
}
