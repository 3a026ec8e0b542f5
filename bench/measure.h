#pragma once

#include <sys/resource.h>
#include <time.h>

#include <QString>

// Shared by the benchmark's parts: clocks, CPU time, memory, a game folder.

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

inline double peakMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

// A throw-away copy of the built game folder, so no record is touched.
QString makeGameFolder();

// Child processes: print "frame <monotonic ms> <peak MiB>" once the first
// frame is painted, then quit.
int runFirstFrameChild(int argc, char** argv, bool game);

// Figures measured inside one running game.
int runInGameFigures(int argc, char** argv);

// Memory after many whole games played in one process.
int runLongSession(int argc, char** argv, int games);
