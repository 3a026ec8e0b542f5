// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/rules_window.h"

#include "desktop/key_list.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "board/board.h"
#include "desktop/board_widget.h"
#include "desktop/language.h"

namespace {

// The terms the game is given under (the file LICENSE holds the text).
const char kLicence[] = QT_TRANSLATE_NOOP(
    "RulesWindow",
    "GNU General Public License, versione 3 o successiva (GPL-3.0-or-later). "
    "PENTARO \xC3\xA8 software libero: pu\xC3\xB2 essere ridistribuito e modificato "
    "secondo i termini di questa licenza. \xC3\x88 distribuito SENZA ALCUNA GARANZIA.");

QString shown(const std::string& text) { return language::shown(text).toHtmlEscaped(); }

// The notes of the category table, named here for the translator.
[[maybe_unused]] const char* const kCategoryNotes[] = {
    QT_TRANSLATE_NOOP("RulesWindow", " (con almeno tre dadi uguali)"),
    QT_TRANSLATE_NOOP("RulesWindow", " (con almeno quattro dadi uguali)"),
    QT_TRANSLATE_NOOP("RulesWindow",
                      " (tre dadi uguali e due uguali tra loro; cinque uguali non sono un Full)"),
};

}  // namespace

QString RulesWindow::rulesHtml(const Board& b) {
  QString rows;
  auto row = [&rows](const QString& name, const QString& what, const char* colour) {
    rows += QString("<tr style='background:%1'><td><b>%2</b></td><td>%3</td></tr>")
                .arg(colour, name, what);
  };
  auto half = [&rows](const char* title) {
    rows += QString("<tr style='background:#c0c0c0'><td colspan=2><b>%1</b></td></tr>")
                .arg(shown(title));
  };
  auto part = [&](bool upper) {
    for (const Category& c : kCategoryTable)
      if (c.upper() == upper)
        row(shown(c.caption), shown(c.tip) + (*c.note ? tr(c.note) : QString()), "#ffffff");
  };
  half("PARTE SUPERIORE");
  part(true);
  row(shown("PREMIO"),
      shown(b.Label4[Board::kPremioTitle].tip) + tr(" Conta il totale della parte superiore."),
      "#ccffff");
  half("PARTE INFERIORE");
  part(false);
  row(shown("TOTALE GENERALE"), tr("parte superiore, premio e parte inferiore insieme"), "#ffff00");

  QString keyRows;
  for (const KeyRow& key : kKeyRows)
    keyRows += QString(
                   "<tr><td style='background:#000080;color:#ffffff'><b>%1</b></td>"
                   "<td style='background:#ffffff'>%2</td></tr>")
                   .arg(tr(key.keys), tr(key.what));

  auto heading = [](const char* title) {
    return QString("<h3 style='background:#000080;color:#ffffff'>&nbsp;%1</h3>").arg(tr(title));
  };

  return QString(
      "<h2 style='color:#000080'>PENTARO</h2>" +
      heading(QT_TRANSLATE_NOOP("RulesWindow", "Il turno")) +
      tr("<p>Si gioca da soli o in due, a turno, per tredici turni ciascuno. In ogni turno "
         "si tirano i cinque dadi fino a tre volte: un clic su <b>1&deg; TIRO</b>, poi su "
         "<b>2&deg; TIRO</b> e <b>3&deg; TIRO</b>.</p>"
         "<p>Tra un tiro e l'altro si tengono i dadi buoni: si sceglie un dado con un clic "
         "(un secondo clic lo lascia) e si conferma con <b>TIENI</b>. I dadi tenuti passano "
         "nella fila in alto e non vengono ritirati. Per ritirarli si sceglie un dado tenuto e "
         "si conferma con <b>SCARTA</b>: torna nel vassoio.</p>"
         "<p>Con almeno un dado tenuto, <b>FERMATI</b> chiude i tiri prima del terzo. Finiti "
         "i tiri, i cinque dadi sono nella fila in alto.</p>") +
      heading(QT_TRANSLATE_NOOP("RulesWindow", "Il foglio dei punti")) +
      tr("<p>Si sceglie una casella libera con un clic: vi si scrivono i punti dei dadi, anche "
         "0. Un clic su un'altra casella libera sposta i punti; <b>ACCETTA</b> li conferma e "
         "passa il turno. Ogni casella si usa una sola volta; un secondo Pentaro non vale "
         "nulla in pi&ugrave;.</p>") +
      "<table width='100%' cellpadding=3 cellspacing=1 style='background:#000000'>" + rows +
      "</table>" + heading(QT_TRANSLATE_NOOP("RulesWindow", "Fine della partita e record")) +
      tr("<p>Dopo la tredicesima casella di ogni giocatore compare <b>GAME OVER</b>. In due "
         "vince chi ha il TOTALE GENERALE pi&ugrave; alto; a pari punti compare "
         "<b>PARITA'</b>. Un punteggio finale pari o superiore al <b>RECORD</b> prende il "
         "suo posto, con il nome di chi l'ha fatto. <b>Interrompi</b> abbandona la partita "
         "senza record.</p>") +
      heading(QT_TRANSLATE_NOOP("RulesWindow", "I tasti")) +
      tr("<p>Tutto il gioco si pu&ograve; fare anche con la tastiera. Finch&eacute; si usano "
         "i tasti, accanto a ogni dado compare il suo numero; muovendo il mouse spariscono.</p>") +
      "<table cellpadding=3 cellspacing=1 style='background:#000000'>" + keyRows + "</table>" +
      heading(QT_TRANSLATE_NOOP("RulesWindow", "Consiglio")) +
      tr("<p><b>Consiglio</b> (menu Aiuto, tasto H) mostra la mossa migliore per chi &egrave; "
         "di turno &ndash; i dadi da tenere, FERMATI o la casella da scegliere &ndash; e il "
         "punteggio finale che ci si pu&ograve; attendere giocando sempre al meglio. Non "
         "gioca al posto vostro e sparisce alla mossa successiva.</p>") +
      heading(QT_TRANSLATE_NOOP("RulesWindow", "Avversario")) +
      tr("<p>Chi gioca da solo pu&ograve; sfidare il computer: nel menu <b>Avversario</b> "
         "si sceglie il livello, poi <b>2 Giocatori</b>. Il computer siede al secondo posto e "
         "gioca il suo turno sul tavolo; intanto clic e tasti sul tavolo non contano, il menu "
         "resta attivo.</p>"
         "<p><b>Principiante</b> tiene la faccia pi&ugrave; frequente e prende la casella che "
         "vale di pi&ugrave; subito; <b>esperto</b> gioca al meglio per il proprio punteggio; "
         "<b>campione</b> gioca per vincere, guardando anche il foglio dell'altro. Il record "
         "resta alle persone.</p>") +
      tr("<p>Per esempio, restano solo Pentaro e Chance e l'altro ha finito con 40 punti in "
         "pi&ugrave;; il primo tiro d&agrave; 1 1 1 6 6. <b>Esperto</b> tiene i due 6 per una "
         "buona Chance; <b>campione</b> tiene i tre 1, perch&eacute; solo un Pentaro pu&ograve; "
         "vincere. In due anche <b>Consiglio</b> gioca per vincere e mostra la "
         "<b>Probabilit&agrave; di vittoria</b>.</p>"));
}

