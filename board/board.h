// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <deque>
#include <vector>

#include "board/assets.h"
#include "board/elements.h"

// The game window's elements under their own names, their overlap order and
// the window-wide pointer. The shell draws this and sends events to it.
//
// What the names stand for:
//   tira        the throw: "1° TIRO", "2° TIRO", "3° TIRO"; TiroF its frame
//   dado(i)     the die on mat position i of the tray; filtro(i) its selection mark
//   tieni(k)    the die in hold slot k; filtroT(k) its selection mark
//   Label2      "TIENI" / "SCARTA", hold or put back what is selected; tieniF its frame
//   Label29     "FERMATI", stop throwing; tieniF29 its frame
//   PUNTI(i)    the score box of category i; Label4(i) its name, then the sheet's titles
//   OK          "ACCETTA", the entry is final; OKM its frame
//   TPS(0), TPS(1), TPI, PREMIO, TOTALE   the upper total (twice), the lower
//               total, the upper bonus and the grand total
//   Text1, Label1, nome1, nome2   the name being typed, its "OK", its band and title
//   PLAYER, nom2, nom2P   the name on turn; the other player's name and total
//   Image1      the tray; Image2 the cup (double-click: the lid stays on), Image3 the lid
//   List1       the hand's faces, sorted: full once the hand is analysed
//   Timer1      blinks Label2; Timer2 the turn timer
//   Play1, Play2, Gioca, basta   the menu: 1 Giocatore, 2 Giocatori, Inizia, Interrompi
class Board {
 public:
  static constexpr int kTwipsPerPixel = 15;
  static constexpr int kClientWidth = 9720;
  static constexpr int kClientHeight = 8490;
  // The whole pixels a place in twips touches, as the window draws it.
  static Rect toPixels(const Rect& twips) {
    constexpr int k = kTwipsPerPixel;
    auto down = [](int v) { return v >= 0 ? v / k : -((k - 1 - v) / k); };  // rounds towards -infinity
    auto up = [&down](int v) { return -down(-v); };
    const int left = down(twips.left), top = down(twips.top);
    return {left, top, up(twips.right()) - left, up(twips.bottom()) - top};
  }

  // Label4 names the categories, then these titles of the sheet, in order:
  // "PREMIO", "TOTALE PARTE SUPERIORE", "TOTALE PARTE INFERIORE",
  // "TOTALE PARTE SUPERIORE" (the foot of the sheet), "TOTALE GENERALE".
  static constexpr int kSheetTitles = 5;
  static constexpr int kPremioTitle = kCategories;

  Board();
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  // Top-level elements, the top of the overlap order first.
  const std::vector<Element*>& order() const { return order_; }

  // The label or picture that takes the mouse at a point (window twips), if
  // any: shapes never do, and the score card takes it for its children.
  Element* elementAt(int x, int y) const;
  // A click in the middle of the element would land on it: it shows and
  // nothing lies over it there.
  bool reachable(const Element& element) const;

  // Rectangles (window twips) changed since the last call.
  std::vector<Rect> takeDirty();
  void markDirty(const Rect& windowRect);

  const MousePointer& pointer() const { return pointer_; }
  // The hand over what acts when clicked.
  void showHandPointer() {
    setMouseIcon(cursor::kHand);
    setMousePointerCustom();
  }
  // The question arrow over what explains itself with a tip.
  void showQuestionPointer() {
    setMouseIcon(cursor::kQuestion);
    setMousePointerCustom();
  }
  void setMousePointerCustom() { pointer_.custom = true; }
  void setMousePointerStandard() { pointer_.custom = false; }
  void setMouseIcon(int cursorResource) { pointer_.icon = cursorResource; }

  // The name entry.
  TextField Text1;
  Label nome2, Label1;
  Shape nome1;

  // The second player's panel.
  Label nom2P, nom2;
  Shape Nom2_2, nom2_1;

  // Winner banner and end of game.
  Label win1, win2, GameOver2;
  Shape win3, GameOver1;

  // Record panel.
  Label PuntiRecord, NomeRecord, Label5;

  // Prompts and their blinking frames.
  Label OK, Label29, Label2, tira;
  Shape OKM, tieniF29, tieniF, TiroF;

  Label PLAYER;

  // Dice: the tray, the hold row, their selection marks.
  std::array<PictureBox, kTrayPlaces> dado;
  std::array<Shape, kTrayPlaces> filtro;
  std::array<PictureBox, kDice> tieni;
  std::array<Shape, kDice> filtroT;

  PictureBox Image1, Image2, Image3, Image5, tappeto, iom;
  std::array<PictureBox, 2> io2;
  std::array<PictureBox, 6> sfondo;

  // The score card and what lies on it.
  Panel Frame1;
  std::array<Label, kCategories> PUNTI;
  std::array<Label, 2> TPS;
  Label TPI, TOTALE, PREMIO;
  std::array<Label, kCategories + kSheetTitles> Label4;
  std::array<Label, 2> Label3, Label9;
  std::array<PictureBox, 6> mini;

  // Not drawn.
  SortedList List1;
  Timer Timer1, Timer2;
  MenuItem Play1, Play2, Gioca, basta;

 private:
  void layOut();
  void add(Element& e, std::string name, Rect place, bool visible, Panel* panel = nullptr);
  Shape& decoration(std::string name, Rect place, std::optional<Color> fill,
                    Panel* panel = nullptr);

  std::vector<Element*> order_;
  std::deque<Shape> decorations_;  // bands, lines and frames no handler touches
  std::deque<PictureBox> blankPictures_;
  std::vector<Rect> dirty_;
  MousePointer pointer_;
};
