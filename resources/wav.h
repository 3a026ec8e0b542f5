// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "resources/synth.h"

// A mono 16-bit PCM WAV file at kSampleRate, as bytes.
std::string wavFile(const Samples& samples);
