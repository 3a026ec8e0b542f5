// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the game itself holds, named here for the translator (lupdate
// reads this file): the game keeps them in Italian, and they are translated
// only as they are shown. A text the game gains goes here too; the tests
// walk the board and fail on any text shown without a translation.

#include <QtGlobal>

namespace {

[[maybe_unused]] const char* const kGameTexts[] = {
    // The score sheet: names of the boxes, their tips, titles and totals.
    QT_TRANSLATE_NOOP("Game", "ASSI"),
    QT_TRANSLATE_NOOP("Game", "DUE"),
    QT_TRANSLATE_NOOP("Game", "TRE"),
    QT_TRANSLATE_NOOP("Game", "QUATTRO"),
    QT_TRANSLATE_NOOP("Game", "CINQUE"),
    QT_TRANSLATE_NOOP("Game", "SEI"),
    QT_TRANSLATE_NOOP("Game", "\"3 di un tipo\""),
    QT_TRANSLATE_NOOP("Game", "\"4 di un tipo\""),
    QT_TRANSLATE_NOOP("Game", "Full"),
    QT_TRANSLATE_NOOP("Game", "Scala Minima"),
    QT_TRANSLATE_NOOP("Game", "Scala Massima"),
    QT_TRANSLATE_NOOP("Game", "Pentaro"),
    QT_TRANSLATE_NOOP("Game", "Chance"),
    QT_TRANSLATE_NOOP("Game", "PREMIO"),
    QT_TRANSLATE_NOOP("Game", "TOTALE PARTE SUPERIORE"),
    QT_TRANSLATE_NOOP("Game", "TOTALE PARTE INFERIORE"),
    QT_TRANSLATE_NOOP("Game", "TOTALE GENERALE"),
    QT_TRANSLATE_NOOP("Game", "PARTE SUPERIORE"),
    QT_TRANSLATE_NOOP("Game", "PARTE INFERIORE"),
    QT_TRANSLATE_NOOP("Game", "Punti"),
    QT_TRANSLATE_NOOP("Game", "Somma solo gli Assi."),
    QT_TRANSLATE_NOOP("Game", "Somma solo i Due."),
    QT_TRANSLATE_NOOP("Game", "Somma solo i Tre."),
    QT_TRANSLATE_NOOP("Game", "Somma solo i Quattro."),
    QT_TRANSLATE_NOOP("Game", "Somma solo i Cinque."),
    QT_TRANSLATE_NOOP("Game", "Somma solo i Sei."),
    QT_TRANSLATE_NOOP("Game", "Somma tutti i dadi"),
    QT_TRANSLATE_NOOP("Game", "Vale 25 punti"),
    QT_TRANSLATE_NOOP("Game", "Sequenza di 4. Vale 30 punti."),
    QT_TRANSLATE_NOOP("Game", "Sequenza di 5. Vale 40 punti."),
    QT_TRANSLATE_NOOP("Game", "5 di un tipo. Vale 50 punti"),
    QT_TRANSLATE_NOOP("Game", "Segna il totale dei 5 dadi."),
    QT_TRANSLATE_NOOP("Game", "Se il totale raggiunge o supera 63. Vale 35 punti."),
    // The turn: the prompts and the throw, whose number has a pattern too.
    QT_TRANSLATE_NOOP("Game", "TIRO"),
    QT_TRANSLATE_NOOP("Game", "1° TIRO"),
    QT_TRANSLATE_NOOP("Game", "2° TIRO"),
    QT_TRANSLATE_NOOP("Game", "3° TIRO"),
    QT_TRANSLATE_NOOP("Game", "%1° TIRO"),
    QT_TRANSLATE_NOOP("Game", "TIENI"),
    QT_TRANSLATE_NOOP("Game", "SCARTA"),
    QT_TRANSLATE_NOOP("Game", "FERMATI"),
    QT_TRANSLATE_NOOP("Game", "ACCETTA"),
    // Names, the end of a game, the record.
    QT_TRANSLATE_NOOP("Game", "Nome Giocatore"),
    QT_TRANSLATE_NOOP("Game", "Nome Giocatore %1"),
    QT_TRANSLATE_NOOP("Game", "OK"),
    QT_TRANSLATE_NOOP("Game", "Il Vincitore è..."),
    QT_TRANSLATE_NOOP("Game", "PARITA'"),
    QT_TRANSLATE_NOOP("Game", "GAME OVER"),
    QT_TRANSLATE_NOOP("Game", "RECORD"),
    // The game menu.
    QT_TRANSLATE_NOOP("Game", "1 Giocatore"),
    QT_TRANSLATE_NOOP("Game", "2 Giocatori"),
    QT_TRANSLATE_NOOP("Game", "Inizia"),
    QT_TRANSLATE_NOOP("Game", "Interrompi"),
    // What the game says before it stops (its line breaks shown as \n).
    QT_TRANSLATE_NOOP("Game", "PROGRAMA ARRESTATO"),
    QT_TRANSLATE_NOOP("Game",
                      "FILE DANNEGGIATO O DATI NON TROVATI!!!\n"
                      "Lanciare il programma dalla Directory di installazione!"),
    QT_TRANSLATE_NOOP("Game",
                      "FILE RECORD DANNEGGIATO O NON TROVATO!!!\n"
                      "Lanciare il programma dalla Directory di installazione!\n"
                      "Se non funziona, reinstallare il programma!"),
    QT_TRANSLATE_NOOP("Game", "Il gioco è già aperto in questa cartella."),
};

}  // namespace
