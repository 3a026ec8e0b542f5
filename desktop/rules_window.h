// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Board;

// "Regole del gioco": how a turn goes, what every box is worth, the bonus,
// the end of a game and the record, and the keys, in the board's colours.
class RulesWindow : public QDialog {
  Q_OBJECT
 public:
  RulesWindow(const Board& board, QWidget* parent);

  // The rules as the window shows them.
  static QString rulesHtml(const Board& board);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();

  const Board& board_;
  class QTextBrowser* text_;
};

// "Informazioni su PENTARO": name, version, licence, and where the pictures
// and sounds come from.
QString aboutText();
