// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history/review_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "desktop/history/solved.h"
#include "desktop/history/words.h"

namespace {

QString say(const char* text) { return QCoreApplication::translate("ReviewWindow", text); }

QString number(double v, int decimals = 1) {
  return history::numbersLocale().toString(v, 'f', decimals);
}

// "tiene 33", "si ferma", "rilancia tutti", "Full"
QString choiceWords(const advisor::Decision& d, const std::string& choice) {
  if (d.box) return history::boxCaption(history::boxOfName(choice));
  if (choice.size() == kDice) return say(QT_TRANSLATE_NOOP("ReviewWindow", "si ferma"));
  if (choice.empty()) return say(QT_TRANSLATE_NOOP("ReviewWindow", "rilancia tutti"));
  return say(QT_TRANSLATE_NOOP("ReviewWindow", "tiene %1")).arg(QString::fromStdString(choice));
}

}  // namespace

ReviewWindow* showReview(const history::Game& game, QWidget* parent) {
  auto* window = new ReviewWindow(game, parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

ReviewWindow::ReviewWindow(history::Game game, QWidget* parent)
    : QWidget(parent, Qt::Window), game_(std::move(game)) {
  resize(760, 680);
  auto* layout = new QVBoxLayout(this);
  seat_ = new QComboBox;
  for (const history::Player& p : game_.players) seat_->addItem(QString::fromStdString(p.name));
  seat_->setVisible(game_.players.size() > 1);
  title_ = new QLabel;
  layout->addWidget(title_);
  layout->addWidget(seat_);
  summary_ = new QLabel;
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  table_ = new QTableWidget(0, 6);
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_, 3);
  chart_ = new QChart;
  chart_->legend()->hide();
  auto* view = new QChartView(chart_);
  view->setRenderHint(QPainter::Antialiasing);
  layout->addWidget(view, 2);
  nameTexts();
  summary_->setText(say(QT_TRANSLATE_NOOP("ReviewWindow", "Calcolo del gioco perfetto...")));
  connect(seat_, &QComboBox::currentIndexChanged, this, &ReviewWindow::showSeat);
  whenSolved(this, [this](const Solved& s) {
    strategy_ = s.strategy;
    showSeat();
  });
}

void ReviewWindow::nameTexts() {
  setWindowTitle(say(QT_TRANSLATE_NOOP("ReviewWindow", "Analisi della partita")));
  title_->setText(say(QT_TRANSLATE_NOOP("ReviewWindow", "Partita del %1"))
                      .arg(QString::fromStdString(game_.started)));
  table_->setHorizontalHeaderLabels({say(QT_TRANSLATE_NOOP("ReviewWindow", "Turno")),
                                     say(QT_TRANSLATE_NOOP("ReviewWindow", "Tiro")),
                                     say(QT_TRANSLATE_NOOP("ReviewWindow", "Dadi")),
                                     say(QT_TRANSLATE_NOOP("ReviewWindow", "Scelta")),
                                     say(QT_TRANSLATE_NOOP("ReviewWindow", "Gioco perfetto")),
                                     say(QT_TRANSLATE_NOOP("ReviewWindow", "Punti persi"))});
  chart_->setTitle(
      say(QT_TRANSLATE_NOOP("ReviewWindow", "Punteggio finale atteso dopo ogni decisione")));
}

void ReviewWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  nameTexts();
  showSeat();
}

void ReviewWindow::showSeat() {
  if (!strategy_) return;  // "Calcolo del gioco perfetto..." meanwhile
  const int seat = std::max(0, seat_->currentIndex());
  review_ = advisor::reviewGame(*strategy_, game_, seat);
  const int total = seat < int(game_.players.size()) ? game_.players[seat].total : 0;
  summary_->setText(
      say(QT_TRANSLATE_NOOP("ReviewWindow",
                            "Punteggio: %1   Punti attesi persi: %2   Precisione: %3 % "
                            "(%4 decisioni)   Gioco perfetto da inizio partita: %5"))
          .arg(total)
          .arg(number(review_.lost))
          .arg(number(100 * review_.precision, 0))
          .arg(review_.decisions.size())
          .arg(number(review_.expectedAtStart)));
  table_->setRowCount(int(review_.decisions.size()));
  auto* expected = new QLineSeries;
  *expected << QPointF(0, review_.expectedAtStart);
  for (int r = 0; r < int(review_.decisions.size()); ++r) {
    const advisor::Decision& d = review_.decisions[r];
    const QStringList cells{QString::number(d.turn),
                            QString::number(d.afterThrow),
                            QString::fromStdString(d.dice),
                            choiceWords(d, d.chosen),
                            d.loss() > 1e-9 ? choiceWords(d, d.best) : QString("="),
                            d.loss() > 1e-9 ? number(d.loss(), 2) : QString()};
    for (int c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (d.loss() >= 1) item->setForeground(QColor(170, 0, 0));
      table_->setItem(r, c, item);
    }
    *expected << QPointF(r + 1, d.chosenValue);
  }
  table_->resizeColumnsToContents();
  chart_->removeAllSeries();
  for (QAbstractAxis* a : chart_->axes()) chart_->removeAxis(a), delete a;
  chart_->addSeries(expected);
  auto* x = new QValueAxis;
  x->setLabelFormat("%d");
  x->setTitleText(say(QT_TRANSLATE_NOOP("ReviewWindow", "Decisione")));
  x->setRange(0, std::max<int>(1, review_.decisions.size()));
  auto* y = new QValueAxis;
  y->setLabelFormat("%d");
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  expected->attachAxis(x);
  expected->attachAxis(y);
  y->applyNiceNumbers();
}
