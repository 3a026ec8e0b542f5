// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <string>

class QMenuBar;
class QTranslator;
class QWidget;

// The language the player reads the game in. Italian is the game's own and
// its default: the texts are written in it, and nothing is loaded for it.
// English comes from a translation built into the program, loaded the first
// time it is chosen. The system's locale is never asked.
namespace language {

// The choice kept from the last run; called once before the window is made.
void applyKept();
bool english();
// Applies at once: every window hears QEvent::LanguageChange before this returns.
void apply(bool english);
// Applies and keeps the choice for the next start.
void choose(bool english);

// A text of the game itself (a caption, a tip, a menu item, a stop message)
// as the player reads it. A text with a number inside that has no
// translation of its own is looked up with the number as "%1".
QString shown(const std::string& text);
// The same through the given translator; empty when it has no translation.
QString translated(const QTranslator& translator, const QString& text);

// Names a widget's texts now and again whenever the language changes.
void follow(QWidget* widget, std::function<void()> name);

// The "Lingua" menu at the end of the menu bar.
void addMenu(QMenuBar* bar);

}  // namespace language
