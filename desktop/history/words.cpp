// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/history/words.h"

#include <QCoreApplication>

#include "desktop/game_texts.h"
#include "scoring/categories.h"

namespace history {
namespace {

QString say(const char* text) { return QCoreApplication::translate("HistoryWords", text); }

}  // namespace

QString boxCaption(int box) {
  if (box < 0 || box >= kCategories) return {};
  return QCoreApplication::translate(kGameTextContext, kCategoryTable[box].caption).remove('"');
}

QString outcomeWords(const QString& outcome, const QVariant& winner, const QString& winnerName) {
  if (outcome == "interrotta") return say(QT_TRANSLATE_NOOP("HistoryWords", "interrotta"));
  if (outcome != "finita") return say(QT_TRANSLATE_NOOP("HistoryWords", "in corso"));
  if (winner.isNull()) return say(QT_TRANSLATE_NOOP("HistoryWords", "finita"));
  if (winner.toInt() == 0) return say(QT_TRANSLATE_NOOP("HistoryWords", "parità"));
  return say(QT_TRANSLATE_NOOP("HistoryWords", "vince %1")).arg(winnerName);
}

QString playerKind(const std::string& kind, const std::string& level) {
  if (kind != "computer") return say(QT_TRANSLATE_NOOP("HistoryWords", "persona"));
  if (level.empty()) return say(QT_TRANSLATE_NOOP("HistoryWords", "computer"));
  // The names the "Avversario" menu gives the levels.
  const QByteArray menu = "Computer " + QByteArray::fromStdString(level);
  return QCoreApplication::translate("ComputerPlayer", menu.constData());
}

QLocale numbersLocale() {
  // The translation names the locale whose way of writing numbers the windows follow.
  return QLocale(say(QT_TRANSLATE_NOOP("HistoryWords", "it_IT")));
}

}  // namespace history
