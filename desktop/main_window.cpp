#include "desktop/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include "desktop/board_widget.h"
#include "desktop/qt_platform.h"
#include "flow/game_window.h"

MainWindow::MainWindow(GameWindow& game, QtPlatform& platform)
    : game_(game), platform_(platform) {
  Board& b = game.board;
  setWindowTitle("PENTARO");
  setWindowIcon(QIcon(":/art/icon.png"));

  QMenu* menu = menuBar()->addMenu("Game");
  addMenuItem(menu, b.Play1, [&game] { game.Play1_Click(); })->setCheckable(true);
  addMenuItem(menu, b.Play2, [&game] { game.Play2_Click(); })->setCheckable(true);
  addMenuItem(menu, b.Gioca, [&game] { game.Gioca_Click(); });
  addMenuItem(menu, b.basta, [&game] { game.basta_Click(); });

  board_ = new BoardWidget(b, [this](const std::function<void()>& h) { run(h); }, this);
  setCentralWidget(board_);

  nameField_ = new QLineEdit(board_);
  nameField_->setGeometry(BoardWidget::toPixels(b.Text1.windowPlace()));
  nameField_->setMaxLength(b.Text1.maxLength);
  nameField_->setAlignment(Qt::AlignCenter);
  nameField_->setFrame(false);
  QFont font = nameField_->font();
  font.setPixelSize(static_cast<int>(b.Text1.font.points * 96 / 72));
  font.setBold(b.Text1.font.bold);
  nameField_->setFont(font);
  nameField_->setStyleSheet(QString("QLineEdit { color: rgb(%1,%2,%3); background: rgb(%4,%5,%6); }")
                                .arg(b.Text1.fore.r).arg(b.Text1.fore.g).arg(b.Text1.fore.b)
                                .arg(b.Text1.back.r).arg(b.Text1.back.g).arg(b.Text1.back.b));
  nameField_->setContextMenuPolicy(Qt::NoContextMenu);
  nameField_->installEventFilter(this);
  nameField_->hide();
  connect(nameField_, &QLineEdit::textEdited, this,
          [this](const QString& text) { game_.board.Text1.setText(text.toStdString()); });

  for (QTimer* t : {&timer1_, &timer2_}) t->setTimerType(Qt::PreciseTimer);
  connect(&timer1_, &QTimer::timeout, this, [this] { run([this] { game_.Timer1_Timer(); }); });
  connect(&timer2_, &QTimer::timeout, this, [this] { run([this] { game_.Timer2_Timer(); }); });

  platform.attach(this, [this] { syncFromGame(); }, [this] { halt(); });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QAction* MainWindow::addMenuItem(QMenu* menu, MenuItem& item, std::function<void()> handler) {
  QAction* action = menu->addAction(QString::fromStdString(item.caption));
  connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
  menuItems_.emplace_back(action, &item);
  return action;
}

void MainWindow::run(const std::function<void()>& handler) {
  if (halted_ || platform_.halted() || game_.closing()) return;
  handler();
  syncFromGame();
}

void MainWindow::syncTimer(QTimer& timer, bool enabled, int interval) {
  if (halted_) enabled = false;
  // Switching on a timer that runs already must not restart its period.
  if (enabled && !timer.isActive()) timer.start(interval);
  if (!enabled && timer.isActive()) timer.stop();
}

void MainWindow::syncFromGame() {
  Board& b = game_.board;
  for (auto& [action, item] : menuItems_) {
    action->setChecked(item->Checked);
    action->setEnabled(item->Enabled);
  }
  syncTimer(timer1_, b.Timer1.Enabled, b.Timer1.Interval);
  syncTimer(timer2_, b.Timer2.Enabled, b.Timer2.Interval);

  const QString text = QString::fromStdString(b.Text1.text());
  if (nameField_->text() != text) nameField_->setText(text);
  if (nameField_->isVisibleTo(board_) != b.Text1.visible()) {
    nameField_->setVisible(b.Text1.visible());
    if (b.Text1.visible()) nameField_->setFocus();  // the player types at once
  }
  board_->updatePointer();
  board_->repaintChanged();
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

// Closing ends every wait: the procedure that waited gives up and the
// program ends cleanly.
void MainWindow::closeEvent(QCloseEvent* event) {
  game_.Close();
  platform_.cancelWaits();
  syncFromGame();
  event->accept();
}
