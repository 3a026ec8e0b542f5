// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history/statistics_window.h"

#include <QAbstractTableModel>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

#include "desktop/history/review_window.h"
#include "desktop/history/solved.h"
#include "desktop/history/store.h"

namespace {

constexpr std::size_t kChartPoints = 400;

const char* const kBoxCaptions[kCategories] = {
    "Assi", "Due", "Tre", "Quattro", "Cinque", "Sei", "3 di un tipo", "4 di un tipo",
    "Full", "Scala Min.", "Scala Max.", "Pentaro", "Chance"};

QString number(double v, int decimals = 1) { return QLocale(QLocale::Italian).toString(v, 'f', decimals); }

QString outcomeWords(const history::Game& g) {
  if (g.outcome == history::Outcome::kAbandoned) return "interrotta";
  if (g.outcome == history::Outcome::kPlaying) return "in corso";
  if (!g.winner) return "finita";
  return *g.winner < 0 ? "parità" : "vince " + QString::fromStdString(g.players[*g.winner].name);
}

QChartView* chartView(QChart* chart) {
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto* view = new QChartView(chart);
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

}  // namespace

// The games, latest first; fetched row by row as the list is scrolled.
class GameListModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void set(const std::vector<history::Game>* games) {
    beginResetModel();
    games_ = games;
    endResetModel();
  }
  const history::Game& at(int row) const { return (*games_)[games_->size() - 1 - row]; }
  int rowCount(const QModelIndex& = {}) const override { return games_ ? int(games_->size()) : 0; }
  int columnCount(const QModelIndex& = {}) const override { return 3; }
  QVariant data(const QModelIndex& i, int role) const override {
    if (role != Qt::DisplayRole) return {};
    const history::Game& g = at(i.row());
    if (i.column() == 0) return QString::fromStdString(g.started);
    if (i.column() == 2) return outcomeWords(g);
    QStringList who;
    for (const history::Player& p : g.players)
      who << QStringLiteral("%1 %2").arg(QString::fromStdString(p.name)).arg(p.total);
    return who.join(" – ");
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QStringList{"Data", "Giocatori e punti", "Esito"}.value(section);
  }

 private:
  const std::vector<history::Game>* games_ = nullptr;
};

