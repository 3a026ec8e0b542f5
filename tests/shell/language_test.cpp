// SPDX-License-Identifier: GPL-3.0-or-later
// English: every text the player meets has its translation and fits its
// place; switching the language changes what is read and nothing else;
// the choice is kept for the next start.

#include "desktop/language.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QTranslator>
#include <QXmlStreamReader>
#include <sstream>

#include "desktop/player_aids.h"
#include "desktop/settings.h"
#include "app_fixture.h"

namespace {

const QTranslator& englishTexts() {
  static QTranslator* t = [] {
    auto* made = new QTranslator;
    EXPECT_TRUE(made->load(":/i18n/pentaro_en.qm"));
    return made;
  }();
  return *t;
}

std::vector<const Label*> labels(const Board& b) {
  std::vector<const Label*> all;
  auto take = [&all](const Element* e) {
    if (e->kind() == Element::Kind::Label) all.push_back(static_cast<const Label*>(e));
  };
  for (const Element* e : b.order()) {
    take(e);
    if (e->kind() == Element::Kind::Panel)
      for (const Element* child : static_cast<const Panel*>(e)->children) take(child);
  }
  return all;
}

// What a switch of language must leave alone: the board's model, the game's
// state, the sounds played, the timers.
std::string everythingButTheLanguage(ScriptedGame& g) {
  std::ostringstream out;
  const Board& b = g.board();
  for (const Label* l : labels(b)) out << l->name() << l->visible() << l->caption() << '|';
  for (const Element* e : b.order()) out << e->visible();
  for (const MenuItem* m : {&b.Play1, &b.Play2, &b.Gioca, &b.basta})
    out << m->caption << m->Checked << m->Enabled;
  const GameWindow& w = g.game();
  out << w.NumTiro << w.SceltaAttiva << w.Giocatore << w.NumTurno << w.Totale1 << w.Totale2
      << w.ContaLampA << w.ContaLampTiro << b.Timer1.Enabled << b.Timer2.Enabled
      << g.app->window.turnTimer().isActive() << g.platform->sounds.size();
  return out.str();
}

QStringList menuTexts(ScriptedGame& g) {
  QStringList texts;
  for (QAction* menu : g.app->window.menuBar()->actions()) {
    texts << menu->text();
    for (QAction* a : menu->menu()->actions()) texts << a->text();
  }
  return texts;
}

class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { language::choose(false); }
};

// At each moment of a game, English changes the board and the menus, and
// Italian again brings back the very same board; nothing else moves.
TEST_F(LanguageTest, SwitchingChangesOnlyTheTexts) {
  ScriptedGame g;
  g.walk([&](const char* moment) {
    const std::string state = everythingButTheLanguage(g);
    const std::string italian = ScriptedGame::checksum(g.render());
    const QStringList italianMenus = menuTexts(g);
    language::choose(true);
    EXPECT_NE(ScriptedGame::checksum(g.render()), italian) << moment;
    EXPECT_TRUE(menuTexts(g).contains("&Language")) << moment;
    EXPECT_TRUE(menuTexts(g).contains("Abandon")) << moment;
    EXPECT_EQ(everythingButTheLanguage(g), state) << moment;
    language::choose(false);
    EXPECT_EQ(ScriptedGame::checksum(g.render()), italian) << moment;
    EXPECT_EQ(menuTexts(g), italianMenus) << moment;
  });
}

// Every caption and tip on show in English has its translation: only names
// and numbers are shown as they are.
TEST_F(LanguageTest, EveryTextShownIsTranslated) {
  ScriptedGame g;
  PlayerAids& aids = g.app->window.aids();
  aids.showAbout();  // open before the switch: it follows the language too
  language::choose(true);
  EXPECT_EQ(aids.about()->windowTitle(), "About PENTARO");
  EXPECT_TRUE(aids.about()->text().contains("WITH NO WARRANTY"));
  const QStringList names = {"ANNA", "BRUNO", "PLAYER1", "PLAYER2", "PENTARO"};
  g.walk([&](const char* moment) {
    for (const Label* l : labels(g.board())) {
      if (!l->visible()) continue;
      const QString caption = QString::fromStdString(l->caption());
      bool number = false;
      caption.toInt(&number);
      if (!caption.isEmpty() && !number && !names.contains(caption)) {
        EXPECT_FALSE(language::translated(englishTexts(), caption).isEmpty())
            << moment << ": " << l->name() << " \"" << l->caption() << '"';
      }
      if (!l->tip.empty()) {
        EXPECT_FALSE(language::translated(englishTexts(), QString::fromStdString(l->tip)).isEmpty())
            << moment << ": " << l->tip;
      }
    }
  });
  aids.showRules();
  EXPECT_EQ(aids.rules()->windowTitle(), "Rules of the Game");
  for (const char* italian : {"TIENI", "SCARTA", "FERMATI", "ACCETTA", "PARTE SUPERIORE", "ASSI"})
    EXPECT_FALSE(RulesWindow::rulesHtml(g.board()).contains(italian)) << italian;
}

