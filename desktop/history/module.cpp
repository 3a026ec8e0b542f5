// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

#include "desktop/history/csv.h"
#include "desktop/history/review_window.h"
#include "desktop/history/statistics_window.h"
#include "desktop/history/store.h"
#include "desktop/history_module.h"

namespace {

class History : public HistoryModule {
 public:
  explicit History(const QString& database) : store_(database) {}

  void keep(const history::Game& game) override {
    store_.save(game);
    if (game.outcome != history::Outcome::kPlaying) last_ = game;
  }

  void showStatistics(QWidget* parent) override {
    if (!statistics_) statistics_ = new StatisticsWindow(store_, parent);
    statistics_->refresh();
    statistics_->show();
    statistics_->raise();
  }

  void showLastReview(QWidget* parent) override {
    std::optional<history::Game> game = last_ ? last_ : store_.game(0);
    if (!game) {
      QMessageBox::information(
          parent, QCoreApplication::translate("ReviewWindow", "Analisi della partita"),
          QCoreApplication::translate("ReviewWindow", "Nessuna partita da analizzare."));
      return;
    }
    showReview(*game, parent);
  }

  void exportCsv(QWidget* parent) override { exportHistoryCsv(store_, parent); }

 private:
  HistoryStore store_;
  std::optional<history::Game> last_;
  QPointer<StatisticsWindow> statistics_;
};

}  // namespace

extern "C" Q_DECL_EXPORT HistoryModule* pentaroHistory(const QString& database) {
  return new History(database);
}
