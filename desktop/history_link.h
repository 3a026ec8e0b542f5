// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

#include "desktop/history_module.h"
#include "history/recorder.h"

class GameWindow;
class QMainWindow;
class QMenu;

// Keeps every game in the history and offers the "Storia" menu. The history
// module is loaded at the first turn to keep or the first use of the menu.
class HistoryLink : public QObject {
  Q_OBJECT
 public:
  HistoryLink(QMainWindow& window, GameWindow& game);
  ~HistoryLink() override;

  // The folder the module is loaded from; the program's own when empty.
  static QString moduleFolder;

  history::Recorder& recorder() { return recorder_; }
  // The module, loaded now if need be; null when it cannot be.
  HistoryModule* module();
  QMenu* menu() const { return menu_; }

 private:
  QMainWindow& window_;
  GameWindow& game_;
  history::Recorder recorder_;
  std::unique_ptr<HistoryModule> module_;
  bool tried_ = false;
  QMenu* menu_;
};
