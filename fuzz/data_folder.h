// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "media/complement.h"
#include "media/files.h"

// A working folder of the fuzzer's own, with a data folder whose die
// pictures name themselves, as the core tests have it. In memory when the
// machine offers it: every run reads and writes the folder.
inline std::filesystem::path makeWorkingFolder(const char* name) {
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  const auto folder =
      base / (std::string("pentaro-fuzz-") + name + "-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "Dati");
  for (const char* rotation : {"000", "030", "060", "090", "120", "150"})
    for (int face = 1; face <= 6; ++face) {
      const std::string file = std::string("MC") + rotation + "0" + std::to_string(face);
      writeFileBytes((folder / "Dati" / (file + ".EMX")).string(), complement(file));
    }
  return folder;
}
