// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "resources/art.h"
#include "resources/painting.h"
#include "resources/textures.h"
#include "resources/tray_frame.h"

namespace {

// The lid stands folded back past upright behind the box: from above we
// see a strip of its felt-lined inside and its top edge.
const QRectF kLidStrip(4, 9, 289, 21);

QPainterPath lidStripOutline() {
  QPainterPath path;
  path.addRoundedRect(kLidStrip.adjusted(0, 0, 0, 6), 4, 4);
  return path;
}

void paintFeltFloor(QPainter& painter) {
  const QRectF& f = kFloorRect;
  painter.drawImage(f.topLeft(), feltTexture(f.size(), kFeltGreen, 5));
  painter.save();
  painter.setClipRect(f);
  // The light reaches the middle of the floor best.
  QRadialGradient pool(f.center() + QPointF(-20, -15), f.width() * 0.75);
  pool.setColorAt(0.0, QColor(255, 255, 220, 22));
  pool.setColorAt(0.6, QColor(0, 0, 0, 0));
  pool.setColorAt(1.0, QColor(0, 0, 0, 70));
  painter.fillRect(f, pool);
  // The rims shade the felt, most on the side away from the light.
  auto shade = [&](QRectF band, QPointF from, QPointF to, int alpha) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(0, 0, 0, alpha));
    g.setColorAt(0.35, QColor(0, 0, 0, alpha * 2 / 5));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.fillRect(band, g);
  };
  shade(QRectF(f.left(), f.top(), f.width(), 14), f.topLeft(), f.topLeft() + QPointF(0, 14), 170);
  shade(QRectF(f.left(), f.top(), 11, f.height()), f.topLeft(), f.topLeft() + QPointF(11, 0), 140);
  shade(QRectF(f.right() - 5, f.top(), 5, f.height()), f.topRight(), f.topRight() - QPointF(5, 0),
        90);
  shade(QRectF(f.left(), f.bottom() - 4, f.width(), 4), f.bottomLeft(),
        f.bottomLeft() - QPointF(0, 4), 80);
  painter.restore();
}

void paintLidStrip(QPainter& painter) {
  painter.save();
  const QPainterPath outline = lidStripOutline();
  painter.setClipRect(QRectF(0, 0, kTrayWidth, kLidStrip.bottom()));
  painter.drawImage(kLidStrip.topLeft(),
                    woodTexture(kLidStrip.size() + QSizeF(0, 6), kBoxWood, QSizeF(300, 70)));
  QPainterPath clipped = outline;
  painter.setClipPath(clipped, Qt::IntersectClip);
  // The inside of the lid faces away from the light.
  painter.fillRect(kLidStrip, QColor(30, 10, 0, 70));
  const QRectF lining = kLidStrip.adjusted(14, 5, -14, 0);
  painter.drawImage(lining.topLeft(), feltTexture(lining.size(), kFeltGreen.darker(135), 9));
  QLinearGradient dusk(lining.topLeft(), lining.bottomLeft());
  dusk.setColorAt(0, QColor(0, 0, 0, 120));
  dusk.setColorAt(1, QColor(0, 0, 0, 20));
  painter.fillRect(lining, dusk);
  painter.setPen(QPen(QColor(30, 10, 0, 160), 0.8));
  painter.drawRect(lining);
  // The lid's top edge, end-on and lit.
  QLinearGradient lip(kLidStrip.topLeft(), kLidStrip.topLeft() + QPointF(0, 4));
  lip.setColorAt(0, QColor(255, 220, 170, 150));
  lip.setColorAt(1, QColor(255, 220, 170, 0));
  painter.fillRect(QRectF(kLidStrip.left(), kLidStrip.top(), kLidStrip.width(), 4), lip);
  painter.strokePath(outline, QPen(QColor(40, 15, 0, 180), 0.8));
  painter.restore();
}

void paintHinge(QPainter& painter, double x) {
  painter.save();
  const QRectF leaf(x - 10, kBoxRect.top() - 6, 20, 13);
  QLinearGradient brass(leaf.topLeft(), leaf.bottomRight());
  brass.setColorAt(0.0, QColor(250, 225, 140));
  brass.setColorAt(0.5, QColor(190, 145, 55));
  brass.setColorAt(1.0, QColor(120, 85, 25));
  painter.setPen(QPen(QColor(70, 45, 10), 0.6));
  painter.setBrush(brass);
  painter.drawRoundedRect(leaf, 1.5, 1.5);
  // The barrel along the fold.
  const QRectF barrel(leaf.left() - 1, kBoxRect.top() - 1.8, leaf.width() + 2, 3.6);
  QLinearGradient round(barrel.topLeft(), barrel.bottomLeft());
  round.setColorAt(0.0, QColor(255, 240, 180));
  round.setColorAt(0.5, QColor(200, 150, 60));
  round.setColorAt(1.0, QColor(90, 60, 15));
  painter.setBrush(round);
  painter.drawRoundedRect(barrel, 1.8, 1.8);
  painter.setBrush(QColor(80, 55, 20));
  for (double dx : {-5.5, 5.5}) {
    painter.drawEllipse(QPointF(x + dx, leaf.top() + 2.6), 1.1, 1.1);
    painter.drawEllipse(QPointF(x + dx, leaf.bottom() - 2.6), 1.1, 1.1);
  }
  painter.restore();
}

}  // namespace

QImage openTray() {
  QImage picture = newPicture(kTrayWidth, kTrayHeight);
  QPainter painter(&picture);
  prepare(painter);
  QPainterPath whole = boxOutline().united(lidStripOutline());
  painter.drawImage(QPointF(0, 0), softShadow(QSize(kTrayWidth, kTrayHeight), whole, QPointF(3, 5),
                                              7, QColor(0, 0, 0, 160)));
  paintLidStrip(painter);
  paintMitredFrame(painter, boxOutline(), kFloorRect, kBoxWood);
  paintFeltFloor(painter);
  // The upright lid shades the back rim a little.
  QLinearGradient lidShade(QPointF(0, kBoxRect.top()), QPointF(0, kBoxRect.top() + 7));
  lidShade.setColorAt(0, QColor(0, 0, 0, 90));
  lidShade.setColorAt(1, QColor(0, 0, 0, 0));
  painter.save();
  painter.setClipPath(boxOutline());
  painter.fillRect(QRectF(kBoxRect.left(), kBoxRect.top(), kBoxRect.width(), 7), lidShade);
  painter.restore();
  paintHinge(painter, 58);
  paintHinge(painter, kTrayWidth - 58);
  painter.end();
  return picture;  // the wood tiles of the board show around it
}
