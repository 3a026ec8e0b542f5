// SPDX-License-Identifier: GPL-3.0-or-later
// Where every element of the game window lies and how it looks, from the top
// of the overlap order to the bottom.

#include "board/board.h"

namespace {

constexpr Color kLightGrey{224, 224, 224};
constexpr Color kMaroon{128, 0, 0};
constexpr Color kLightGreen{192, 255, 192};
constexpr Color kLightCyan{192, 255, 255};
constexpr Color kMint{128, 255, 128};

std::string indexed(const char* name, int i) {
  return std::string(name) + "(" + std::to_string(i) + ")";
}

void looks(Label& l, double points, bool bold, Color fore, std::string caption = {},
           Label::Align align = Label::Align::Center) {
  l.font = {points, bold};
  l.fore = fore;
  l.align = align;
  l.setCaption(std::move(caption));
}

// Mat position i of the tray: four rows of 4, 5, 5 and 4 places.
Rect matPlace(int i) {
  if (i < 4) return {1080 + 720 * i, 840, 735, 735};
  if (i < 9) return {720 + 720 * (i - 4), 1560, 735, 735};
  if (i < 14) return {720 + 720 * (i - 9), 2280, 735, 735};
  return {1200 + 720 * (i - 14), 3000, 735, 735};
}

// A purple mark the die still shows through, so the player sees what is chosen.
void selectionMark(Shape& s) {
  s.initFill(colors::purple);
  s.alpha = 120;
  s.border = colors::purple;
  s.borderWidth = 2;
  s.cornerRadius = 8;
}

}  // namespace

Board::Board() { layOut(); }

void Board::add(Element& e, std::string name, Rect place, bool visible, Panel* panel) {
  e.board_ = this;
  e.parent_ = panel;
  e.name_ = std::move(name);
  e.place_ = place;
  e.visible_ = visible;
  (panel ? panel->children : order_).push_back(&e);
}

Shape& Board::decoration(std::string name, Rect place, std::optional<Color> fill, Panel* panel) {
  Shape& s = decorations_.emplace_back();
  add(s, std::move(name), place, true, panel);
  s.initFill(fill);
  return s;
}

