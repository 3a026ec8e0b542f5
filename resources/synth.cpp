// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::size_t sampleAt(double seconds) {
  return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate + 0.5);
}

// Band-pass biquad (constant peak gain), for the noise of a strike.
class BandPass {
 public:
  BandPass(double centreHz, double q) {
    const double w = kTwoPi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
  }
  double operator()(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace

Samples silence(double seconds) { return Samples(sampleAt(seconds), 0.0); }

void addTone(Samples& out, const Tone& tone) {
  const std::size_t first = sampleAt(tone.start);
  const std::size_t count = sampleAt(tone.length);
  const double release = std::min(0.03, tone.length * 0.3);
  std::vector<double> phases(tone.partials.size(), 0.0);
  for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double frequency = tone.frequency;
    if (tone.endFrequency > 0)
      frequency *= std::pow(tone.endFrequency / tone.frequency, t / tone.length);
    if (tone.vibrato > 0)
      frequency *=
          std::pow(2.0, tone.vibrato / 12 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.15));
    double envelope = tone.attack > 0 ? std::min(1.0, t / tone.attack) : 1.0;
    const double left = tone.length - t;
    if (left < release) envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / release);
    double sum = 0;
    for (std::size_t k = 0; k < tone.partials.size(); ++k) {
      const auto [ratio, level] = tone.partials[k];
      phases[k] += kTwoPi * frequency * ratio / kSampleRate;
      double fall = 1;
      if (tone.decay > 0) fall = std::exp(-t * std::sqrt(ratio) / tone.decay);
      sum += level * fall * std::sin(phases[k]);
    }
    out[first + i] += tone.level * envelope * sum;
  }
}

void addKnock(Samples& out, double start, double level, const std::vector<Mode>& modes,
              double strikeHz, std::mt19937& random) {
  const std::size_t first = sampleAt(start);
  double longest = 0.004;
  for (const Mode& m : modes) longest = std::max(longest, m.decay * 7);
  const std::size_t count = sampleAt(longest);
  std::uniform_real_distribution<double> noise(-1.0, 1.0);
  BandPass strike(strikeHz, 1.2);
  for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double sum = 0;
    for (const Mode& m : modes)
      sum += m.level * std::exp(-t / m.decay) * std::sin(kTwoPi * m.frequency * t);
    sum += 1.5 * strike(noise(random)) * std::exp(-t / 0.0015);
    // A quarter millisecond rise keeps the strike from being a bare step.
    out[first + i] += level * std::min(1.0, t / 0.00025) * sum;
  }
}

void lowPass(Samples& samples, double cutoffHz) {
  const double k = 1 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
  double y = 0;
  for (double& x : samples) {
    y += k * (x - y);
    x = y;
  }
}

void finish(Samples& samples, double peak) {
  const std::size_t fadeIn = std::min(samples.size() / 4, sampleAt(0.002));
  const std::size_t fadeOut = std::min(samples.size() / 4, sampleAt(0.01));
  for (std::size_t i = 0; i < fadeIn; ++i) samples[i] *= static_cast<double>(i) / fadeIn;
  for (std::size_t i = 0; i < fadeOut; ++i)
    samples[samples.size() - 1 - i] *= static_cast<double>(i) / fadeOut;
  double loudest = 0;
  for (double x : samples) loudest = std::max(loudest, std::abs(x));
  if (loudest > 0)
    for (double& x : samples) x *= peak / loudest;
}
