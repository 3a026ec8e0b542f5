// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the game says before it stops for a missing or damaged file.
inline constexpr const char* kStopTitle = "PROGRAMA ARRESTATO";
inline constexpr const char* kDataMessage =
    "FILE DANNEGGIATO O DATI NON TROVATI!!!\r"
    "Lanciare il programma dalla Directory di installazione!";
inline constexpr const char* kRecordMessage =
    "FILE RECORD DANNEGGIATO O NON TROVATO!!!\r"
    "Lanciare il programma dalla Directory di installazione!\r"
    "Se non funziona, reinstallare il programma!";

// What a second copy started on the same game folder says before it ends.
inline constexpr const char* kAlreadyOpenTitle = "PENTARO";
inline constexpr const char* kAlreadyOpenMessage =
    "Il gioco \xC3\xA8 gi\xC3\xA0 aperto in questa cartella.";
