#pragma once

#include "resources/synth.h"

constexpr int kSoundCount = 11;

// Sound effect fx01 .. fx11, ready to write.
Samples soundEffect(int number);
