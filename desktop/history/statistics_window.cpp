// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history/statistics_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>

#include "desktop/history/review_window.h"
#include "desktop/history/solved.h"
#include "desktop/history/store.h"
#include "desktop/history/words.h"

namespace {

constexpr std::size_t kChartPoints = 400;
const int kLastGames[] = {0, 10, 50, 100, 500};

QString say(const char* text) { return QCoreApplication::translate("StatisticsWindow", text); }

QChartView* chartView(QChart* chart) {
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto* view = new QChartView(chart);
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

// Puts the series on the chart along its two axes.
void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
  chart->addSeries(series);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
}

}  // namespace

// The games, latest first, fetched from the database as the list is scrolled.
class GameListModel : public QSqlQueryModel {
 public:
  using QSqlQueryModel::QSqlQueryModel;
  enum Column { kId, kStarted, kPlayers, kOutcome, kWinnerName, kWinner };
  void read(const QSqlDatabase& db) {
    setQuery(
        "SELECT id, started, (SELECT group_concat(name || ' ' || total, ' – ') FROM players"
        " WHERE game_id = g.id), outcome, (SELECT name FROM players WHERE game_id = g.id AND"
        " seat = g.winner), winner FROM games g ORDER BY id DESC",
        db);
  }
  std::int64_t id(int row) const { return record(row).value(kId).toLongLong(); }
  QVariant data(const QModelIndex& i, int role) const override {
    if (role != Qt::DisplayRole || i.column() != kOutcome) return QSqlQueryModel::data(i, role);
    const QSqlRecord r = record(i.row());
    return history::outcomeWords(r.value(kOutcome).toString(), r.value(kWinner),
                                 r.value(kWinnerName).toString());
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kHeads[] = {"", QT_TRANSLATE_NOOP("StatisticsWindow", "Data"),
                                         QT_TRANSLATE_NOOP("StatisticsWindow", "Giocatori e punti"),
                                         QT_TRANSLATE_NOOP("StatisticsWindow", "Esito")};
    return section < int(std::size(kHeads)) ? say(kHeads[section]) : QString();
  }
};