void Board::layOut() {
  add(Text1, "Text1", {600, 5880, 3855, 495}, false);
  Text1.font = {24, true};
  Text1.fore = colors::white;
  Text1.back = colors::navy;
  Text1.maxLength = kNameLength;

  add(Frame1, "Frame1", {5400, 1920, 2655, 6615}, true);
  Frame1.back = kLightGrey;

  add(nom2P, "nom2P", {8400, 240, 1335, 495}, false);
  looks(nom2P, 24, true, {192, 192, 255});
  add(nom2, "nom2", {8410, 30, 1335, 255}, false);
  looks(nom2, 8.25, false, colors::white);
  add(Nom2_2, "Nom2_2", {8400, 0, 1335, 255}, false);
  Nom2_2.initFill(colors::blue);
  add(nom2_1, "nom2_1", {8400, 0, 1335, 735}, false);
  nom2_1.initFill(Color{128, 128, 255});

  add(win2, "win2", {720, 5040, 3855, 495}, false);
  looks(win2, 24, true, colors::yellow);
  add(win1, "win1", {840, 4440, 3255, 495}, false);
  looks(win1, 18, false, colors::white, "Il Vincitore \xC3\xA8...");
  add(win3, "win3", {600, 4440, 3975, 1215}, false);
  win3.initFill(colors::grey);

  add(io2[0], "io2(0)", {8040, 4200, 1695, 495}, true);
  add(io2[1], "io2(1)", {8040, 8040, 1695, 495}, true);
  io2[0].stretch = io2[1].stretch = true;
  add(Image5, "Image5", {0, 0, 1695, 855}, true);
  add(iom, "iom", {7680, 4320, 1695, 3735}, true);

  add(Label1, "Label1", {1560, 6480, 1815, 495}, false);
  looks(Label1, 24, true, colors::yellow, "OK");
  add(nome2, "nome2", {600, 5400, 3855, 375}, false);
  looks(nome2, 13.5, true, colors::white, "Nome Giocatore");
  add(nome1, "nome1", {480, 5160, 4095, 2055}, false);
  nome1.initFill(Color{0, 0, 192});
  nome1.border = colors::yellow;
  nome1.borderWidth = 3;

  add(GameOver2, "GameOver2", {360, 1560, 4815, 1695}, false);
  looks(GameOver2, 24, true, colors::white, "GAME OVER");
  add(GameOver1, "GameOver1", {0, 0, 5055, 8535}, false);
  GameOver1.initFill(colors::red);

  add(PuntiRecord, "PuntiRecord", {8040, 3460, 1695, 495}, true);
  looks(PuntiRecord, 24, true, {0, 192, 192});
  decoration("Shape17", {8040, 3480, 1695, 495}, Color{192, 0, 192});
  add(NomeRecord, "NomeRecord", {8040, 3120, 1695, 255}, true);
  looks(NomeRecord, 9.75, true, colors::white);
  add(Label5, "Label5", {8280, 2640, 1335, 375}, true);
  looks(Label5, 13.5, true, kMaroon, "RECORD");
  decoration("Shape15", {8040, 2640, 1695, 375}, Color{255, 128, 128});
  decoration("Shape13", {8040, 2640, 1695, 1575}, Color{255, 192, 192});

  // Each prompt's blinking frame lies behind its caption, so the caption
  // reads on every colour of the blink.
  add(OK, "OK", {8280, 2100, 1335, 375}, false);
  looks(OK, 12, true, colors::white, "ACCETTA");
  add(OKM, "OKM", {8280, 2100, 1335, 375}, false);
  OKM.initFill(Color{255, 255, 192});
  // "FERMATI" reaches one column into the first hold slot: the held die lies
  // over it there, so a click on the die's edge takes the die.
  for (int k = 0; k < 5; ++k) {
    add(filtroT[k], indexed("filtroT", k), {6000 + 600 * k, 960, 735, 735}, false);
    selectionMark(filtroT[k]);
  }
  for (int k = 0; k < 5; ++k)
    add(tieni[k], indexed("tieni", k), {6000 + 600 * k, 960, 735, 735}, true);
  add(Label29, "Label29", {4440, 1320, 1575, 375}, false);
  looks(Label29, 12, true, colors::white, "FERMATI");
  add(tieniF29, "tieniF29", {4500, 1305, 1335, 375}, false);
  tieniF29.initFill(colors::yellow);

  add(PLAYER, "PLAYER", {5520, 120, 4575, 615}, true);
  looks(PLAYER, 18, true, colors::white, "PLAYER1", Label::Align::Left);
  decoration("Shape5", {5400, 0, 4335, 735}, colors::navy);
  add(Label2, "Label2", {4560, 840, 1335, 375}, true);
  looks(Label2, 12, true, colors::white, "TIENI");
  add(tieniF, "tieniF", {4515, 795, 1335, 375}, true);
  tieniF.initFill(colors::red);

  add(tappeto, "tappeto", {5880, 840, 3135, 735}, true);
  decoration("Shape4", {5400, 720, 5655, 1215}, colors::green);

  add(tira, "tira", {1680, 6480, 1575, 495}, false);
  looks(tira, 13.5, true, colors::black, "TIRO");
  add(TiroF, "TiroF", {1800, 6480, 1335, 375}, false);
  TiroF.initFill(Color{0, 255, 255});
  decoration("Shape2", {5400, 0, 4455, 735}, kMint);

  for (int i = 0; i < 18; ++i) {
    add(filtro[i], indexed("filtro", i), matPlace(i), false);
    selectionMark(filtro[i]);
  }
  for (int i = 0; i < 18; ++i) add(dado[i], indexed("dado", i), matPlace(i), true);

  add(Image3, "Image3", {300, 0, 4455, 3975}, true);
  decoration("Shape3", {5040, 0, 375, 8535}, colors::blue);
  decoration("Shape1", {8040, 1920, 2055, 735}, colors::blue);
  add(Image2, "Image2", {0, 4460, 3975, 4095}, true);
  add(Image1, "Image1", {300, 0, 4455, 3975}, true);

  const Rect tiles[6] = {{0, 4320, 4215, 4575},    {0, 0, 4215, 4335},
                         {4200, -240, 4215, 4575}, {4200, 4320, 4215, 4575},
                         {8400, -240, 4215, 4575}, {8400, 4320, 4215, 4575}};
  for (int k = 0; k < 6; ++k) {
    add(sfondo[k], indexed("sfondo", k), tiles[k], true);
    sfondo[k].stretch = true;
  }

  // The score card, relative to its panel.
  Panel* card = &Frame1;
  add(blankPictures_.emplace_back(), "Image4", {2640, 2400, 15, 615}, true, card);
  decoration("Shape16", {2640, 1320, 15, 735}, std::nullopt, card);
  decoration("Shape14", {2640, 720, 15, 375}, kMaroon, card);

  add(TOTALE, "TOTALE", {1920, 6000, 735, 615}, true, card);
  looks(TOTALE, 18, true, colors::black);
  add(TPS[1], "TPS(1)", {1890, 5325, 735, 495}, true, card);
  add(TPI, "TPI", {1890, 4860, 735, 495}, true, card);
  add(TPS[0], "TPS(0)", {1890, 2250, 735, 495}, true, card);
  for (Label* l : {&TPS[1], &TPI, &TPS[0]}) looks(*l, 13.5, false, colors::black);
  add(PREMIO, "PREMIO", {1920, 1890, 735, 375}, true, card);
  looks(PREMIO, 8.25, true, colors::black);

  // The rows of the categories, top to bottom: the box, and the name beside it.
  struct Row {
    int boxTop, nameTop, nameHeight;
  };
  const Row rows[kCategories] = {
      {390, 390, 255},   {600, 630, 255},   {870, 870, 255},   {1110, 1110, 255}, {1350, 1350, 255},
      {1590, 1590, 255}, {3150, 3150, 255}, {3390, 3390, 165}, {3630, 3630, 165}, {3870, 3870, 165},
      {4110, 4110, 165}, {4350, 4350, 165}, {4590, 4590, 165}};
  for (int k = 0; k < kCategories; ++k) {
    add(PUNTI[k], indexed("PUNTI", k), {1920, rows[k].boxTop, 735, 255}, true, card);
    looks(PUNTI[k], 8.25, true, colors::black);
  }

  const Rect grid[19] = {
      {0, 360, 2655, 255},  {0, 600, 2655, 255},  {0, 840, 2655, 255},    {0, 1080, 2655, 255},
      {0, 1320, 2655, 255}, {0, 1800, 1935, 375}, {0, 2160, 1935, 495},   {0, 3120, 1935, 255},
      {0, 3360, 2655, 255}, {0, 3600, 2655, 255}, {0, 3840, 2655, 255},   {0, 4080, 2655, 255},
      {0, 4800, 1935, 495}, {0, 5280, 1935, 495}, {0, 4560, 2655, 255},   {0, 5760, 1935, 855},
      {0, 1560, 2655, 255}, {0, 3120, 2655, 255}, {-120, 4320, 2775, 255}};
  for (int k = 0; k < 19; ++k) decoration(indexed("Shape8", k), grid[k], std::nullopt, card);

  add(Label9[0], "Label9(0)", {1920, 90, 735, 255}, true, card);
  add(Label9[1], "Label9(1)", {1920, 2835, 735, 255}, true, card);
  for (Label& l : Label9) looks(l, 8.25, false, colors::black, "Punti");

  decoration("Shape12(0)", {1920, 0, 735, 2655}, std::nullopt, card);
  decoration("Shape12(5)", {1920, 2760, 735, 3855}, std::nullopt, card);

  // The names of the categories, then of the bonus and the totals, each with its tip.
  for (int k = 0; k < kCategories; ++k) {
    add(Label4[k], indexed("Label4", k), {120, rows[k].nameTop, 1695, rows[k].nameHeight}, true,
        card);
    looks(Label4[k], 8.25, false, colors::black, kCategoryTable[k].caption, Label::Align::Left);
    Label4[k].tip = kCategoryTable[k].tip;
  }
  struct Title {
    const char* caption;
    int top, width, height;
    const char* tip;
  };
  const Title titles[kSheetTitles] = {
      {"PREMIO", 1890, 1215, 255, "Se il totale raggiunge o supera 63. Vale 35 punti."},
      {"TOTALE PARTE SUPERIORE", 2190, 1695, 375, ""},
      {"TOTALE PARTE INFERIORE", 4840, 1695, 375, ""},
      {"TOTALE PARTE SUPERIORE", 5320, 1695, 375, ""},
      {"TOTALE GENERALE", 6120, 1815, 375, ""}};
  for (int t = 0; t < kSheetTitles; ++t) {
    const Title& c = titles[t];
    const int k = kCategories + t;
    add(Label4[k], indexed("Label4", k), {120, c.top, c.width, c.height}, true, card);
    looks(Label4[k], 8.25, true, colors::black, c.caption, Label::Align::Left);
    Label4[k].tip = c.tip;
  }

  for (int k = 0; k < 6; ++k) {
    add(mini[k], indexed("mini", k), {1560, 360 + 240 * k, 255, 255}, true, card);
    mini[k].stretch = true;
  }

  add(Label3[0], "Label3(0)", {120, 80, 1815, 255}, true, card);
  add(Label3[1], "Label3(1)", {120, 2840, 1815, 255}, true, card);
  looks(Label3[0], 8.25, true, colors::black, "PARTE SUPERIORE", Label::Align::Left);
  looks(Label3[1], 8.25, true, colors::black, "PARTE INFERIORE", Label::Align::Left);

  // The coloured row bands lie under every caption of the card: over them the
  // half titles, "PREMIO" and the total titles could not be read.
  decoration("Shape10(0)", {0, 0, 1935, 375}, colors::grey, card);
  decoration("Shape10(1)", {0, 2760, 2655, 375}, colors::grey, card);
  decoration("Shape10(2)", {0, 2160, 2655, 495}, kLightGreen, card);
  decoration("Shape10(4)", {0, 5280, 2655, 495}, kLightGreen, card);
  decoration("Shape10(5)", {0, 5760, 2655, 855}, colors::yellow, card);
  decoration("Shape10(6)", {0, 1800, 2655, 375}, kLightCyan, card);
  decoration("Shape10(7)", {1920, 0, 2175, 375}, colors::grey, card);
  decoration("Shape11", {1920, 0, 2175, 375}, std::nullopt, card);
  decoration("minch", {0, 4800, 2655, 495}, kMint, card);

  decoration("Shape6(0)", {0, 0, 1935, 1815}, std::nullopt, card);
  decoration("Shape6(1)", {0, 2760, 1935, 1815}, std::nullopt, card);
  decoration("Shape7(0)", {0, 0, 1935, 375}, std::nullopt, card);
  decoration("Shape7(1)", {0, 2760, 1935, 375}, std::nullopt, card);
  decoration("Shape9", {-360, 0, 3015, 6615}, colors::grey, card);

  Timer1.Interval = 200;
  Timer2.Interval = 15;  // fast enough to blink, slow enough to cost nothing
  Play1 = {"1 Giocatore", true, true};
  Play2 = {"2 Giocatori", false, true};
  Gioca = {"Inizia", false, true};
  basta = {"Interrompi", false, true};

  dirty_.clear();
}
