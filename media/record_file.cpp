// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "flow/number_text.h"
#include "media/complement.h"
#include "media/files.h"
#include "media/record_line.h"
#include "media/stop_messages.h"
#include "media/text_1252.h"

namespace {

std::string firstLine(const std::string& text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

// ModoRecord kRead reads the stored record into the record panel; kStore
// stores what the panel shows. The stored file is replaced only once the new
// one is complete on disk, so a crash or a power cut leaves the old record or
// the new one.
void GameWindow::RECORDFile() {
  const std::string stored = dataPath("MCRC00.RCX");
  const std::string temp = dataPath("MCRC01.RCX");
  removeFile(temp);
  auto fail = [&] {
    removeFile(temp);
    platform_.fatal(kStopTitle, kRecordMessage);
  };
  auto show = [this](const std::string& line) {
    const RecordEntry entry = parseRecordLine(line);
    board.NomeRecord.setCaption(windows1252ToUtf8(entry.name1252));
    board.PuntiRecord.setCaption(numberText(entry.points));
  };

  if (ModoRecord == modoRecord::kRead) {
    const auto coded = readFileBytes(stored);
    if (!coded || coded->empty()) fail();
    if (!writeFileBytes(temp, complement(*coded))) fail();
    const auto plain = readFileBytes(temp);
    if (!plain) fail();
    show(firstLine(*plain));
  } else {
    const std::string line =
        buildRecordLine(utf8ToWindows1252(board.NomeRecord.caption()), board.PuntiRecord.caption(),
                        [this] { return platform_.random(); });
    show(line);
    if (!writeFileBytes(temp, encodeRecordFile(line), true)) fail();
    if (!replaceFile(temp, stored)) fail();
  }
  if (!removeFile(temp)) platform_.fatal(kStopTitle, kRecordMessage);
}
