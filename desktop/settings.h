// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The player's choices kept for the next start, in the per-user settings
// file (organisation and application "pentaro"). A missing, unreadable or
// damaged file, or a value the game does not know, gives the default,
// silently: a choice is a comfort, never a reason not to play.
namespace settings {

// The value kept under key when it is one of allowed, otherwise the first of allowed.
QString choice(const QString& key, const QStringList& allowed);
void keep(const QString& key, const QString& value);

}  // namespace settings
