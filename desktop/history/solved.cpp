// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history/solved.h"

#include <QCoreApplication>
#include <QPointer>
#include <thread>
#include <vector>

#include "advisor/advice.h"
#include "advisor/perfect_play.h"

namespace {

struct Waiting {
  QPointer<QObject> context;
  std::function<void(const Solved&)> ready;
};

std::shared_ptr<const Solved> solved;  // touched on the window's thread only
std::vector<Waiting> waiting;
bool started = false;

}  // namespace

void whenSolved(QObject* context, std::function<void(const Solved&)> ready) {
  if (solved) {
    ready(*solved);
    return;
  }
  waiting.push_back({context, std::move(ready)});
  if (std::exchange(started, true)) return;
  std::thread([] {
    auto result = std::make_shared<Solved>();
    result->strategy = advisor::solve();
    result->boxMeans = advisor::perfectPlayMeans(*result->strategy);
    QMetaObject::invokeMethod(qApp, [result] {
      solved = result;
      for (Waiting& w : std::exchange(waiting, {}))
        if (w.context) w.ready(*solved);
    });
  }).detach();
}
