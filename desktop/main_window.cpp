// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QValidator>

#include "desktop/board_widget.h"
#include "desktop/computer_player.h"
#include "desktop/history_link.h"
#include "desktop/key_list.h"
#include "desktop/language.h"
#include "desktop/player_aids.h"
#include "desktop/qt_platform.h"
#include "flow/game_window.h"
#include "flow/moves.h"
#include "media/player_name.h"

namespace {

// After the name entry opens, long enough for it to be drawn first.
constexpr std::chrono::milliseconds kSoundSetUpDelay{250};

// Holds the name field to the game's name rule after every change of its
// text, whatever made it: typing, pasting by key, menu or middle click,
// dropping, an input method. Qt runs every such change through here.
class NameRule : public QValidator {
 public:
  NameRule(QtPlatform& platform, QObject* parent) : QValidator(parent), platform_(platform) {}

  State validate(QString& text, int& cursor) const override {
    const NameEdit edit =
        fitNameEdit(accepted_.toStdString(), text.toStdString(),
                    [this](const std::string& t) { return platform_.upperCase(t); });
    const QString fitted = QString::fromStdString(edit.text);
    if (fitted != text) {
      text = fitted;
      cursor = static_cast<int>(edit.cursor);
    }
    accepted_ = text;
    return Acceptable;
  }

 private:
  QtPlatform& platform_;
  mutable QString accepted_;  // the text as the rule last left it
};

}  // namespace

MainWindow::MainWindow(GameWindow& game, QtPlatform& platform) : game_(game), platform_(platform) {
  Board& b = game.board;
  setWindowTitle("PENTARO");

  QMenu* menu = gameMenu_ = menuBar()->addMenu(tr("&Game"));
  QAction* one = addMenuItem(menu, b.Play1, {Move::OnePlayer});
  one->setCheckable(true);
  one->setShortcut(shortcutOf(kPlayersKeys, 0));
  QAction* two = addMenuItem(menu, b.Play2, {Move::TwoPlayers});
  two->setCheckable(true);
  two->setShortcut(shortcutOf(kPlayersKeys, 1));
  QAction* start = addMenuItem(menu, b.Gioca, {Move::Start});
  start->setShortcut(shortcutOf(kStartKey));
  addMenuItem(menu, b.basta, {Move::Abandon})->setShortcut(shortcutOf(kAbandonKey));

  // During the computer's turn the board is its own: the player's pointer
  // and clicks there do nothing.
  computer_ = new ComputerPlayer(*this, game);
  opponentMenu_ = menuBar()->addMenu(tr("Avversario"));
  computer_->addMenu(opponentMenu_);
  board_ = new BoardWidget(
      b,
      [this](const std::function<void()>& h) {
        if (!computer_->hasTheBoard()) run(h);
      },
      [this](Element& e) {
        if (!computer_->hasTheBoard()) run([&] { click(game_, e); });
      },
      this);
  setCentralWidget(board_);
  auto* kept = new HistoryLink(*this, game);
  // The history tells a computer in the second seat from a person, by its level.
  kept->recorder().begun = [this, kept](const history::Game&) {
    const auto level = computer_->level();
    if (!level || !game_.ComputerSeat[1]) return;
    const QString name = QString::fromStdString(advisor::levelName(*level));
    kept->recorder().setComputer(1, name.toLower().toStdString());
  };
  aids_ = new PlayerAids(*this, game);
  language::addMenu(menuBar());

  for (QTimer* t : {&timer1_, &timer2_}) t->setTimerType(Qt::PreciseTimer);
  timer2_.setSingleShot(true);
  connect(&timer1_, &QTimer::timeout, this, [this] { run([this] { game_.Timer1_Timer(); }); });
  connect(&timer2_, &QTimer::timeout, this, &MainWindow::onTurnTimer);

  platform.attach(
      this, [this] { syncFromGame(); }, [this] { halt(); });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // The icon is not in the first frame: it is read once that is on the screen.
  connect(
      board_, &BoardWidget::firstPainted, this, [this] { setWindowIcon(gameIcon()); },
      Qt::QueuedConnection);
}

QIcon MainWindow::gameIcon() { return QIcon(":/art/icon.png"); }  // it finds the @2x one itself

QLineEdit* MainWindow::nameField() {
  if (nameField_) return nameField_;
  nameField_ = new QLineEdit(board_);
  // A game begins with its names, and its first sound follows them: the
  // sound is set up while they are typed, so a window only looked at never
  // loads it.
  QTimer::singleShot(kSoundSetUpDelay, this, [this] { platform_.setUpSound(); });
  nameField_->setGeometry(BoardWidget::toPixels(game_.board.Text1.windowPlace()));
  // The length is the name rule's, counted after upper-casing; a limit of
  // the field's own would cut a paste before the rule could sort it.
  nameField_->setValidator(new NameRule(platform_, nameField_));
  nameField_->setAlignment(Qt::AlignCenter);
  nameField_->setFrame(false);
  nameField_->setFont(BoardWidget::boardFont(game_.board.Text1.font));
  QPalette colours = nameField_->palette();
  colours.setColor(QPalette::Text, QColor(game_.board.Text1.fore.r, game_.board.Text1.fore.g,
                                          game_.board.Text1.fore.b));
  colours.setColor(QPalette::Base, QColor(game_.board.Text1.back.r, game_.board.Text1.back.g,
                                          game_.board.Text1.back.b));
  nameField_->setPalette(colours);
  nameField_->setContextMenuPolicy(Qt::NoContextMenu);
  nameField_->installEventFilter(this);
  connect(nameField_, &QLineEdit::textEdited, this,
          [this](const QString& text) { game_.board.Text1.setText(text.toStdString()); });

  return nameField_;
}

