// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class HistoryStore;
class QWidget;

// The games file, one row per game, and the turns file, one row per turn.
inline constexpr char kGamesCsv[] = "pentaro-partite.csv";
inline constexpr char kTurnsCsv[] = "pentaro-turni.csv";

// Writes both files into `folder`; the reason when it cannot.
bool writeHistoryCsv(HistoryStore& store, const QString& folder, QString* whyNot);
// Asks the player for a folder and writes there.
void exportHistoryCsv(HistoryStore& store, QWidget* parent);
// The rows of a CSV text, fields unquoted.
std::vector<QStringList> readCsv(const QString& text);
