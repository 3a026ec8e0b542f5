// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "advisor/advice.h"
#include "advisor/levels.h"

// Lowers the calling thread's priority, and that of the threads it starts:
// the game's window keeps the cores it wants.
void runAtLowPriority();

// A table worked out once a run on threads of its own, at low priority, for
// whoever needs it. Only the window's thread calls it.
template <class T>
class BackgroundTable {
 public:
  using Ready = std::function<void(const std::shared_ptr<const T>&)>;
  using Make = std::function<std::shared_ptr<const T>(const std::atomic<bool>& cancelled)>;

  explicit BackgroundTable(Make make) : make_(std::move(make)) {}
  // A run that ends meanwhile does not wait for the table.
  ~BackgroundTable() {
    cancelled_ = true;
    if (worker_.joinable()) worker_.join();
  }

  // Starts the work unless it is done or under way; cheap, so call it
  // whenever the table may soon be wanted.
  void ensureSolving() {
    if (worker_.joinable()) return;
    notifier_ = std::make_unique<QObject>();
    worker_ = std::thread([this] {
      runAtLowPriority();
      std::shared_ptr<const T> table = make_(cancelled_);
      {
        std::lock_guard lock(mutex_);
        table_ = std::move(table);
      }
      QMetaObject::invokeMethod(notifier_.get(), [this] { tell(); }, Qt::QueuedConnection);
    });
  }

  bool started() const { return worker_.joinable(); }

  // The table, or null while it is being worked out.
  std::shared_ptr<const T> table() const {
    std::lock_guard lock(mutex_);
    return table_;
  }

  // Calls `ready` with the table once it is there (at once if it is), unless
  // `context` is gone by then; starts the work if need be.
  void whenReady(QObject* context, Ready ready) {
    if (auto t = table()) return ready(t);
    waiting_.emplace_back(context, std::move(ready));
    ensureSolving();
  }

 private:
  void tell() {
    const auto t = table();
    for (auto& [context, ready] : std::exchange(waiting_, {}))
      if (context) ready(t);
  }

  Make make_;
  std::atomic<bool> cancelled_ = false;
  mutable std::mutex mutex_;
  std::shared_ptr<const T> table_;
  std::vector<std::pair<QPointer<QObject>, Ready>> waiting_;
  std::unique_ptr<QObject> notifier_;  // brings the news to the window's thread
  std::thread worker_;
};

// The advisor's solved game.
BackgroundTable<advisor::Strategy>& strategyTable();

// What a game for two and the computer players read: the solved game and
// its spread, worked out once the solved game is there.
BackgroundTable<advisor::Tables>& levelTables();
// Calls `ready` with them once they are there (at once if they are), unless
// `context` is gone by then; starts the work if need be.
void whenLevelTablesReady(QObject* context,
                          std::function<void(const std::shared_ptr<const advisor::Tables>&)> ready);

// A game is starting: every table its play may ask for is started, so it is
// ready by the time it is wanted.
void prepareTables();
