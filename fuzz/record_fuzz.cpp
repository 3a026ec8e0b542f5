// SPDX-License-Identifier: GPL-3.0-or-later
// The record file as start-up finds it, whatever bytes it holds: the game
// shows a record or, for an empty file only, stops with its message. A
// record stored afterwards, with a name made by the name rule from the same
// bytes, reads back as one line showing what was stored.

#include <cstdint>
#include <cstdlib>

#include "data_folder.h"
#include "fake_platform.h"
#include "flow/game_window.h"
#include "media/player_name.h"
#include "media/text_1252.h"

namespace {

std::filesystem::path folder;

void require(bool condition) {
  if (!condition) std::abort();
}

std::string trimmed(std::string s) {
  while (!s.empty() && s.front() == ' ') s.erase(s.begin());
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  folder = makeWorkingFolder("record");
  std::atexit([] { std::filesystem::remove_all(folder); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string stored = (folder / "Dati" / "MCRC00.RCX").string();
  require(writeFileBytes(stored, bytes));

  FakePlatform platform;
  GameWindow game(platform, folder.string());
  try {
    game.Form_Load();
  } catch (const FatalExit&) {
    require(size == 0);
    return 0;
  }
  require(size > 0);
  require(!std::filesystem::exists(folder / "Dati" / "MCRC01.RCX"));

  const UpperCase upper = [&](const std::string& t) { return platform.upperCase(t); };
  const std::string name = upper(fitName(bytes.substr(0, 48), upper));
  const std::u32string letters = codePoints(name);
  require(letters.size() <= std::size_t{kNameLength});
  for (char32_t c : letters) require(nameCharacter(c));

  const std::string points = std::to_string(size % 1000);
  game.board.NomeRecord.setCaption(name);
  game.board.PuntiRecord.setCaption(points);
  game.ModoRecord = modoRecord::kStore;
  game.RECORDFile();
  const std::string plain = complement(*readFileBytes(stored));
  require(plain.size() >= 2 && plain.compare(plain.size() - 2, 2, "\r\n") == 0);
  require(plain.find_first_of("\r\n") >= 83);

  game.board.NomeRecord.setCaption("");
  game.board.PuntiRecord.setCaption("");
  game.ModoRecord = modoRecord::kRead;
  game.RECORDFile();
  require(game.board.NomeRecord.caption() == trimmed(name));
  require(game.board.PuntiRecord.caption() == points);
  return 0;
}
