// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/sounds.h"

#include <stdexcept>

namespace {

constexpr double kPeak = 0.708;  // -3 dBFS

// Note frequencies used by the tunes.
constexpr double G4 = 392.00, B4 = 493.88, C5 = 523.25, D5 = 587.33, E5 = 659.25, F5 = 698.46,
                 G5 = 783.99, A5 = 880.00, C6 = 1046.50, E6 = 1318.51, G6 = 1567.98, C7 = 2093.00;
constexpr double D4 = 293.66, Eb4 = 311.13, F4 = 349.23;

using Partials = std::vector<std::pair<double, double>>;
const Partials kBell{{1, 1}, {2, 0.35}, {3, 0.16}, {4.2, 0.1}};
const Partials kPluck{{1, 1}, {2, 0.45}, {3, 0.22}, {4, 0.1}};
const Partials kSoft{{1, 1}, {2, 0.28}, {3, 0.12}};
const Partials kBrass{{1, 1}, {2, 0.7}, {3, 0.5}, {4, 0.32}, {5, 0.2}, {6, 0.12}, {7, 0.07}};

Tone bell(double start, double length, double frequency, double decay, double level = 1) {
  Tone t;
  t.start = start;
  t.length = length;
  t.frequency = frequency;
  t.decay = decay;
  t.level = level;
  t.attack = 0.003;
  t.partials = kBell;
  return t;
}

Tone held(double start, double length, double frequency, const Partials& partials,
          double level = 1) {
  Tone t;
  t.start = start;
  t.length = length;
  t.frequency = frequency;
  t.level = level;
  t.attack = 0.02;
  t.partials = partials;
  return t;
}

// The tray lid, a die set down: a short knock on hollow wood.
Samples woodKnock() {
  Samples s = silence(0.08);
  std::mt19937 random(1);
  addKnock(s, 0, 1,
           {{780, 0.016, 1.0}, {410, 0.024, 0.45}, {1690, 0.009, 0.45}, {2870, 0.005, 0.25}}, 2200,
           random);
  return s;
}

// Dice tumbling in the box: hard little clicks at random, a few wooden thuds.
Samples diceRattle() {
  Samples s = silence(0.25);
  std::mt19937 random(2);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double at = 0.0;
  for (int i = 0; i < 11 && at < 0.215; ++i) {
    const double pitch = 2300 + 2000 * unit(random);
    const double level = 0.45 + 0.55 * unit(random);
    addKnock(s, at, level,
             {{pitch, 0.006 + 0.005 * unit(random), 1.0},
              {pitch * (1.5 + 0.7 * unit(random)), 0.004, 0.5}},
             pitch * 1.3, random);
    if (i % 4 == 0)
      addKnock(s, at + 0.002, 0.5, {{520 + 160 * unit(random), 0.018, 1.0}}, 900, random);
    at += 0.008 + 0.03 * unit(random);
  }
  return s;
}

Samples newRecord() {
  Samples s = silence(1.2);
  const double run[] = {C5, E5, G5, C6, E6};
  for (int i = 0; i < 5; ++i) addTone(s, bell(0.085 * i, 0.5, run[i], 0.16, 0.55));
  for (double note : {C6, E6, G6}) {
    Tone t = bell(0.47, 0.73, note, 0.32, 0.5);
    t.vibrato = 0.08;
    addTone(s, t);
  }
  addTone(s, bell(0.55, 0.4, C7, 0.1, 0.25));
  addTone(s, bell(0.66, 0.4, G6 * 2, 0.08, 0.18));
  return s;
}

Samples scoreChime() {
  Samples s = silence(0.3);
  addTone(s, bell(0, 0.3, A5, 0.1, 0.8));
  addTone(s, bell(0.07, 0.23, E6, 0.1, 0.8));
  return s;
}

// Two notes a little apart beat against each other: harsh on purpose.
Samples refusedBuzz() {
  Samples s = silence(0.3);
  Partials saw;
  for (int k = 1; k <= 24; ++k) saw.push_back({k, 1.0 / k});
  Tone low = held(0, 0.3, 98, saw);
  low.attack = 0.01;
  addTone(s, low);
  Tone rough = low;
  rough.frequency = 104;
  rough.level = 0.8;
  addTone(s, rough);
  lowPass(s, 1400);
  return s;
}

Samples zeroBloop() {
  Samples s = silence(0.35);
  Tone t = held(0, 0.35, 340, kSoft);
  t.endFrequency = 105;
  t.attack = 0.012;
  t.decay = 0.16;
  addTone(s, t);
  lowPass(s, 1100);
  return s;
}

Samples dingDong() {
  Samples s = silence(0.4);
  addTone(s, bell(0, 0.2, E5, 0.16));
  addTone(s, bell(0.17, 0.23, C5, 0.2));
  return s;
}

Samples gameStart() {
  Samples s = silence(0.6);
  const double run[] = {C5, E5, G5, C6, E6};
  for (int i = 0; i < 5; ++i) {
    Tone t = held(0.075 * i, 0.6 - 0.075 * i, run[i], kPluck, 0.7);
    t.attack = 0.003;
    t.decay = i == 4 ? 0.2 : 0.11;
    addTone(s, t);
  }
  return s;
}

Samples farFromRecord() {
  Samples s = silence(0.9);
  const double fall[] = {G4, F4, Eb4};
  for (int i = 0; i < 3; ++i) {
    Tone t = held(0.19 * i, 0.24, fall[i], kSoft);
    t.decay = 0.35;
    addTone(s, t);
  }
  Tone last = held(0.57, 0.33, D4, kSoft);
  last.endFrequency = D4 * 0.97;
  last.vibrato = 0.25;
  last.decay = 0.4;
  addTone(s, last);
  lowPass(s, 2500);
  return s;
}

// Climbs a dominant seventh and stops on it, waiting for a resolution.
Samples almostRecord() {
  Samples s = silence(0.9);
  const double climb[] = {G4, B4, D5};
  for (int i = 0; i < 3; ++i) {
    Tone t = held(0.12 * i, 0.9 - 0.12 * i, climb[i], kPluck, 0.45);
    t.decay = 0.3;
    addTone(s, t);
  }
  Tone top = held(0.38, 0.52, F5, kSoft, 0.9);
  top.vibrato = 0.2;
  addTone(s, top);
  lowPass(s, 3000);
  return s;
}

Samples winnerFanfare() {
  Samples s = silence(1.5);
  auto blow = [&](double start, double length, double note, double level) {
    Tone t = held(start, length, note, kBrass, level);
    t.attack = 0.025;
    addTone(s, t);
  };
  blow(0.0, 0.12, G4, 0.8);
  blow(0.14, 0.12, G4, 0.8);
  blow(0.28, 0.12, G4, 0.8);
  blow(0.42, 0.28, C5, 0.9);
  blow(0.72, 0.16, E5, 0.8);
  for (double note : {C5, E5, G5}) {
    Tone t = held(0.9, 0.6, note, kBrass, 0.55);
    t.vibrato = 0.12;
    addTone(s, t);
  }
  blow(0.9, 0.6, C6, 0.35);
  lowPass(s, 3500);
  return s;
}

}  // namespace

Samples soundEffect(sound::Effect effect) {
  Samples s;
  switch (effect) {
    case sound::kKnock:
      s = woodKnock();
      break;
    case sound::kRattle:
      s = diceRattle();
      break;
    case sound::kNewRecord:
      s = newRecord();
      break;
    case sound::kScored:
      s = scoreChime();
      break;
    case sound::kBoxTaken:
      s = refusedBuzz();
      break;
    case sound::kScoredZero:
      s = zeroBloop();
      break;
    case sound::kTurnPasses:
      s = dingDong();
      break;
    case sound::kGameBegins:
      s = gameStart();
      break;
    case sound::kFarFromRecord:
      s = farFromRecord();
      break;
    case sound::kNearRecord:
      s = almostRecord();
      break;
    case sound::kWinnerFanfare:
      s = winnerFanfare();
      break;
    default:
      throw std::out_of_range("no such sound effect");
  }
  finish(s, kPeak);
  // Qt's player drops the end of a sound shorter than the sound server's
  // buffer, or all of it (the tray's knock went unheard): short ones get a
  // silent tail.
  const std::size_t shortest = silence(0.3).size();
  if (s.size() < shortest) s.resize(shortest, 0.0);
  return s;
}
