// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <utility>

#include "desktop/game_texts.h"
#include "desktop/settings.h"

namespace {

const char kLanguageKey[] = "language";
const QStringList kLanguages = {"it", "en"};  // the first is the default

QTranslator* installed = nullptr;

QTranslator& englishTranslator() {
  static QTranslator* t = [] {
    auto* made = new QTranslator(QCoreApplication::instance());
    if (!made->load(":/i18n/pentaro_en.qm")) qWarning("PENTARO: the English texts are missing");
    return made;
  }();
  return *t;
}

// "2° TIRO" -> "%1° TIRO" and 2.
std::pair<QString, QString> numberAsPlaceholder(const QString& text) {
  static const QRegularExpression digits("\\d+");
  const QRegularExpressionMatch m = digits.match(text);
  if (!m.hasMatch()) return {};
  QString pattern = text;
  return {pattern.replace(m.capturedStart(), m.capturedLength(), "%1"), m.captured()};
}

}  // namespace

namespace language {

void apply(bool english) {
  if ((installed != nullptr) == english) return;
  if (english) {
    installed = &englishTranslator();
    QCoreApplication::installTranslator(installed);
  } else {
    QCoreApplication::removeTranslator(std::exchange(installed, nullptr));
  }
  // The windows hear of it through posted events: deliver them now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void applyKept() { apply(settings::choice(kLanguageKey, kLanguages) == "en"); }

bool english() { return installed != nullptr; }

void choose(bool english) {
  apply(english);
  settings::keep(kLanguageKey, kLanguages[english ? 1 : 0]);
}

QString translated(const QTranslator& translator, const QString& text) {
  QString t = translator.translate(kGameTextContext, text.toUtf8().constData());
  if (!t.isEmpty()) return t;
  const auto [pattern, number] = numberAsPlaceholder(text);
  if (pattern.isEmpty()) return {};
  t = translator.translate(kGameTextContext, pattern.toUtf8().constData());
  return t.isEmpty() ? QString() : t.arg(number);
}

QString shown(const std::string& text) {
  const QString source = QString::fromStdString(text);
  if (!installed || source.isEmpty()) return source;
  const QString t = translated(*installed, source);
  return t.isEmpty() ? source : t;
}

void addMenu(QMenuBar* bar) {
  QMenu* menu = bar->addMenu(QString());
  auto* group = new QActionGroup(menu);
  // Each language is named in its own words, whatever the game speaks now.
  for (const auto& [name, isEnglish] : {std::pair{"Italiano", false}, std::pair{"English", true}}) {
    QAction* a = menu->addAction(name, [isEnglish] { choose(isEnglish); });
    a->setCheckable(true);
    a->setChecked(english() == isEnglish);
    group->addAction(a);
  }
  follow(menu, [menu] { menu->setTitle(QCoreApplication::translate("Language", "&Lingua")); });
}

void follow(QWidget* widget, std::function<void()> name) {
  struct Follower : QObject {
    std::function<void()> name;
    Follower(QWidget* w, std::function<void()> n) : QObject(w), name(std::move(n)) {
      w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::LanguageChange) name();
      return false;
    }
  };
  name();
  new Follower(widget, std::move(name));
}

}  // namespace language
