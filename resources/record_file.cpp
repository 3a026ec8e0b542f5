// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/record_file.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "media/record_line.h"
#include "resources/output.h"

void writeRecordIfMissing(const std::filesystem::path& dataDir) {
  const std::filesystem::path path = dataDir / "MCRC00.RCX";
  std::filesystem::create_directories(dataDir);
  if (std::filesystem::exists(path)) return;
  std::mt19937 engine{std::random_device{}()};
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  // Kept below 1: the distribution may round up to its upper end.
  const UniformRandom random = [&] { return std::min(uniform(engine), std::nextafter(1.0, 0.0)); };
  writeFile(path, encodeRecordFile(buildRecordLine("PENTARO", "150", random)));
}