QAction* MainWindow::addMenuItem(QMenu* menu, MenuItem& item, const Move& command) {
  QAction* action = menu->addAction(language::shown(item.caption));
  connect(action, &QAction::triggered, this, [this, command] { play(command); });
  menuItems_.emplace_back(action, &item);
  return action;
}

void MainWindow::run(const std::function<void()>& handler) {
  if (halted_ || platform_.halted() || game_.closing()) return;
  catchUpTurnTimer();
  handler();
  syncFromGame();
}

void MainWindow::play(const Move& move) {
  // The menu stays the player's; the board is the computer's in its turn.
  const bool onBoard = move.kind < Move::OnePlayer;
  if (onBoard && computer_->hasTheBoard()) return;
  run([&] { ::play(game_, move); });
}

void MainWindow::onTurnTimer() {
  if (halted_ || platform_.halted() || game_.closing()) return;
  catchUpTurnTimer();
  syncFromGame(true);
}

// Runs the turn timer's ticks that are due by now.
void MainWindow::catchUpTurnTimer() {
  if (!turnTimerOn_) return;
  const qint64 period = qint64(game_.board.Timer2.Interval) * 1000000;
  for (qint64 now = platform_.monotonicNanoseconds(); now - lastTurnTickNs_ >= period;) {
    lastTurnTickNs_ += period;
    game_.Timer2_Timer();
    if (!game_.board.Timer2.Enabled) break;
  }
}

// Wakes at the next tick that may change the board: the very next one
// after any other event, a later one after a tick of its own.
void MainWindow::syncTurnTimer(bool afterTick) {
  const Timer& model = game_.board.Timer2;
  const bool enabled = model.Enabled && !halted_;
  if (!enabled) {
    turnTimerOn_ = false;
    timer2_.stop();
    return;
  }
  if (!turnTimerOn_) {  // switched on now; a running one keeps its period
    turnTimerOn_ = true;
    lastTurnTickNs_ = platform_.monotonicNanoseconds();
  }
  const qint64 period = qint64(model.Interval) * 1000000;
  const int ticks = afterTick ? game_.quietTurnTicks() + 1 : 1;
  const qint64 due = lastTurnTickNs_ + ticks * period - platform_.monotonicNanoseconds();
  timer2_.start(std::max<qint64>(0, (due + 999999) / 1000000));
}

void MainWindow::syncBlinker(bool enabled, int interval) {
  if (halted_) enabled = false;
  // Switching on a timer that runs already must not restart its period.
  if (enabled && !timer1_.isActive()) timer1_.start(interval);
  if (!enabled && timer1_.isActive()) timer1_.stop();
}

void MainWindow::syncFromGame(bool afterTick) {
  Board& b = game_.board;
  for (auto& [action, item] : menuItems_) {
    action->setChecked(item->Checked);
    action->setEnabled(item->Enabled);
  }
  syncBlinker(b.Timer1.Enabled, b.Timer1.Interval);
  syncTurnTimer(afterTick);
  if (nameField_ || b.Text1.visible()) {
    QLineEdit* field = nameField();
    const QString text = QString::fromStdString(b.Text1.text());
    if (field->text() != text) field->setText(text);
    if (field->isVisibleTo(board_) != b.Text1.visible()) {
      field->setVisible(b.Text1.visible());
      // The player types at once; once the name is in, keys go back to the board.
      if (b.Text1.visible())
        field->setFocus();
      else
        field->clearFocus();
    }
  }
  computer_->follow();
  board_->setArrowOnly(computer_->hasTheBoard());
  board_->updatePointer();
  board_->repaintChanged();
  if (aids_) aids_->follow();
}

void MainWindow::halt() {
  halted_ = true;
  timer1_.stop();
  timer2_.stop();
}

// Enter accepts the name; the game may also refuse a character.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == nameField_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
      code = 13;
    else if (!key->text().isEmpty() && key->text().at(0).isPrint())
      code = static_cast<int>(key->text().toUcs4().value(0));
    if (code == 0) return false;  // editing keys belong to the field
    bool discard = false;
    run([&] {
      game_.Text1_KeyPress(code);
      discard = code == 0;
    });
    return discard;
  }
  return QMainWindow::eventFilter(watched, event);
}

// Another language: the menu reads anew, and the advice with it.
void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    gameMenu_->setTitle(tr("&Game"));
    opponentMenu_->setTitle(tr("Avversario"));
    computer_->retranslate();
    for (auto& [action, item] : menuItems_) action->setText(language::shown(item->caption));
    if (aids_) {
      aids_->retranslate();
      aids_->follow();
    }
  }
  QMainWindow::changeEvent(event);
}

// Closing ends every wait: the procedure that waited gives up and the
// program ends cleanly.
void MainWindow::closeEvent(QCloseEvent* event) {
  game_.Close();
  platform_.cancelWaits();
  syncFromGame();
  event->accept();
}
