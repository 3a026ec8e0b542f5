// SPDX-License-Identifier: GPL-3.0-or-later
// The window lets quiet ticks of the turn timer pass and runs them late, just
// before the next event or wake-up. The frames must blink on the very ticks
// they blink on when every tick runs on time.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimerEvent>
#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

#include "app_fixture.h"
#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "flow/game_window.h"

namespace {

// The real pictures, a clock that only the test moves, no sound.
class StillClockPlatform : public QtPlatform {
 public:
  qint64 monotonicNanoseconds() override { return now; }
  void runEventLoopUntil(double deadline) override {
    now = std::max(now, static_cast<qint64>(deadline * 1e9));
  }
  void playSound(const std::string&) override {}
  qint64 now = 0;
};

// What the player sees of the prompts after a tick: a hidden frame's colour
// is nothing to see.
using Look = std::tuple<std::optional<Color>, std::optional<Color>, std::optional<Color>, bool,
                        std::string, bool>;
Look lookOf(const Board& b) {
  auto seen = [](const Shape& s) { return s.visible() ? s.fill() : std::nullopt; };
  return {seen(b.TiroF),       seen(b.tieniF29),   seen(b.OKM),
          b.Label29.visible(), b.Label2.caption(), b.Timer1.Enabled};
}

class TurnTimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(copyBuiltData(folder.path()));
    for (GameWindow* g : {&shown, &onTime}) {
      g->Form_Load();
      g->Gioca_Click();
      g->board.Text1.setText("ugo");
    }
    // Names accepted at time 0: the turn timer starts there in both.
    window.run([this] { shown.Label1_Click(); });
    onTime.Label1_Click();
  }
  void TearDown() override { window.halt(); }

  qint64 period() const { return qint64(shown.board.Timer2.Interval) * 1000000; }
  // Ticks due by now since the timer started at time 0.
  long dueTicks() const { return static_cast<long>(platform.now / period()); }

  // The game without catch-up, brought tick by tick to the window's time.
  void catchUpOnTime() {
    for (; ticksOnTime < dueTicks(); ++ticksOnTime) {
      onTime.Timer2_Timer();
      looks.push_back(lookOf(onTime.board));
    }
  }

  // Lets the window sleep until its turn timer wakes it, then checks it.
  void wakeUp() {
    QTimer& timer = window.turnTimer();
    ASSERT_TRUE(timer.isActive());
    platform.now += qint64(timer.interval()) * 1000000;
    QTimerEvent timeout(timer.timerId());
    QCoreApplication::sendEvent(&timer, &timeout);
    catchUpOnTime();
    wokenAt.push_back(dueTicks());
    ASSERT_EQ(lookOf(shown.board), looks.back()) << "at tick " << dueTicks();
  }

  // The same handler for both games, halfway between two ticks.
  void event(const std::function<void(GameWindow&)>& handler) {
    platform.now += period() / 2;
    window.run([&] { handler(shown); });
    catchUpOnTime();
    handler(onTime);
    looks.back() = lookOf(onTime.board);
    ASSERT_EQ(lookOf(shown.board), looks.back()) << "event at tick " << dueTicks();
  }

  // Every tick that changed the look woke the window.
  void expectWokenOnEveryChange() {
    for (std::size_t t = 1; t < looks.size(); ++t) {
      if (looks[t] == looks[t - 1]) continue;
      const long tick = static_cast<long>(t) + 1;
      EXPECT_TRUE(std::find(wokenAt.begin(), wokenAt.end(), tick) != wokenAt.end())
          << "the look changed on tick " << tick << " while the window slept";
    }
  }

  QTemporaryDir folder;
  StillClockPlatform platform;
  StillClockPlatform otherPlatform;
  GameWindow shown{platform, folder.path().toStdString()};
  GameWindow onTime{otherPlatform, folder.path().toStdString()};
  MainWindow window{shown, platform};
  long ticksOnTime = 0;
  std::vector<Look> looks;  // looks[t - 1]: after tick t, without catch-up
  std::vector<long> wokenAt;
};

TEST_F(TurnTimerTest, FramesBlinkOnTheSameTicksAsWithoutCatchUp) {
  // The throw frame alone blinks; the window sleeps through most ticks.
  while (dueTicks() < 160) wakeUp();
  EXPECT_LT(wokenAt.size(), 10u);

  // A die held: "FERMATI" and its faster frame join in, out of step.
  event([](GameWindow& g) { g.Tenuto[0] = true; });
  while (dueTicks() < 300) wakeUp();

  // A tray die selected: the hold prompt takes over the timer's answer.
  event([](GameWindow& g) {
    g.Occupato[7] = true;
    g.dado_Click(7);
  });
  while (dueTicks() < 420) wakeUp();

  // Throwing over: the accept frame blinks instead of the stop frame.
  event([](GameWindow& g) {
    g.board.filtro[7].Hide();
    g.SceltaAttiva = 1;
    g.board.OKM.Show();
    g.board.TiroF.Hide();
  });
  while (dueTicks() < 600) wakeUp();

  expectWokenOnEveryChange();
}

}  // namespace
