// Prints the game's figures beside an empty Qt window's:
//   start-up to the first painted frame, peak memory,
//   CPU at rest, while a game waits for the player and during a throw,
//   the real length of a 0.1 s wait, and the cost of painting the board.
// Needs a display (run it under xvfb-run on a headless machine).
//
// With "--games N" it plays N whole games in one process instead and prints
// the memory after 10, every 100 and N games (QT_QPA_PLATFORM=offscreen will do).

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "measure.h"

namespace {

struct Start {
  double ms;
  double mib;
};

Start spawn(const std::string& command) {
  const double before = monotonicMs();
  FILE* child = popen(("exec " + command + " 2>/dev/null").c_str(), "r");
  double frame = 0, mib = 0;
  if (child) {
    if (std::fscanf(child, "frame %lf %lf", &frame, &mib) != 2) frame = before;
    pclose(child);
  }
  return {frame - before, mib};
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--child-empty") == 0)
    return runFirstFrameChild(argc, argv, false);
  if (argc >= 3 && std::strcmp(argv[1], "--child-game") == 0) {
    if (chdir(argv[2]) != 0) return 1;
    return runFirstFrameChild(argc, argv, true);
  }

  const QString folder = makeGameFolder();
  if (argc >= 2 && std::strcmp(argv[1], "--games") == 0) {
    const int games = argc >= 3 ? std::max(10, std::atoi(argv[2])) : 200;
    if (chdir(folder.toLocal8Bit().constData()) != 0) return 1;
    return runLongSession(argc, argv, games);
  }

  const std::string self = argv[0];
  const int runs = 15;
  std::vector<double> emptyMs, gameMs, emptyMiB, gameMiB;
  spawn(self + " --child-empty");  // warm the file cache for both
  spawn(self + " --child-game " + folder.toStdString());
  for (int i = 0; i < runs; ++i) {
    const Start e = spawn(self + " --child-empty");
    const Start g = spawn(self + " --child-game " + folder.toStdString());
    emptyMs.push_back(e.ms);
    emptyMiB.push_back(e.mib);
    gameMs.push_back(g.ms);
    gameMiB.push_back(g.mib);
  }
  std::printf("start-up to first painted frame (median of %d)\n", runs);
  std::printf("  empty Qt window  %7.1f ms   peak %6.1f MiB\n", median(emptyMs), median(emptyMiB));
  std::printf("  PENTARO          %7.1f ms   peak %6.1f MiB\n", median(gameMs), median(gameMiB));
  std::printf("  ratio            %7.2f x         %6.2f x\n", median(gameMs) / median(emptyMs),
              median(gameMiB) / median(emptyMiB));
  std::fflush(stdout);

  if (chdir(folder.toLocal8Bit().constData()) != 0) return 1;
  return runInGameFigures(argc, argv);
}