StatisticsWindow::StatisticsWindow(HistoryStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store) {
  setWindowTitle("Statistiche");
  resize(820, 640);
  auto* layout = new QVBoxLayout(this);
  auto* filters = new QHBoxLayout;
  player_ = new QComboBox;
  last_ = new QComboBox;
  last_->addItem("Tutte le partite", 0);
  for (int n : {10, 50, 100, 500}) last_->addItem(QStringLiteral("Ultime %1").arg(n), n);
  filters->addWidget(new QLabel("Giocatore:"));
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
  histogram_ = new QChart;
  timeline_ = new QChart;
  boxes_ = new QChart;
  tabs_->addTab(chartView(timeline_), "Punteggi nel tempo");
  tabs_->addTab(chartView(histogram_), "Distribuzione");
  tabs_->addTab(chartView(boxes_), "Caselle");
  opponents_ = new QLabel;
  opponents_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  opponents_->setMargin(12);
  tabs_->addTab(opponents_, "Avversari");

  auto* games = new QWidget;
  auto* gamesLayout = new QVBoxLayout(games);
  list_ = new QTableView;
  model_ = new GameListModel(this);
  list_->setModel(model_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(22);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setColumnWidth(0, 160);
  list_->setColumnWidth(1, 360);
  auto* review = new QPushButton("Analisi della partita");
  gamesLayout->addWidget(list_);
  gamesLayout->addWidget(review, 0, Qt::AlignRight);
  tabs_->addTab(games, "Partite");
  layout->addWidget(tabs_, 1);

  connect(player_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showFigures);
  connect(last_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showFigures);
  connect(review, &QPushButton::clicked, this, &StatisticsWindow::reviewSelected);
  connect(list_, &QTableView::doubleClicked, this, &StatisticsWindow::reviewSelected);
  whenSolved(this, [this](const Solved& s) {
    perfect_ = s.boxMeans;
    perfectKnown_ = true;
    showFigures();
  });
}

void StatisticsWindow::refresh() {
  games_ = store_.games(false);
  model_->set(&games_);
  const QString chosen = player_->currentText();
  const QSignalBlocker block(player_);
  player_->clear();
  player_->addItem("Tutti");
  for (const std::string& name : history::playerNames(games_))
    player_->addItem(QString::fromStdString(name));
  player_->setCurrentIndex(std::max(0, player_->findText(chosen)));
  showFigures();
}

void StatisticsWindow::showFigures() {
  history::Filter filter;
  if (player_->currentIndex() > 0) filter.player = player_->currentText().toStdString();
  filter.last = last_->currentData().toInt();
  statistics_ = history::computeStatistics(games_, filter);
  const history::Statistics& s = statistics_;

  notice_->setText(store_.notices().join("\n"));
  notice_->setVisible(!store_.notices().isEmpty());
  figures_->setText(
      s.played == 0
          ? QStringLiteral("Nessuna partita finita (interrotte: %1).").arg(s.abandoned)
          : QStringLiteral("Partite finite: %1 (interrotte: %2)   Media: %3   Migliore: %4   "
                           "Premio: %5 %   Pentaro: %6 %")
                .arg(s.played)
                .arg(s.abandoned)
                .arg(number(s.mean))
                .arg(s.best)
                .arg(number(100 * s.bonusShare, 0))
                .arg(number(100 * s.pentaroShare, 0)));

  // Scores over time, with their moving mean.
  timeline_->removeAllSeries();
  for (QAbstractAxis* a : timeline_->axes()) timeline_->removeAxis(a), delete a;
  auto* scores = new QLineSeries;
  scores->setName("Punteggio");
  auto* moving = new QLineSeries;
  moving->setName(QStringLiteral("Media delle ultime %1").arg(history::kMovingWindow));
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
  QPen thin(QColor(120, 160, 210));
  thin.setWidthF(1);
  scores->setPen(thin);
  QPen bold(QColor(200, 40, 40));
  bold.setWidthF(2.5);
  moving->setPen(bold);
  timeline_->addSeries(scores);
  timeline_->addSeries(moving);
  auto* x = new QValueAxis;
  x->setLabelFormat("%d");
  x->setTitleText("Partita");
  x->setRange(1, std::max<int>(2, s.scores.size()));
  auto* y = new QValueAxis;
  y->setLabelFormat("%d");
  y->setRange(0, std::max(100, (s.best / 50 + 1) * 50));
  timeline_->addAxis(x, Qt::AlignBottom);
  timeline_->addAxis(y, Qt::AlignLeft);
  for (QLineSeries* l : {scores, moving}) l->attachAxis(x), l->attachAxis(y);

  // The spread of the final scores.
  histogram_->removeAllSeries();
  for (QAbstractAxis* a : histogram_->axes()) histogram_->removeAxis(a), delete a;
  auto* bins = new QBarSet("Partite");
  QStringList binNames;
  if (!s.histogram.empty())
    for (int low = s.histogram.begin()->first; low <= s.histogram.rbegin()->first;
         low += history::kHistogramBin) {
      const auto found = s.histogram.find(low);
      *bins << (found == s.histogram.end() ? 0 : found->second);
      binNames << QStringLiteral("%1–%2").arg(low).arg(low + history::kHistogramBin - 1);
    }
  auto* binSeries = new QBarSeries;
  binSeries->append(bins);
  histogram_->addSeries(binSeries);
  auto* binAxis = new QBarCategoryAxis;
  binAxis->append(binNames);
  binAxis->setTitleText("Punteggio finale");
  auto* countAxis = new QValueAxis;
  countAxis->setLabelFormat("%d");
  histogram_->addAxis(binAxis, Qt::AlignBottom);
  histogram_->addAxis(countAxis, Qt::AlignLeft);
  binSeries->attachAxis(binAxis);
  binSeries->attachAxis(countAxis);
  histogram_->legend()->hide();

  // Each box beside perfect play.
  boxes_->removeAllSeries();
  for (QAbstractAxis* a : boxes_->axes()) boxes_->removeAxis(a), delete a;
  auto* mine = new QBarSet(filter.player.empty() ? "Media" : QString::fromStdString(filter.player));
  auto* perfect = new QBarSet(perfectKnown_ ? "Gioco perfetto" : "Gioco perfetto (calcolo...)");
  QStringList boxNames;
  for (int b = 0; b < kCategories; ++b) {
    *mine << s.boxMeans[b];
    *perfect << perfect_[b];
    boxNames << kBoxCaptions[b];
  }
  auto* boxSeries = new QBarSeries;
  boxSeries->append(mine);
  boxSeries->append(perfect);
  boxes_->addSeries(boxSeries);
  auto* boxAxis = new QBarCategoryAxis;
  boxAxis->append(boxNames);
  boxAxis->setLabelsAngle(-45);
  auto* pointsAxis = new QValueAxis;
  pointsAxis->setRange(0, 40);
  pointsAxis->setTitleText("Punti medi");
  boxes_->addAxis(boxAxis, Qt::AlignBottom);
  boxes_->addAxis(pointsAxis, Qt::AlignLeft);
  boxSeries->attachAxis(boxAxis);
  boxSeries->attachAxis(pointsAxis);

  QString against;
  for (const auto& [name, r] : s.opponents)
    against += QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td>"
                              "<td align=right>%4</td></tr>")
                   .arg(QString::fromStdString(name).toHtmlEscaped())
                   .arg(r.won)
                   .arg(r.lost)
                   .arg(r.drawn);
  opponents_->setText(
      against.isEmpty() ? QString("Nessuna partita a due finita.")
                        : "<table cellspacing=6><tr><th align=left>Avversario</th><th>Vinte</th>"
                          "<th>Perse</th><th>Pari</th></tr>" + against + "</table>");
}

void StatisticsWindow::reviewSelected() {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  if (std::optional<history::Game> game = store_.game(model_->at(rows.first().row()).id))
    showReview(*game, this);
}
