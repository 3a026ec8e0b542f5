#include "desktop/advice_request.h"

#include <QThread>
#include <algorithm>

#include "flow/game_window.h"

namespace {

// One solved table for the whole run: it never changes once made.
std::shared_ptr<const advisor::Strategy>& solvedTable() {
  static std::shared_ptr<const advisor::Strategy> table;
  return table;
}

}  // namespace

AdviceRequest::AdviceRequest(GameWindow& game, QObject* parent) : QObject(parent), game_(game) {}

// The solver cannot be stopped half-way; a window closed meanwhile waits for it.
AdviceRequest::~AdviceRequest() {
  if (solver_) solver_->wait();
}

void AdviceRequest::ask() {
  if (solvedTable()) {
    show();
    return;
  }
  state_ = State::Solving;
  emit changed();
  if (solver_) return;
  result_ = std::make_shared<std::shared_ptr<const advisor::Strategy>>();
  solver_ = QThread::create([result = result_] { *result = advisor::solve(); });
  solver_->setParent(this);
  connect(solver_, &QThread::finished, this, &AdviceRequest::solved);
  solver_->start(QThread::LowPriority);
}

void AdviceRequest::solved() {
  solver_->wait();
  solvedTable() = *result_;
  solver_->deleteLater();
  solver_ = nullptr;
  result_.reset();
  if (state_ == State::Solving) show();  // still wanted: nothing happened meanwhile
}

void AdviceRequest::show() {
  advice_ = advisor::adviseFor(*solvedTable(), game_);
  state_ = State::Shown;
  emit changed();
}

void AdviceRequest::dismiss() {
  if (state_ == State::None) return;
  state_ = State::None;
  emit changed();
}

QStringList AdviceRequest::text() const {
  if (state_ == State::Solving) return {"Calcolo del consiglio..."};
  if (state_ != State::Shown) return {};
  if (!advice_.available) return {"Nessun consiglio in questo momento"};
  const Board& b = game_.board;
  auto anyShown = [](const auto& pictures) {
    return std::any_of(pictures.begin(), pictures.end(),
                       [](const auto& p) { return p.visible() && p.picture(); });
  };
  QString move;
  if (advice_.box)
    move = "Consiglio: scegli la casella segnata";
  else if (advice_.stop)
    move = advice_.keepTray.empty() ? "Consiglio: FERMATI"
                                    : "Consiglio: tieni i dadi segnati e FERMATI";
  else if (!advice_.keepTray.empty() || !advice_.keepHeld.empty())
    move = "Consiglio: tieni solo i dadi segnati e tira";
  else if (anyShown(b.dado) || anyShown(b.tieni))
    move = "Consiglio: ritira tutti i dadi";
  else
    move = "Consiglio: tira i dadi";
  return {move, QString::fromStdString(advisor::expectedScoreText(advice_.expected))};
}
