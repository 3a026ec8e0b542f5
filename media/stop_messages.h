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
