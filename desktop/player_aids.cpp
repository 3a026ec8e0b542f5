// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/player_aids.h"

#include <QEvent>
#include <QMenuBar>
#include <QMessageBox>

#include "desktop/advice_request.h"
#include "desktop/advisor_tables.h"
#include "desktop/board_overlay.h"
#include "desktop/board_widget.h"
#include "desktop/key_list.h"
#include "desktop/keyboard.h"
#include "desktop/main_window.h"
#include "desktop/rules_window.h"
#include "flow/game_window.h"

PlayerAids::PlayerAids(MainWindow& window, GameWindow& game)
    : QObject(&window),
      window_(window),
      game_(game),
      keys_(new KeyboardPlay(window, game)),
      advice_(new AdviceRequest(game, this)),
      overlay_(new BoardOverlay(game, *keys_, *advice_, window.boardWidget())) {
  menu_ = window.menuBar()->addMenu(QString());
  advise_ = menu_->addAction(QString(), shortcutOf(kAdviceKey), advice_, &AdviceRequest::ask);
  showRules_ = menu_->addAction(QString(), shortcutOf(kRulesKey), this, &PlayerAids::showRules);
  showAbout_ = menu_->addAction(QString(), this, &PlayerAids::showAbout);
  retranslate();

  // The advice holds until the player's next action: a click, a key, a command.
  connect(keys_, &KeyboardPlay::acting, advice_, &AdviceRequest::dismiss);
  connect(window.menuBar()->actions().first()->menu(), &QMenu::triggered, advice_,
          &AdviceRequest::dismiss);
  window.boardWidget()->installEventFilter(this);

  connect(keys_, &KeyboardPlay::changed, overlay_, &BoardOverlay::refresh);
  connect(advice_, &AdviceRequest::changed, overlay_, &BoardOverlay::refresh);
}

void PlayerAids::retranslate() {
  menu_->setTitle(tr("&Aiuto"));
  advise_->setText(tr("Consiglio"));
  showRules_->setText(tr("Regole del gioco"));
  showAbout_->setText(tr("Informazioni su PENTARO"));
  if (about_) {
    about_->setWindowTitle(tr("Informazioni su PENTARO"));
    about_->setText(aboutText());
  }
}

void PlayerAids::follow() {
  // A game starts with its names: the tables are worked out while they are typed.
  if (game_.board.Text1.visible()) prepareTables();
  keys_->follow();
  advice_->follow();
  overlay_->refresh();
}

bool PlayerAids::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
    advice_->dismiss();
  return false;
}

void PlayerAids::showRules() {
  if (!rules_) rules_ = new RulesWindow(game_.board, &window_);
  rules_->show();
  rules_->raise();
  rules_->activateWindow();
}

// Opened without a loop of its own, so a throw under way goes on meanwhile.
void PlayerAids::showAbout() {
  if (about_) {
    about_->raise();
    return;
  }
  auto* box = new QMessageBox(QMessageBox::NoIcon, tr("Informazioni su PENTARO"), aboutText(),
                              QMessageBox::Ok, &window_);
  box->setIconPixmap(MainWindow::gameIcon().pixmap(64, 64));
  box->setAttribute(Qt::WA_DeleteOnClose);
  about_ = box;
  box->open();
}
