// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>
#include <cstdlib>
#include <time.h>

// Shared by the in-game figures and the long session: clocks, CPU time, memory.

inline double monotonicMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

inline double cpuMs() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
         (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// The load average over the last minute: the table is worked out at low
// priority, so a busy machine stretches the first advice.
inline double loadAverage() {
  double load = 0;
  return getloadavg(&load, 1) == 1 ? load : -1;
}

inline double peakMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

// Figures measured inside one running game, in the current folder.
int runInGameFigures(int argc, char** argv);

// Memory after many whole games played in one process, in the current folder.
int runLongSession(int argc, char** argv, int games);
