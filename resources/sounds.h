// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/assets.h"
#include "resources/synth.h"

// A sound effect of the game, ready to write.
Samples soundEffect(sound::Effect effect);
