// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The game's one media player. It lives in a module of its own, loaded when
// a game's names are entered or at the first sound: a window only looked at
// never needs the sound server's client library.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays a sound file at once, cutting off the effect still playing; a
  // missing or unreadable file is silent.
  virtual void play(const QString& file) = 0;
};

// The module's one entry point: a player, or none and the reason why when the
// machine cannot play sound.
using MakeSoundPlayer = SoundPlayer* (*)(QString* whyNot);
inline constexpr char kSoundModule[] = "pentaro-sound";
inline constexpr char kMakeSoundPlayer[] = "pentaroSoundPlayer";
