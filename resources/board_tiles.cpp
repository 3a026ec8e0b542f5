// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>

#include "resources/art.h"
#include "resources/painting.h"
#include "resources/textures.h"

QImage woodTile() {
  // Exactly one repeat of the grain, so the tiles meet without seams.
  return opaque(woodTexture(QSizeF(64, 64), kTableWood, QSizeF(64, 64)));
}

QImage holdRowFelt() {
  QImage picture = newPicture(217, 59);
  QPainter painter(&picture);
  prepare(painter);
  painter.drawImage(QPointF(0, 0), feltTexture(QSizeF(217, 59), kFeltGreen, 17));
  // The game shows the top-left 209 x 49 of this strip.
  const QRectF shown(0, 0, 209, 49);
  auto shade = [&](QPointF from, QPointF to, int alpha) {
    QLinearGradient g(from, to);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(shown, g);
  };
  shade(shown.topLeft(), shown.topLeft() + QPointF(0, 7), 150);
  shade(shown.topLeft(), shown.topLeft() + QPointF(6, 0), 120);
  shade(shown.bottomLeft(), shown.bottomLeft() - QPointF(0, 4), 90);
  shade(shown.topRight(), shown.topRight() - QPointF(4, 0), 90);
  // A stitched seam: dark thread sunk into the felt with a lit edge beside it.
  const QRectF seam = shown.adjusted(4.5, 4.5, -4.5, -4.5);
  QPen stitch(QColor(10, 45, 20, 220), 1.1);
  stitch.setDashPattern({2.6, 2.2});
  stitch.setCapStyle(Qt::RoundCap);
  QPen lit = stitch;
  lit.setColor(QColor(150, 220, 150, 70));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(lit);
  painter.drawRoundedRect(seam.translated(0.5, 0.6), 4, 4);
  painter.setPen(stitch);
  painter.drawRoundedRect(seam, 4, 4);
  painter.end();
  return opaque(picture);
}
