#pragma once

#include <array>
#include <optional>
#include <string>

#include "board/board.h"
#include "flow/platform.h"

// The game window: the whole game state, the board, and every handler and
// procedure of the game under its own name. The handlers are defined in the
// folder of their part of the game, one file per topic.
class GameWindow {
 public:
  // workingFolder holds the data folder "Dati".
  GameWindow(Platform& platform, std::string workingFolder);
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  Board board;

  // ---- Game and players
  int NumGiocatori = 0;
  int Giocatore = 0;
  std::array<std::string, 2> NomeGiocatore;
  double NumTurno = 0;
  std::array<std::string, 13> Tabella1, Tabella2;
  std::string Totale1, Totale2;

  // ---- The turn
  int NumTiro = 0;
  int SceltaAttiva = 0;
  int CategoriaScelta = 0;

  // ---- Dice on the tray (mat positions) and in the hold row (slots)
  std::array<bool, 19> Occupato{};
  std::array<int, 18> FacciaPos{};
  std::array<bool, 6> Tenuto{};
  std::array<int, 6> ValoreDado{};
  std::array<std::optional<int>, 6> PosDado{};

  // ---- Analysis of the five dice
  int Conta1 = 0, Conta2 = 0, Conta3 = 0, Conta4 = 0, Conta5 = 0, Conta6 = 0;
  int Punti3Tipo = 0, Punti4Tipo = 0, PuntiFull = 0;
  int PuntiScalaMinima = 0, PuntiScalaMassima = 0, PuntiPentaro = 0, SommaDadi = 0;

  // ---- Blinking
  int FaseLampTieni = 0;
  int ContaLampA = 0, FaseLampA = 0;
  int ContaLampTiro = 0, FaseLampTiro = 0;

  // ---- Data files
  int Destinazione = 0;
  int ModoRecord = 0;

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

 private:
  friend class TurnLock;

  void wireHandlers();
  void wireHoverPointers();
  bool turnInputOpen() const { return playing_ && !turnBusy_ && !closing_; }
  // Waits and tells whether the game that waited is still the current one.
  bool waitAndStillCurrent(double seconds);
  void abandonWaits();
  void play(const std::string& effect);  // e.g. "fx01.wav"
  std::string dataPath(const std::string& file) const;
  void showSecondPlayerPanel(bool shown);
  void endOfGame();
  void resetMenu();
  static std::string throwCaption(int number);  // "2° TIRO"

  Platform& platform_;
  std::string workingFolder_;
  int gameSerial_ = 0;
  bool turnBusy_ = false;
  bool playing_ = false;
  bool closing_ = false;
};
