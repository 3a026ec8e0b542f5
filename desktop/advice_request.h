#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "advisor/advice.h"

class GameWindow;
class QThread;

// "Consiglio": the best move for the player on turn, shown until the next
// action. The game is solved once, off the window's thread, the first time
// advice is asked for; until then the program spends nothing on it.
class AdviceRequest : public QObject {
  Q_OBJECT
 public:
  enum class State { None, Solving, Shown };

  AdviceRequest(GameWindow& game, QObject* parent);
  ~AdviceRequest() override;

  void ask();
  // The player acted: the advice no longer holds.
  void dismiss();

  State state() const { return state_; }
  // Meaningful while Shown.
  const advisor::Advice& advice() const { return advice_; }
  // What the advice says in words, one line each.
  QStringList text() const;

 signals:
  void changed();

 private:
  void solved();
  void show();

  GameWindow& game_;
  State state_ = State::None;
  advisor::Advice advice_;
  QThread* solver_ = nullptr;
  std::shared_ptr<std::shared_ptr<const advisor::Strategy>> result_;
};
