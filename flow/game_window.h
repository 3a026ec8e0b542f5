// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "board/assets.h"
#include "board/board.h"
#include "flow/platform.h"
#include "flow/turn_log.h"

// Values of GameWindow::Giocatore, the phase of the player on turn.
namespace giocatore {
enum : int {
  kAloneOrFirstName = 0,  // a game for one; in a game for two, the first name being typed
  kFirstOfTwo = 1,        // player 1 on turn (or the second name being typed)
  kSecondOfTwo = 2,       // player 2 on turn
};
}  // namespace giocatore

// Values of GameWindow::Destinazione: where Decrypt shows the picture.
namespace destinazione {
enum : int {
  kTray = 0,        // the die dado(pos) on the tray
  kHoldRow = 1,     // the held die tieni(pos)
  kMiniature = 99,  // the die face mini(pos) of the score sheet
};
}  // namespace destinazione

// Values of GameWindow::ModoRecord: what the next RECORDFile does.
namespace modoRecord {
enum : int {
  kRead = 0,   // read the stored record and show it
  kStore = 1,  // store the record the panel shows
};
}  // namespace modoRecord

// GameWindow::NumTurno counts whole turns of a game for one and half turns
// of a game for two; the last entry is made at these counts.
namespace numTurno {
inline constexpr double kStepAlone = 1;
inline constexpr double kStepOfTwo = 0.5;
inline constexpr double kLastAlone = 12;
inline constexpr double kLastOfTwo = 12.5;
}  // namespace numTurno

// The turn timer blinks the throw frame every kBlinkTiro + 1 ticks and the
// stop or accept frame every kBlinkA + 1: a counter that passes its limit
// flips the phase and starts again from 0.
inline constexpr int kBlinkTiro = 50;
inline constexpr int kBlinkA = 25;

// The game window: the whole game state, the board, and every handler and
// procedure of the game under its own name. The handlers are defined in the
// folder of their part of the game, one file per topic.
class GameWindow {
 public:
  // workingFolder holds the data folder "Dati".
  GameWindow(Platform& platform, std::string workingFolder);
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  // Every element of the window; the score sheet on turn is its PUNTI captions.
  Board board;

  // ---- Game and players: set by the menu and the hand-over, never by Form_Load
  // 1 or 2 players (0 before the first game): the menu, "Interrompi" (1).
  int NumGiocatori = 0;
  // A giocatore:: value: "Inizia" and "Interrompi" (0), names, hand-over.
  int Giocatore = giocatore::kAloneOrFirstName;
  // Player 1's and player 2's names, upper case, up to 12 characters: names.
  std::array<std::string, 2> NomeGiocatore;
  // 0 to numTurno::kLastAlone / kLastOfTwo in numTurno:: steps: "Inizia" (0), hand-over.
  double NumTurno = 0;
  // Player 1's / player 2's box captions while the other's sheet is shown: hand-over.
  std::array<std::string, kCategories> Tabella1, Tabella2;
  // Player 1's / player 2's (or the lone player's) grand total as text: score entry.
  std::string Totale1, Totale2;
  // The computer plays seat 1 / seat 2 of a game for two: the shell, as a
  // game begins. Its score never becomes the record.
  std::array<bool, 2> ComputerSeat{};

  // ---- The turn: Form_Load resets it
  // The next throw, 1 to 4; 5 once the player stopped early: Form_Load, throw, "FERMATI".
  int NumTiro = 0;
  // 0 while throwing, 1 once a category may be chosen: Form_Load, end of throwing.
  int SceltaAttiva = 0;
  // 1 + the box entered for now this turn, 0 = none (0 to 13): score entry, hand-over.
  int CategoriaScelta = 0;

  // ---- Dice on the tray (mat positions) and in the hold row (slots)
  // A die lies on mat position i: throw, hold and discard, "Inizia", "Interrompi".
  std::array<bool, kTrayPlaces> Occupato{};
  // Face (1 to 6) of the die on mat position i: throw.
  std::array<int, kTrayPlaces> FacciaPos{};
  // Hold slot k is taken: hold and discard, end of throwing (cleared after), "Inizia".
  std::array<bool, kDice> Tenuto{};
  // Face (1 to 6) of the die in hold slot k, the hand scored: hold, end of throwing.
  std::array<int, kDice> ValoreDado{};
  // Mat position (0 to 17) the die of slot k came from, empty = none: hold, hand-over.
  std::array<std::optional<int>, kDice> PosDado{};

  // ---- Analysis of the five dice: controlla sets them, Form_Load zeroes them
  // How many dice show 1 .. 6 (0 to 5).
  int Conta1 = 0, Conta2 = 0, Conta3 = 0, Conta4 = 0, Conta5 = 0, Conta6 = 0;
  // "3 di un tipo", "4 di un tipo" (sum or 0), "Full" (25 or 0).
  int Punti3Tipo = 0, Punti4Tipo = 0, PuntiFull = 0;
  // "Scala Minima" (30 or 0), "Scala Massima" (40 or 0), "Pentaro" (50 or 0), "Chance" (5 to 30).
  int PuntiScalaMinima = 0, PuntiScalaMassima = 0, PuntiPentaro = 0, SommaDadi = 0;

