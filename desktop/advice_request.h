// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "advisor/advice.h"
#include "advisor/levels.h"

class GameWindow;

// "Consiglio": the best move for the player on turn, shown until the next
// action. The game is solved once, off the window's thread, from the start
// of the first game (or the first request); until then the program spends
// nothing on it.
class AdviceRequest : public QObject {
  Q_OBJECT
 public:
  enum class State { None, Solving, Shown };

  AdviceRequest(GameWindow& game, QObject* parent);

  void ask();
  // The player acted: the advice no longer holds.
  void dismiss();
  // Follows the game after every event: advice asked while the dice rolled
  // is worked out once they land.
  void follow();

  State state() const { return state_; }
  // Meaningful while Shown.
  const advisor::Advice& advice() const { return advice_; }
  // What the advice says in words, one line each.
  QStringList text() const;

 signals:
  void changed();

 private:
  void show(const advisor::Strategy& table);
  void show(const std::shared_ptr<const advisor::Tables>& tables);

  GameWindow& game_;
  State state_ = State::None;
  advisor::Advice advice_;
  bool waiting_ = false;  // for the table
};
