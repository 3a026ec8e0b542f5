// SPDX-License-Identifier: GPL-3.0-or-later
#include "flow/game_window.h"
#include "flow/number_text.h"
#include "media/complement.h"
#include "media/files.h"
#include "media/picture_chunks.h"
#include "media/stop_messages.h"

std::string uprightDieFile(int face) { return "MC0000" + numberText(face) + ".EMX"; }

// Decodes one die picture from the data folder and shows it in the element
// chosen by Destinazione. A missing or damaged file ends the game, and so
// does a picture that claims more than it holds.
void GameWindow::Decrypt(int pos, const std::string& file) {
  const std::string temp = dataPath("MC00000.ICO");
  removeFile(temp);
  const auto coded = readFileBytes(dataPath(file));
  if (!coded) platform_.fatal(kStopTitle, kDataMessage);
  const std::string decoded = complement(*coded);
  if (!pngChunksFitFile(decoded) || !writeFileBytes(temp, decoded))
    platform_.fatal(kStopTitle, kDataMessage);

  PictureBox* target = nullptr;
  if (Destinazione == destinazione::kMiniature) target = &board.mini[pos];
  if (Destinazione == destinazione::kTray) target = &board.dado[pos];
  if (Destinazione == destinazione::kHoldRow) target = &board.tieni[pos];
  if (target) {
    PictureRef picture = platform_.loadPictureFile(temp, decoded);
    if (!picture) platform_.fatal(kStopTitle, kDataMessage);
    target->setPicture(std::move(picture));
    target->Show();
  }
  if (!removeFile(temp)) platform_.fatal(kStopTitle, kDataMessage);
}