  // ---- Blinking: kept by the timers, never reset
  // Colour (0 white, 1 red) the hold/discard frame tieniF takes next: Timer1.
  int FaseLampTieni = 0;
  // Ticks (0 to kBlinkA) and colour (0 or 1) of tieniF29 / OKM: Timer2.
  int ContaLampA = 0, FaseLampA = 0;
  // Ticks (0 to kBlinkTiro) and colour (0 or 1) of the throw frame TiroF: Timer2.
  int ContaLampTiro = 0, FaseLampTiro = 0;

  // ---- Data files: set just before the call that reads them
  // A destinazione:: value for Decrypt: Form_Load, throw, hold, end of throwing.
  int Destinazione = destinazione::kTray;
  // A modoRecord:: value for RECORDFile: Form_Load (kRead), end of game (kStore).
  int ModoRecord = modoRecord::kRead;

  // ---- Start-up and the next turn
  void Form_Load();

  // ---- Menu
  void Play1_Click();
  void Play2_Click();
  void Gioca_Click();
  void basta_Click();

  // ---- Waits
  void Pausa(double Tempo);
  void Attesa(double sec);

  // ---- Throwing, holding, the end of throwing, prompts
  void tira_Click();
  void tira_MouseMove();
  void dado_Click(int Index);
  void dado_MouseMove(int Index);
  void tieni_Click(int Index);
  void tieni_MouseMove(int Index);
  void Label2_Click();
  void Label29_Click();
  void finisci();
  void Timer2_Timer();
  void Timer1_Timer();
  // After a tick of the turn timer, how many more ticks would change nothing
  // but its counters if no other event came: the window may let them pass
  // in one go instead of waking up for each.
  int quietTurnTicks() const;

  // ---- Scoring
  void controlla();
  // What the hand controlla analysed scores in a box.
  int handPoints(int box) const;
  void PUNTI_Click(int Index);
  void Scelta(int Index);
  void SommaTotali();
  void OK_Click();
  void Command1_Click();
  void PUNTI_MouseMove(int Index);
  void TPS_MouseMove(int Index);
  void TOTALE_Click();

  // ---- Names, record, pictures, sound
  void InsNome();
  void Label1_Click();
  // The field's key press; setting KeyAscii to 0 discards the character.
  void Text1_KeyPress(int& KeyAscii);
  void RECORDFile();
  void Decrypt(int pos, const std::string& file);

  // ---- Small handlers of the board
  void Image2_DblClick();
  void Image2_MouseMove();
  void Image3_MouseMove();

  // The window is closing: every waiting procedure gives up.
  void Close();
  bool closing() const { return closing_; }

  // True while a throw or the end of throwing is running: turn input waits.
  bool turnBusy() const { return turnBusy_; }
  // True from the last accepted name until the game ends or is abandoned.
  bool playing() const { return playing_; }
  // The turn's clicks may act: a game is on, no throw is running, the window stays.
  bool turnInputOpen() const { return playing_ && !turnBusy_ && !closing_; }
  // The name being typed is not blank: its OK would take it.
  bool nameReady() const;

  // Who is told of every throw and entry; none by default. Not owned.
  void setTurnLog(TurnLog* log) { turnLog_ = log; }

 private:
  friend class TurnLock;

  void wireHandlers();
  void wireHoverPointers();
  // Waits and tells whether the game that waited is still the current one.
  bool waitAndStillCurrent(double seconds);
  void abandonWaits();
  void play(sound::Effect effect);
  std::string typedName() const;  // the field's text held to the name rule
  // Moves the die of a mat position into the first free hold slot and shows
  // it there, with a knock if asked; the slot, or nothing when the row is full.
  std::optional<int> holdInFirstFreeSlot(int matPosition, bool knock);
  std::string dataPath(const std::string& file) const;
  void showSecondPlayerPanel(bool shown);
  void endOfGame();
  void resetMenu();
  // The player on turn for the turn log: 0 first or only, 1 second.
  int seatOnTurn() const { return Giocatore == giocatore::kSecondOfTwo ? 1 : 0; }
  void logThrow();
  void logAcceptedEntry();
  void logAbandon();
  static std::string throwCaption(int number);  // "2° TIRO"

  Platform& platform_;
  // The folder the game started from, which holds "Dati"; fixed for the run.
  std::string workingFolder_;
  // Counts games begun or abandoned (from 0 up): a wait that sees it change
  // gives up. "Inizia", "Interrompi", the end of the window.
  int gameSerial_ = 0;
  // A throw or the end of throwing is running: TurnLock while they run.
  bool turnBusy_ = false;
  // A game is on, from the last name accepted to the end or an abandon.
  bool playing_ = false;
  // The window is closing: set once by Close, never cleared.
  bool closing_ = false;
  TurnLog* turnLog_ = nullptr;
};

// The data file of a die standing upright with `face` (1 to 6) on top, as
// the scorecard and the hold row show it.
std::string uprightDieFile(int face);
