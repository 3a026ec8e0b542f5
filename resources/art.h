#pragma once

#include <QImage>

// Every picture of the game, each drawn at twice its size.

QImage openTray();           // bitmap101: the tray with its lid folded back
QImage closedTray();         // bitmap103
QImage shakenTray(int way);  // bitmap106 (way -1) and bitmap107 (way +1)
QImage diceCup();            // bitmap102
QImage woodTile();           // bitmap104
QImage holdRowFelt();        // bitmap105
QImage tallCredits();        // bitmap108
QImage creditsBanner();      // bitmap109
QImage handCursor();         // cursor101, hot spot (12, 1)
QImage helpCursor();         // cursor102, hot spot (2, 4)
QImage windowIcon();             // 46 x 46
QImage appIcon(int pixels);      // the same two dice, for the desktop's menus

// A 49 x 49 die picture with a transparent ground, turned by degrees.
QImage diePicture(int face, int degrees);
