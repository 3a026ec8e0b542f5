// SPDX-License-Identifier: GPL-3.0-or-later
// PENTARO_SEED: the same clicks bring the same dice, whatever the time.

#include <gtest/gtest.h>

#include "desktop/qt_platform.h"

namespace {

// Two seedings at the given time of day, three draws after each.
std::vector<double> draws(QtPlatform& p, double time) {
  std::vector<double> d;
  for (int s = 0; s < 2; ++s) {
    p.seedRandom(time + s);
    for (int i = 0; i < 3; ++i) d.push_back(p.random());
  }
  return d;
}

TEST(Seed, ReplaysTheDiceWhateverTheTime) {
  qputenv("PENTARO_SEED", "bug-42");
  QtPlatform first, second;
  qunsetenv("PENTARO_SEED");
  QtPlatform byTime;
  const std::vector<double> replayed = draws(first, 100);
  EXPECT_EQ(replayed, draws(second, 5000));
  // Each seeding of the run has dice of its own.
  EXPECT_NE(std::vector(replayed.begin(), replayed.begin() + 3),
            std::vector(replayed.begin() + 3, replayed.end()));
  EXPECT_NE(draws(byTime, 100), draws(byTime, 5000));
}

}  // namespace
