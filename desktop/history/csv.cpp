// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history/csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>

#include "desktop/history/store.h"

namespace {

QString say(const char* text) { return QCoreApplication::translate("HistoryCsv", text); }

QString field(const QVariant& v) {
  QString text = v.isNull() ? QString() : v.toString();
  if (text.contains(QRegularExpression("[\",\\n\\r]")))
    text = '"' + text.replace("\"", "\"\"") + '"';
  return text;
}

bool writeQuery(QSqlQuery& q, const QString& sql, const QString& file, QString* whyNot) {
  if (!q.exec(sql)) {
    *whyNot = q.lastError().text();
    return false;
  }
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) {
    *whyNot = out.errorString();
    return false;
  }
  const QSqlRecord columns = q.record();
  QStringList row;
  for (int c = 0; c < columns.count(); ++c) row << columns.fieldName(c);
  out.write(row.join(',').toUtf8() + "\r\n");
  while (q.next()) {
    row.clear();
    for (int c = 0; c < columns.count(); ++c) row << field(q.value(c));
    out.write(row.join(',').toUtf8() + "\r\n");
  }
  if (!out.commit()) {
    *whyNot = out.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool writeHistoryCsv(HistoryStore& store, const QString& folder, QString* whyNot) {
  QSqlDatabase db = store.database();
  if (!db.isOpen()) {
    *whyNot = store.notices().value(store.notices().size() - 1,
                                    say(QT_TRANSLATE_NOOP("HistoryCsv", "la storia non si apre")));
    return false;
  }
  QString seats;
  for (int seat : {1, 2})
    for (const char* c : {"name", "kind", "level", "upper_total", "bonus", "lower_total", "total"})
      seats += QStringLiteral(", p%1.").arg(seat) + c + " AS " + c + QString::number(seat);
  QSqlQuery q(db);
  q.setForwardOnly(true);
  return writeQuery(q,
                    "SELECT g.id, g.started, g.ended, g.players, g.outcome, g.winner" + seats +
                        " FROM games g LEFT JOIN players p1 ON p1.game_id = g.id AND p1.seat = 1"
                        " LEFT JOIN players p2 ON p2.game_id = g.id AND p2.seat = 2 ORDER BY g.id",
                    QDir(folder).filePath(kGamesCsv), whyNot) &&
         writeQuery(q, "SELECT * FROM turns ORDER BY game_id, turn, seat",
                    QDir(folder).filePath(kTurnsCsv), whyNot);
}

void exportHistoryCsv(HistoryStore& store, QWidget* parent) {
  const QString folder = QFileDialog::getExistingDirectory(
      parent, say(QT_TRANSLATE_NOOP("HistoryCsv", "Esporta la storia in CSV")),
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  if (folder.isEmpty()) return;
  QString whyNot;
  const QString title = say(QT_TRANSLATE_NOOP("HistoryCsv", "Esporta in CSV"));
  if (writeHistoryCsv(store, folder, &whyNot))
    QMessageBox::information(parent, title,
                             say(QT_TRANSLATE_NOOP("HistoryCsv", "Scritti %1 e %2 in %3."))
                                 .arg(kGamesCsv, kTurnsCsv, folder));
  else
    QMessageBox::warning(
        parent, title,
        say(QT_TRANSLATE_NOOP("HistoryCsv", "Esportazione non riuscita: %1")).arg(whyNot));
}

std::vector<QStringList> readCsv(const QString& text) {
  std::vector<QStringList> rows;
  QStringList row;
  QString cell;
  bool quoted = false, any = false;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
        cell += c, ++i;
      else if (c == '"')
        quoted = false;
      else
        cell += c;
    } else if (c == '"') {
      quoted = any = true;
    } else if (c == ',') {
      row << cell, cell.clear(), any = true;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      row << cell, cell.clear();
      rows.push_back(row), row.clear(), any = false;
    } else {
      cell += c, any = true;
    }
  }
  if (any || !cell.isEmpty()) row << cell, rows.push_back(row);
  return rows;
}
