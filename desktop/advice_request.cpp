// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/advice_request.h"

#include <algorithm>
#include <cmath>

#include "desktop/advisor_tables.h"
#include "flow/game_window.h"

AdviceRequest::AdviceRequest(GameWindow& game, QObject* parent) : QObject(parent), game_(game) {}

void AdviceRequest::ask() {
  // In a game for two the advice plays to win, which needs the spread too.
  const bool toWin = game_.NumGiocatori == 2;
  if (const auto tables = levelTables().table(); toWin && tables) return show(tables);
  if (const auto table = strategyTable().table(); !toWin && table) return show(*table);
  state_ = State::Solving;
  emit changed();
  if (std::exchange(waiting_, true)) return;
  auto shown = [this](const auto&) {
    waiting_ = false;
    if (state_ == State::Solving) ask();  // still wanted: nothing happened meanwhile
  };
  if (toWin)
    whenLevelTablesReady(this, shown);
  else
    strategyTable().whenReady(this, shown);
}

void AdviceRequest::show(const std::shared_ptr<const advisor::Tables>& tables) {
  advice_ = advisor::adviseFor(tables, game_);
  state_ = State::Shown;
  emit changed();
}

void AdviceRequest::show(const advisor::Strategy& table) {
  advice_ = advisor::adviseFor(table, game_);
  state_ = State::Shown;
  emit changed();
}

void AdviceRequest::follow() {
  if (state_ != State::Shown || advice_.available) return;
  if (const auto table = strategyTable().table()) {
    advisor::Advice now = advisor::adviseFor(*table, game_);
    if (!now.available) return;
    advice_ = std::move(now);
    emit changed();
  }
}

void AdviceRequest::dismiss() {
  if (state_ == State::None) return;
  state_ = State::None;
  emit changed();
}

QStringList AdviceRequest::text() const {
  if (state_ == State::Solving) return {tr("Calcolo del consiglio...")};
  if (state_ != State::Shown) return {};
  if (!advice_.available) return {tr("Nessun consiglio in questo momento")};
  const Board& b = game_.board;
  auto anyShown = [](const auto& pictures) {
    return std::any_of(pictures.begin(), pictures.end(),
                       [](const auto& p) { return p.visible() && p.picture(); });
  };
  QString move;
  if (advice_.box)
    move = tr("Consiglio: scegli la casella segnata");
  else if (advice_.stop)
    move = advice_.keepTray.empty() ? tr("Consiglio: FERMATI")
                                    : tr("Consiglio: tieni i dadi segnati e FERMATI");
  else if (!advice_.keepTray.empty() || !advice_.keepHeld.empty())
    move = tr("Consiglio: tieni solo i dadi segnati e tira");
  else if (anyShown(b.dado) || anyShown(b.tieni))
    move = tr("Consiglio: ritira tutti i dadi");
  else
    move = tr("Consiglio: tira i dadi");
  // In a game for two, the chance of winning in whole percent.
  if (advice_.winChance)
    return {move, tr("Probabilità di vittoria: %1 %").arg(std::lround(*advice_.winChance * 100))};
  // The expected score with one decimal, the decimal mark the language's own.
  const long tenths = std::lround(advice_.expected * 10);
  const QString expected = tr("Punteggio atteso: %1,%2").arg(tenths / 10).arg(tenths % 10);
  return {move, expected};
}
