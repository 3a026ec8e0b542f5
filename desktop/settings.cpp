// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/settings.h"

#include <QSettings>

namespace settings {

QString choice(const QString& key, const QStringList& allowed) {
  QSettings s("pentaro", "pentaro");
  const QString kept = s.status() == QSettings::NoError ? s.value(key).toString() : QString();
  return allowed.contains(kept) ? kept : allowed.value(0);
}

void keep(const QString& key, const QString& value) {
  QSettings s("pentaro", "pentaro");
  s.setValue(key, value);
}

}  // namespace settings
