// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Every picture of the game, each drawn at twice its size.

// Bitmaps and cursors as board/assets.h names them; the cursors put their
// hot spot where cursor::hotSpot says.
QImage openTray();           // bitmap::kOpenTray
QImage closedTray();         // bitmap::kClosedTray
QImage shakenTray(int way);  // bitmap::kTrayTiltedLeft (way -1), kTrayTiltedRight (way +1)
QImage diceCup();            // bitmap::kDiceCup
QImage woodTile();           // bitmap::kWoodTile
QImage holdRowFelt();        // bitmap::kHoldRowFelt
QImage tallCredits();        // bitmap::kTallCredits
QImage creditsBanner();      // bitmap::kCreditsBanner
QImage handCursor();         // cursor::kHand
QImage helpCursor();         // cursor::kQuestion
QImage windowIcon();         // 46 x 46
QImage appIcon(int pixels);  // the same two dice, for the desktop's menus

// A 49 x 49 die picture with a transparent ground, turned by degrees.
QImage diePicture(int face, int degrees);
