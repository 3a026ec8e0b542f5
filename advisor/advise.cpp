#include "advisor/advice.h"

#include <cmath>

#include "flow/game_window.h"

namespace advisor {

class Strategy {};

std::shared_ptr<const Strategy> solve() { return std::make_shared<const Strategy>(); }

Advice adviseFor(const Strategy&, const GameWindow&) { return {}; }

std::string expectedScoreText(double expected) {
  const long tenths = std::lround(expected * 10);
  return "Punteggio atteso: " + std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

}  // namespace advisor