StatisticsWindow::StatisticsWindow(HistoryStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store) {
  resize(820, 640);
  auto* layout = new QVBoxLayout(this);
  auto* filters = new QHBoxLayout;
  player_ = new QComboBox;
  last_ = new QComboBox;
  for (int n : kLastGames) last_->addItem(QString(), n);
  // Wide enough for the names in either language.
  for (QComboBox* box : {player_, last_}) box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  playerLabel_ = new QLabel;
  filters->addWidget(playerLabel_);
  filters->addWidget(player_);
  filters->addWidget(last_);
  filters->addStretch();
  layout->addLayout(filters);
  notice_ = new QLabel;
  notice_->setWordWrap(true);
  notice_->setStyleSheet("color: #a00000");
  layout->addWidget(notice_);
  figures_ = new QLabel;
  figures_->setWordWrap(true);
  layout->addWidget(figures_);
  tabs_ = new QTabWidget;
  layout->addWidget(tabs_, 1);

  // Scores over time, with their moving mean.
  draw_.push_back([this] {
    const history::Statistics& s = statistics_;
    auto* chart = new QChart;
    auto* scores = new QLineSeries;
    scores->setName(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Punteggio")));
    auto* moving = new QLineSeries;
    moving->setName(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Media delle ultime %1"))
                        .arg(history::kMovingWindow));
    // A long history is drawn a bucket of games to a point: a chart no
    // wider than the window shows no more, and draws far quicker.
    QList<QPointF> points, means;
    const std::size_t n = s.scores.size(), step = std::max<std::size_t>(1, n / kChartPoints);
    for (std::size_t i = 0; i < n; i += step) {
      const std::size_t end = std::min(n, i + step);
      double score = 0, mean = 0;
      for (std::size_t j = i; j < end; ++j) score += s.scores[j], mean += s.movingMean[j];
      points << QPointF(end, score / (end - i));
      means << QPointF(end, mean / (end - i));
    }
    scores->replace(points);
    moving->replace(means);
    scores->setPen(QPen(QColor(120, 160, 210), 1));
    moving->setPen(QPen(QColor(200, 40, 40), 2.5));
    auto* x = new QValueAxis;
    x->setLabelFormat("%d");
    x->setTitleText(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Partita")));
    x->setRange(1, std::max<int>(2, s.scores.size()));
    auto* y = new QValueAxis;
    y->setLabelFormat("%d");
    const int top = std::max(100, (s.best / 50 + 1) * 50);
    y->setRange(0, top);
    y->setTickCount(top / 50 + 1);
    attach(chart, scores, x, y);
    chart->addSeries(moving);
    moving->attachAxis(x);
    moving->attachAxis(y);
    return chartView(chart);
  });
  // The spread of the final scores.
  draw_.push_back([this] {
    const history::Statistics& s = statistics_;
    auto* chart = new QChart;
    auto* bins = new QBarSet(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Partite")));
    QStringList binNames;
    if (!s.histogram.empty())
      for (int low = s.histogram.begin()->first; low <= s.histogram.rbegin()->first;
           low += history::kHistogramBin) {
        const auto found = s.histogram.find(low);
        *bins << (found == s.histogram.end() ? 0 : found->second);
        binNames << QStringLiteral("%1–%2").arg(low).arg(low + history::kHistogramBin - 1);
      }
    auto* series = new QBarSeries;
    series->append(bins);
    auto* binAxis = new QBarCategoryAxis;
    binAxis->append(binNames);
    binAxis->setTitleText(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Punteggio finale")));
    auto* countAxis = new QValueAxis;
    countAxis->setLabelFormat("%d");
    attach(chart, series, binAxis, countAxis);
    chart->legend()->hide();
    return chartView(chart);
  });
  // Each box beside perfect play, which is worked out the first time.
  draw_.push_back([this] {
    if (!std::exchange(perfectAsked_, true))
      whenSolved(this, [this](const Solved& s) {
        perfect_ = s.boxMeans;
        perfectKnown_ = true;
        // Drawn already without them (not when known at once, while drawing).
        if (tabs_->widget(2)->layout()->count() == 0) return;
        drawn_[2] = false;
        drawTab(tabs_->currentIndex());
      });
    const QString name = player_->currentData().toString();
    auto* chart = new QChart;
    auto* mine =
        new QBarSet(name.isEmpty() ? say(QT_TRANSLATE_NOOP("StatisticsWindow", "Media")) : name);
    auto* perfect = new QBarSet(
        perfectKnown_ ? say(QT_TRANSLATE_NOOP("StatisticsWindow", "Gioco perfetto"))
                      : say(QT_TRANSLATE_NOOP("StatisticsWindow", "Gioco perfetto (calcolo...)")));
    QStringList boxNames;
    // Bars across, the boxes' names beside them, top to bottom as on the sheet.
    for (int b = kCategories - 1; b >= 0; --b) {
      *mine << statistics_.boxMeans[b];
      *perfect << perfect_[b];
      boxNames << history::boxCaption(b);
    }
    auto* series = new QHorizontalBarSeries;
    series->append(perfect);
    series->append(mine);
    auto* boxAxis = new QBarCategoryAxis;
    boxAxis->append(boxNames);
    auto* pointsAxis = new QValueAxis;
    pointsAxis->setRange(0, 40);
    pointsAxis->setTitleText(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Punti medi")));
    attach(chart, series, pointsAxis, boxAxis);
    return chartView(chart);
  });
  // Results against each opponent, a computer by its level.
  draw_.push_back([this] {
    QString rows;
    for (const history::Opponent& o : statistics_.opponents)
      rows += QStringLiteral(
                  "<tr><td>%1</td><td>%2</td><td align=right>%3</td>"
                  "<td align=right>%4</td><td align=right>%5</td></tr>")
                  .arg(QString::fromStdString(o.name).toHtmlEscaped(),
                       history::playerKind(o.kind, o.level))
                  .arg(o.won)
                  .arg(o.lost)
                  .arg(o.drawn);
    auto* label = new QLabel(
        rows.isEmpty()
            ? say(QT_TRANSLATE_NOOP("StatisticsWindow", "Nessuna partita a due finita."))
            : say(QT_TRANSLATE_NOOP("StatisticsWindow",
                                    "<table cellspacing=6><tr><th align=left>Avversario</th>"
                                    "<th align=left>Chi gioca</th><th>Vinte</th><th>Perse</th>"
                                    "<th>Pari</th></tr>%1</table>"))
                  .arg(rows));
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setMargin(12);
    return label;
  });
  // Every game, any of them to review.
  draw_.push_back([this] {
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    list_ = new QTableView;
    model_ = new GameListModel(list_);
    model_->read(store_.database());
    list_->setModel(model_);
    for (int c : {GameListModel::kId, GameListModel::kWinnerName, GameListModel::kWinner})
      list_->hideColumn(c);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(22);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setColumnWidth(GameListModel::kStarted, 160);
    list_->setColumnWidth(GameListModel::kPlayers, 360);
    auto* review =
        new QPushButton(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Analisi della partita")));
    pageLayout->addWidget(list_);
    pageLayout->addWidget(review, 0, Qt::AlignRight);
    connect(review, &QPushButton::clicked, this, &StatisticsWindow::reviewSelected);
    connect(list_, &QTableView::doubleClicked, this, &StatisticsWindow::reviewSelected);
    return page;
  });
  drawn_.assign(draw_.size(), false);
  for (std::size_t i = 0; i < draw_.size(); ++i) {
    auto* page = new QWidget;
    (new QVBoxLayout(page))->setContentsMargins(0, 0, 0, 0);
    tabs_->addTab(page, QString());
  }
  nameTexts();

  connect(player_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showFigures);
  connect(last_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showFigures);
  connect(tabs_, &QTabWidget::currentChanged, this, &StatisticsWindow::drawTab);
}

void StatisticsWindow::nameTexts() {
  setWindowTitle(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Statistiche")));
  playerLabel_->setText(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Giocatore:")));
  for (int i = 0; i < last_->count(); ++i)
    last_->setItemText(
        i, i == 0 ? say(QT_TRANSLATE_NOOP("StatisticsWindow", "Tutte le partite"))
                  : say(QT_TRANSLATE_NOOP("StatisticsWindow", "Ultime %1")).arg(kLastGames[i]));
  if (player_->count() > 0)
    player_->setItemText(0, say(QT_TRANSLATE_NOOP("StatisticsWindow", "Tutti")));
  static const char* const kTabs[] = {QT_TRANSLATE_NOOP("StatisticsWindow", "Punteggi nel tempo"),
                                      QT_TRANSLATE_NOOP("StatisticsWindow", "Distribuzione"),
                                      QT_TRANSLATE_NOOP("StatisticsWindow", "Caselle"),
                                      QT_TRANSLATE_NOOP("StatisticsWindow", "Avversari"),
                                      QT_TRANSLATE_NOOP("StatisticsWindow", "Partite")};
  for (int i = 0; i < tabs_->count(); ++i) tabs_->setTabText(i, say(kTabs[i]));
}

void StatisticsWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  nameTexts();
  showFigures();
}

void StatisticsWindow::refresh() {
  // The list reads again when it shows; its query lets go of the file meanwhile.
  if (model_) model_->clear();
  const QString chosen = player_->currentData().toString();
  const QSignalBlocker block(player_);
  player_->clear();
  player_->addItem(say(QT_TRANSLATE_NOOP("StatisticsWindow", "Tutti")), QString());
  for (const QString& name : store_.playerNames()) player_->addItem(name, name);
  player_->setCurrentIndex(std::max(0, player_->findData(chosen)));
  showFigures();
}

void StatisticsWindow::showFigures() {
  history::Filter filter;
  filter.player = player_->currentData().toString().toStdString();
  filter.last = last_->currentData().toInt();
  statistics_ = store_.statistics(filter);
  const history::Statistics& s = statistics_;
  const QLocale locale = history::numbersLocale();
  const QStringList notices = store_.notices();
  notice_->setText(notices.join("\n"));
  notice_->setVisible(!notices.isEmpty());
  figures_->setText(
      s.played == 0
          ? say(QT_TRANSLATE_NOOP("StatisticsWindow", "Nessuna partita finita (interrotte: %1)."))
                .arg(s.abandoned)
          : say(QT_TRANSLATE_NOOP("StatisticsWindow",
                                  "Partite finite: %1 (interrotte: %2)   Media: %3   Migliore: %4"
                                  "   Premio: %5 %   Pentaro: %6 %"))
                .arg(s.played)
                .arg(s.abandoned)
                .arg(locale.toString(s.mean, 'f', 1))
                .arg(s.best)
                .arg(locale.toString(100 * s.bonusShare, 'f', 0))
                .arg(locale.toString(100 * s.pentaroShare, 'f', 0)));
  drawn_.assign(draw_.size(), false);
  drawTab(tabs_->currentIndex());
}

void StatisticsWindow::drawTab(int tab) {
  if (tab < 0 || drawn_[tab]) return;
  drawn_[tab] = true;
  QLayout* page = tabs_->widget(tab)->layout();
  if (QLayoutItem* old = page->takeAt(0)) {
    if (old->widget() && old->widget()->isAncestorOf(list_)) list_ = nullptr, model_ = nullptr;
    delete old->widget();
    delete old;
  }
  page->addWidget(draw_[tab]());
}

void StatisticsWindow::reviewSelected() {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  if (std::optional<history::Game> game = store_.game(model_->id(rows.first().row())))
    showReview(*game, this);
}
