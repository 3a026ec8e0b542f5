// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "resources/art.h"
#include "resources/dice.h"
#include "resources/painting.h"
#include "resources/textures.h"

namespace {

void paintDarkFelt(QPainter& painter, QSizeF size) {
  painter.drawImage(QPointF(0, 0), feltTexture(size, QColor(26, 84, 46), 61));
  QRadialGradient dusk(QPointF(size.width() * 0.45, size.height() * 0.35), size.height() * 0.8);
  dusk.setColorAt(0, QColor(0, 0, 0, 0));
  dusk.setColorAt(1, QColor(0, 0, 0, 150));
  painter.fillRect(QRectF(QPointF(0, 0), size), dusk);
}

void paintGoldFrame(QPainter& painter, const QRectF& box, double radius) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 120), 1.6));
  painter.drawRoundedRect(box.translated(0.5, 0.6), radius, radius);
  painter.setPen(QPen(QColor(222, 176, 80), 1.1));
  painter.drawRoundedRect(box, radius, radius);
  painter.setPen(QPen(QColor(222, 176, 80, 140), 0.5));
  painter.drawRoundedRect(box.adjusted(2.5, 2.5, -2.5, -2.5), radius - 1.5, radius - 1.5);
  painter.restore();
}

}  // namespace

// The game covers the left 25 px and shows up to x 113, y 249.
QImage tallCredits() {
  QImage picture = newPicture(160, 264);
  QPainter painter(&picture);
  prepare(painter);
  paintDarkFelt(painter, QSizeF(160, 264));
  paintGoldFrame(painter, QRectF(28.5, 3.5, 81, 242), 6);

  // The name runs up the left of the panel.
  painter.save();
  painter.translate(45, 124);
  painter.rotate(-90);
  paintGoldText(painter,
                centredText(QStringLiteral("PENTARO"), letteringFont(24, true, 3), QPointF(0, 0)));
  painter.restore();

  // A tower of five dice, each set down a little askew.
  struct Stacked {
    double dx, yaw;
    int top, front, right;
  };
  const Stacked tower[] = {{-1, 14, 6, 4, 5},
                           {0.5, 6, 2, 3, 1},
                           {-0.5, 18, 4, 5, 6},
                           {0.5, 9, 3, 1, 2},
                           {0, 16, 5, 4, 1}};
  const double edge = 25;
  const double step = edge * 0.82;  // one edge, seen 35 degrees from above
  const double bottom = 178;
  QPainterPath footprint;
  footprint.addEllipse(QPointF(84, bottom + 15), 20, 5);
  painter.drawImage(QPointF(0, 0),
                    softShadow(QSize(160, 264), footprint, QPointF(3, 1), 4, QColor(0, 0, 0, 160)));
  for (int i = 0; i < 5; ++i)
    paintCubeDie(painter, QPointF(82 + tower[i].dx, bottom - step * i), edge, tower[i].yaw, 35,
                 tower[i].top, tower[i].front, tower[i].right);

  paintGoldText(
      painter, centredText(QStringLiteral("2026"), letteringFont(14, true, 1.5), QPointF(69, 228)));
  painter.end();
  return opaque(picture);
}

// Shown squeezed into 113 x 33 px.
QImage creditsBanner() {
  QImage picture = newPicture(160, 43);
  QPainter painter(&picture);
  prepare(painter);
  QLinearGradient ground(QPointF(0, 0), QPointF(0, 43));
  ground.setColorAt(0.0, QColor(44, 30, 22));
  ground.setColorAt(0.5, QColor(24, 16, 12));
  ground.setColorAt(1.0, QColor(12, 8, 6));
  painter.fillRect(QRectF(0, 0, 160, 43), ground);
  QRadialGradient glow(QPointF(96, 22), 70);
  glow.setColorAt(0, QColor(40, 120, 60, 110));
  glow.setColorAt(1, QColor(40, 120, 60, 0));
  painter.fillRect(QRectF(0, 0, 160, 43), glow);
  paintGoldFrame(painter, QRectF(1.5, 1.5, 157, 40), 5);
  paintFlatDie(painter, QPointF(24, 21.5), 24, -14, 5);
  paintGoldText(painter, centredText(QStringLiteral("PENTARO"), letteringFont(18, true, 1.5),
                                     QPointF(97, 22)));
  painter.end();
  return opaque(picture);
}