// A name or a number that happens to read as a word of the game stays a name.
TEST_F(LanguageTest, NamesAndNumbersAreNotTranslated) {
  ScriptedGame g;
  language::choose(true);
  Board& b = g.board();
  BoardWidget& w = *g.app->window.boardWidget();
  for (Label* data : {&b.PLAYER, &b.nom2, &b.NomeRecord, &b.win2}) {
    data->setCaption("TRE");
    EXPECT_EQ(w.captionShown(*data), "TRE") << data->name();  // win2: the winner's name
  }
  EXPECT_EQ(w.captionShown(b.Label4[2]), "THREES");
  b.win2.setCaption("PARITA'");
  EXPECT_EQ(w.captionShown(b.win2), "DRAW");
  b.tira.setCaption("4\xC2\xB0 TIRO");  // no text of its own: the pattern
  EXPECT_EQ(w.captionShown(b.tira), "ROLL 4");
}

// Where the ink of a caption falls, in pixels of a 1x screen, when drawn as
// the board draws it but without clipping, the element's place at (m, m).
QRectF inkOf(const Label& l, const QString& text, qreal ratio) {
  constexpr int m = 200;
  const QRect place = BoardWidget::toPixels(l.windowPlace());
  QImage image((place.size() + QSize(2 * m, 2 * m)) * ratio, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  image.setDevicePixelRatio(ratio);
  {
    QPainter p(&image);
    p.setFont(BoardWidget::boardFont(l.font));
    const int align = l.align == Label::Align::Left ? Qt::AlignLeft : Qt::AlignHCenter;
    p.drawText(QRect(QPoint(m, m), place.size()),
               align | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip, text);
  }
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 0) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  if (right < 0) return {};
  return QRectF(left / ratio - m, top / ratio - m, (right + 1 - left) / ratio,
                (bottom + 1 - top) / ratio);
}

// Every caption of the board in English lies inside its element at 1x and
// 2x, or no further out than the Italian it stands for.
TEST_F(LanguageTest, EnglishFitsTheBoard) {
  ScriptedGame g;
  const Board& b = g.board();
  const std::map<const Label*, std::vector<std::string>> alsoShows = {
      {&b.Label2, {"SCARTA"}},
      {&b.tira, {"1\xC2\xB0 TIRO", "2\xC2\xB0 TIRO", "3\xC2\xB0 TIRO", "4\xC2\xB0 TIRO"}},
      {&b.nome2, {"Nome Giocatore 1", "Nome Giocatore 2"}},
      {&b.win2, {"PARITA'"}},
  };
  int checked = 0;
  for (const Label* l : labels(b)) {
    std::vector<std::string> captions = {l->caption()};
    if (alsoShows.count(l))
      captions.insert(captions.end(), alsoShows.at(l).begin(), alsoShows.at(l).end());
    const QSizeF size = BoardWidget::toPixels(l->windowPlace()).size();
    for (const std::string& caption : captions) {
      const QString italian = QString::fromStdString(caption);
      const QString english = language::translated(englishTexts(), italian);
      if (english.isEmpty()) continue;  // a name or a number
      for (qreal ratio : {1.0, 2.0}) {
        const QRectF allowed = QRectF(QPointF(), size).united(inkOf(*l, italian, ratio));
        const QRectF ink = inkOf(*l, english, ratio);
        EXPECT_TRUE(allowed.contains(ink))
            << l->name() << " \"" << english.toStdString() << "\" at " << ratio << "x: ink "
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height() << " in "
            << size.width() << "x" << size.height();
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 60);
}

// What lupdate finds in the shell's sources today, merged into the
// translation file: a text new or changed since is left without its English.
TEST(Translations, EverySourceHasItsEnglish) {
  QTemporaryDir dir;
  const QString ts = dir.filePath("pentaro_en.ts");
  ASSERT_TRUE(QFile::copy(PENTARO_SOURCE_DIR "/translations/pentaro_en.ts", ts));
  QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
  QProcess lupdate;
  lupdate.setWorkingDirectory(PENTARO_SOURCE_DIR);
  lupdate.start(PENTARO_LUPDATE,
                {"-no-obsolete", "-locations", "none", "-I", ".", "desktop", "-ts", ts});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  QFile file(ts);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QString context, source;
  int messages = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"source") source = xml.readElementText();
    if (xml.name() == u"translation") {
      ++messages;
      const bool unfinished = xml.attributes().value("type") == u"unfinished";
      EXPECT_FALSE(unfinished || xml.readElementText().isEmpty())
          << "no English for " << context.toStdString() << ": \"" << source.toStdString() << '"';
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(messages, 90);
}

// The choice is kept for the next start; a damaged or strange settings file
// means Italian, without a word.
TEST_F(LanguageTest, ChoiceIsKeptAndADamagedFileMeansItalian) {
  const QString file = QSettings("pentaro", "pentaro").fileName();
  QDir().mkpath(QFileInfo(file).path());
  language::choose(true);
  language::apply(false);
  language::applyKept();
  EXPECT_TRUE(language::english());
  for (const QByteArray& damaged :
       {QByteArray("[General]\nlanguage=klingon\n"),
        QByteArray("\xff\xfe[Gen\0eral\nlanguage=en=\n", 25), QByteArray()}) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(damaged);
    f.close();
    language::apply(false);
    language::applyKept();
    EXPECT_FALSE(language::english()) << damaged.toStdString();
  }
}

}  // namespace