RulesWindow::RulesWindow(const Board& board, QWidget* parent) : QDialog(parent), board_(board) {
  text_ = new QTextBrowser(this);
  text_->setFont(BoardWidget::boardFont(Font{10, false}));
  text_->setOpenLinks(false);
  QPalette colours = text_->palette();
  colours.setColor(QPalette::Base, QColor(192, 192, 192));
  colours.setColor(QPalette::Text, Qt::black);
  text_->setPalette(colours);
  retranslate();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(text_);
  colours = palette();
  colours.setColor(QPalette::Window, QColor(0, 0, 255));  // the board's blue divider
  setPalette(colours);
  setAutoFillBackground(true);
  resize(560, 640);
}

void RulesWindow::retranslate() {
  setWindowTitle(tr("Regole del gioco"));
  text_->setHtml(rulesHtml(board_));
}

void RulesWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

QString aboutText() {
  auto tr = [](const char* text) { return QCoreApplication::translate("RulesWindow", text); };
  return tr(QT_TRANSLATE_NOOP("RulesWindow",
                              "<h2>PENTARO</h2>"
                              "<p>Versione %1</p>"
                              "<p>Il gioco dei cinque dadi, da soli o in due.</p>"
                              "<p>Licenza: %2</p>"
                              "<p>Le immagini e i suoni sono creati dal programma stesso.</p>"))
      .arg(PENTARO_VERSION, tr(kLicence));
}
