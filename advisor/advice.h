#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class GameWindow;

namespace advisor {

// The solved game: the expected final score of one player's sheet from every
// state it can reach, when every later choice is the best one. Immutable once
// made, so it can be shared between threads.
class Strategy;

// Works the whole table out (a few seconds of one core); any thread may call it.
std::shared_ptr<const Strategy> solve();

// What the player on turn should do now, in the board's own terms.
struct Advice {
  // False when there is nothing to advise: no game, a throw running, the
  // names still being typed, the game over.
  bool available = false;
  // Before a throw: the tray dice dado(i) and held dice tieni(k) worth keeping.
  std::vector<int> keepTray;
  std::vector<int> keepHeld;
  // Before a throw: stopping now beats throwing again.
  bool stop = false;
  // Once the throwing is over: the score box PUNTI(i) to choose.
  std::optional<int> box;
  // Expected final score of the player's sheet from here, playing as advised.
  double expected = 0;
};

// Reads the game, never changes it.
Advice adviseFor(const Strategy& strategy, const GameWindow& game);

// "Punteggio atteso: 246,3"
std::string expectedScoreText(double expected);

}  // namespace advisor
