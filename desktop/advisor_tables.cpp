// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/advisor_tables.h"

#include <sys/resource.h>

#include "advisor/dice_sets.h"

void runAtLowPriority() {
  // On Linux the nice value is the thread's own, and its new threads inherit it.
  setpriority(PRIO_PROCESS, 0, 10);
}

BackgroundTable<advisor::Strategy>& strategyTable() {
  // The dice sets the solver reads are made first, so they outlive the table,
  // whose end stops the solver.
  static BackgroundTable<advisor::Strategy> table(
      (advisor::DiceSets::get(),
       [](const std::atomic<bool>& cancelled) { return advisor::solve(&cancelled); }));
  return table;
}

BackgroundTable<advisor::Tables>& levelTables() {
  // Asked for only once the strategy is there, which it outlives.
  static BackgroundTable<advisor::Tables> table([](const std::atomic<bool>& cancelled) {
    return advisor::setUpTables(strategyTable().table(), &cancelled);
  });
  return table;
}

void whenLevelTablesReady(QObject* context,
                          std::function<void(const std::shared_ptr<const advisor::Tables>&)> ready) {
  if (auto t = levelTables().table()) return ready(t);
  strategyTable().whenReady(context, [context, ready = std::move(ready)](const auto&) {
    levelTables().whenReady(context, ready);
  });
}

void prepareTables() { strategyTable().ensureSolving(); }
