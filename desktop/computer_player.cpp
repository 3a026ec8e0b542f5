#include "desktop/computer_player.h"

#include <QActionGroup>
#include <QMenu>

#include "advisor/computer_move.h"
#include "desktop/advisor_tables.h"
#include "desktop/main_window.h"
#include "desktop/settings.h"
#include "flow/game_window.h"

namespace {

using advisor::Level;

// The menu's items and the settings' values, in order; no computer first.
const struct {
  const char* caption;
  const char* kept;
  std::optional<Level> level;
} kChoices[] = {
    {QT_TRANSLATE_NOOP("ComputerPlayer", "Nessuno"), "none", std::nullopt},
    {QT_TRANSLATE_NOOP("ComputerPlayer", "Computer principiante"), "principiante",
     Level::kPrincipiante},
    {QT_TRANSLATE_NOOP("ComputerPlayer", "Computer esperto"), "esperto", Level::kEsperto},
    {QT_TRANSLATE_NOOP("ComputerPlayer", "Computer campione"), "campione", Level::kCampione},
};
constexpr const char* kSettingsKey = "opponent";

}  // namespace

ComputerPlayer::ComputerPlayer(MainWindow& window, GameWindow& game)
    : QObject(&window), window_(window), game_(game) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &ComputerPlayer::step);
  QStringList kept;
  for (const auto& c : kChoices) kept << c.kept;
  const QString choice = settings::choice(kSettingsKey, kept);
  for (const auto& c : kChoices)
    if (choice == c.kept) level_ = c.level;
}

void ComputerPlayer::addMenu(QMenu* menu) {
  menu_ = menu;
  auto* group = new QActionGroup(menu);
  for (const auto& c : kChoices) {
    QAction* item = menu->addAction(tr(c.caption));
    item->setCheckable(true);
    item->setChecked(c.level == level_);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, level = c.level] { choose(level); });
    items_.emplace_back(item, c.level);
  }
}

void ComputerPlayer::retranslate() {
  for (std::size_t i = 0; i < items_.size(); ++i) items_[i].first->setText(tr(kChoices[i].caption));
}

void ComputerPlayer::choose(std::optional<Level> level) {
  level_ = level;
  for (auto& [item, l] : items_) item->setChecked(l == level);
  for (const auto& c : kChoices)
    if (c.level == level) settings::keep(kSettingsKey, c.kept);
}

bool ComputerPlayer::inGame() const { return level_ && game_.NumGiocatori == 2; }

bool ComputerPlayer::hasTheBoard() const {
  return inGame() && game_.playing() && game_.Giocatore == giocatore::kSecondOfTwo;
}

void ComputerPlayer::follow() {
  // Like "1 Giocatore" and "2 Giocatori": no other opponent in mid-game.
  if (menu_) menu_->setEnabled(game_.board.Play1.Enabled);
  if (!game_.playing()) game_.ComputerSeat = {false, inGame()};
  const bool naming = inGame() && !game_.playing() &&
                      game_.Giocatore == giocatore::kFirstOfTwo && game_.board.Text1.visible();
  if (!naming && !hasTheBoard()) return timer_.stop();
  // The tables are worked out while the player types a name.
  if (*level_ != Level::kPrincipiante && !tables_ && !waitingForTables_) {
    waitingForTables_ = true;
    whenLevelTablesReady(this, [this](const auto& tables) {
      waitingForTables_ = false;
      tables_ = tables;
      follow();
    });
  }
  if (!timer_.isActive()) timer_.start(naming ? 0 : pace_);
}

void ComputerPlayer::step() {
  if (!inGame() || game_.closing()) return;
  if (!game_.playing() && game_.board.Text1.visible()) {  // its name, at once
    const QString name = QString::fromStdString(advisor::levelName(*level_));
    window_.run([&] {
      game_.board.Text1.setText(name.toStdString());
      ::play(game_, {Move::ConfirmName});
    });
    return;
  }
  if (*level_ != Level::kPrincipiante && !tables_) return;  // the tables will call again
  if (!player_ || player_->level() != *level_) player_.emplace(*level_, tables_);
  if (const auto move = advisor::nextMove(*player_, game_))
    window_.run([&] { ::play(game_, *move); });
  else
    follow();  // the board is still drawing: look again in a moment
}
