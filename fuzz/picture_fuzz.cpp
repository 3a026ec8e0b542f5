// SPDX-License-Identifier: GPL-3.0-or-later
// A die picture as the data folder may hold it, decoded and loaded by the
// game's own path and the desktop's picture loader: it is shown, or the
// game stops with its message; nothing else happens.

#include <QApplication>
#include <cstdint>
#include <cstdlib>

#include "data_folder.h"
#include "desktop/qt_platform.h"
#include "flow/game_window.h"

namespace {

struct Stop {};

// The real loader; the stop becomes an exception the fuzzer can catch.
class FuzzPlatform : public QtPlatform {
 public:
  [[noreturn]] void fatal(const std::string&, const std::string&) override { throw Stop{}; }
};

std::filesystem::path folder;
FuzzPlatform* platform = nullptr;
GameWindow* game = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(*argc, *argv);
  folder = makeWorkingFolder("picture");
  std::atexit([] { std::filesystem::remove_all(folder); });
  platform = new FuzzPlatform;
  game = new GameWindow(*platform, folder.string());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string picture(reinterpret_cast<const char*>(data), size);
  if (!writeFileBytes((folder / "Dati" / "MC03004.EMX").string(), complement(picture)))
    std::abort();
  game->Destinazione = static_cast<int>(size % 2);  // the tray or the hold row
  PictureBox& target = size % 2 ? game->board.tieni[3] : game->board.dado[3];
  target.Hide();
  try {
    game->Decrypt(3, "MC03004.EMX");
    if (!target.visible() || !target.picture()) std::abort();
  } catch (const Stop&) {
  }
  return 0;
}
