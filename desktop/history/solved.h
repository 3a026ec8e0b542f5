// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "board/assets.h"

namespace advisor {
class Strategy;
}

// The game solved and what perfect play makes of each box, worked out once
// per run on a thread of its own (about two seconds), for the windows that
// set a player's games beside perfect play.
struct Solved {
  std::shared_ptr<const advisor::Strategy> strategy;
  std::array<double, kCategories + 1> boxMeans{};  // the bonus last
};

// Calls `ready` on the window's thread once it is worked out, at once if it
// already is; never if `context` is gone by then.
void whenSolved(QObject* context, std::function<void(const Solved&)> ready);
