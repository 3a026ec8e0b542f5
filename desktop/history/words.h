// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>
#include <string>

// Words the history's windows share, in the language of the moment.
namespace history {

// The box's name as the sheet shows it.
QString boxCaption(int box);
// "finita", "interrotta", "parità", "vince ANNA"... from the games table:
// its outcome, its winner (seat from 1, 0 a draw, null) and the winner's name.
QString outcomeWords(const QString& outcome, const QVariant& winner, const QString& winnerName);
// "persona", or the computer and its level.
QString playerKind(const std::string& kind, const std::string& level);
// Numbers as the language writes them: 12,5 or 12.5.
QLocale numbersLocale();

}  // namespace history
