// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <utility>
#include <vector>

// Small building blocks for the sound effects: mono samples in [-1, 1].

using Samples = std::vector<double>;

constexpr int kSampleRate = 44100;

Samples silence(double seconds);

struct Tone {
  double start = 0;  // seconds
  double length = 0.3;
  double frequency = 440;
  double endFrequency = 0;  // glides exponentially to it when set
  double level = 1;
  double attack = 0.005;
  double decay = 0;    // time constant of the fall; 0 holds the note
  double vibrato = 0;  // depth in semitones
  // Frequency ratio and level; higher partials die away sooner, as in bells.
  std::vector<std::pair<double, double>> partials = {{1, 1}};
};

void addTone(Samples& out, const Tone& tone);

// A resonance struck once: a knock of wood or of dice is a few of them.
struct Mode {
  double frequency;
  double decay;
  double level;
};

// Modes plus a few milliseconds of band-passed noise for the strike itself.
void addKnock(Samples& out, double start, double level, const std::vector<Mode>& modes,
              double strikeHz, std::mt19937& random);

// Gentle one-pole low-pass over the whole sound, to round off hard timbres.
void lowPass(Samples& samples, double cutoffHz);

// Short fades against clicks, then scaled so the loudest sample is at peak.
void finish(Samples& samples, double peak);
