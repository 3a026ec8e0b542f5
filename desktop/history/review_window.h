// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

#include "advisor/review.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QChart;

// "Analisi della partita": a game's decisions turn by turn beside perfect
// play, what each cost, and the final score expected after each.
class ReviewWindow : public QWidget {
  Q_OBJECT
 public:
  ReviewWindow(history::Game game, QWidget* parent);
  const advisor::Review& shown() const { return review_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void nameTexts();
  void showSeat();

  history::Game game_;
  std::shared_ptr<const advisor::Strategy> strategy_;  // once perfect play is worked out
  advisor::Review review_;
  QComboBox* seat_;
  QLabel* title_;
  QLabel* summary_;
  QTableWidget* table_;
  QChart* chart_;
};

// Opens a window on the game.
ReviewWindow* showReview(const history::Game& game, QWidget* parent);
