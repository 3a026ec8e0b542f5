// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include "resources/art.h"
#include "resources/painting.h"
#include "resources/textures.h"
#include "resources/tray_frame.h"

namespace {

const QPointF kInlayCentre(kTrayWidth / 2.0, 116);
const QRectF kNamePlate(kTrayWidth / 2.0 - 96, 174, 192, 44);

// A maple die let into the lid, standing on a corner, showing five.
void paintInlaidDie(QPainter& painter) {
  painter.save();
  painter.translate(kInlayCentre);
  painter.rotate(45);
  const double side = 52;
  QPainterPath body;
  body.addRoundedRect(QRectF(-side / 2, -side / 2, side, side), 8, 8);
  painter.setClipPath(body);
  painter.drawImage(QPointF(-side / 2, -side / 2),
                    woodTexture(QSizeF(side, side), kInlayWood, QSizeF(120, 90)));
  painter.setClipping(false);
  painter.strokePath(body, QPen(QColor(60, 30, 10, 220), 1.3));
  painter.strokePath(body.translated(0.6, 0.6), QPen(QColor(255, 235, 200, 70), 0.6));
  painter.setPen(Qt::NoPen);
  for (QPointF pip :
       {QPointF(-1, -1), QPointF(1, -1), QPointF(0, 0), QPointF(-1, 1), QPointF(1, 1)}) {
    QRadialGradient ebony(pip * 13 + QPointF(-1, -1), 6);
    ebony.setColorAt(0, QColor(70, 45, 30));
    ebony.setColorAt(1, QColor(22, 12, 8));
    painter.setBrush(ebony);
    painter.drawEllipse(pip * 13, 5, 5);
  }
  painter.restore();
}

void paintNamePlate(QPainter& painter) {
  painter.save();
  QPainterPath plate;
  plate.addRoundedRect(kNamePlate, 10, 10);
  QLinearGradient ebony(kNamePlate.topLeft(), kNamePlate.bottomLeft());
  ebony.setColorAt(0, QColor(52, 30, 20));
  ebony.setColorAt(1, QColor(28, 15, 10));
  painter.fillPath(plate, ebony);
  painter.strokePath(plate, QPen(QColor(215, 170, 80), 1.2));
  QPainterPath inner;
  inner.addRoundedRect(kNamePlate.adjusted(3, 3, -3, -3), 7.5, 7.5);
  painter.strokePath(inner, QPen(QColor(215, 170, 80, 150), 0.5));
  paintGoldText(painter, centredText(QStringLiteral("PENTARO"), letteringFont(26, true, 4),
                                     kNamePlate.center() + QPointF(0, 0.5)));
  painter.restore();
}

void paintLid(QPainter& painter) {
  const QRectF& panel = kFloorRect;
  painter.save();
  painter.setClipPath(boxOutline());
  painter.drawImage(panel.topLeft(), woodTexture(panel.size(), kBoxWood, QSizeF(300, 260)));
  // The panel lies a little below the frame: shaded top-left, lit bottom-right.
  painter.setPen(QPen(QColor(30, 10, 0, 110), 3));
  painter.drawLine(panel.topLeft() + QPointF(0, 1.5), panel.topRight() + QPointF(0, 1.5));
  painter.drawLine(panel.topLeft() + QPointF(1.5, 0), panel.bottomLeft() + QPointF(1.5, 0));
  // Stringing: a thin line of maple around the panel.
  const QRectF string = panel.adjusted(9, 9, -9, -9);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(60, 25, 5, 140), 2.4));
  painter.drawRoundedRect(string, 6, 6);
  painter.setPen(QPen(QColor(236, 210, 160), 1.1));
  painter.drawRoundedRect(string, 6, 6);
  paintInlaidDie(painter);
  paintNamePlate(painter);
  painter.restore();

  paintMitredFrame(painter, boxOutline(), panel, kBoxWood);
  painter.save();
  painter.setClipPath(boxOutline());
  // A varnish highlight across the whole lid.
  QLinearGradient gloss(kBoxRect.topLeft(), kBoxRect.bottomRight());
  gloss.setColorAt(0.00, QColor(255, 245, 220, 0));
  gloss.setColorAt(0.30, QColor(255, 245, 220, 45));
  gloss.setColorAt(0.42, QColor(255, 245, 220, 0));
  gloss.setColorAt(1.00, QColor(0, 0, 0, 40));
  painter.fillRect(kBoxRect, gloss);
  painter.restore();
}

// Only the closed box, on a transparent ground, to be placed and turned.
const QImage& closedBox() {
  static const QImage box = [] {
    QImage picture = newPicture(kTrayWidth, kTrayHeight);
    QPainter painter(&picture);
    prepare(painter);
    paintLid(painter);
    return picture;
  }();
  return box;
}

QTransform shake(double amount, int way) {
  const QPointF pivot = kBoxRect.center();
  QTransform t;
  t.translate(pivot.x() + way * 4 * amount, pivot.y() - 2 * amount);
  t.rotate(way * 3 * amount);
  t.translate(-pivot.x(), -pivot.y());
  return t;
}

}  // namespace

QImage closedTray() {
  QImage picture = newPicture(kTrayWidth, kTrayHeight);
  QPainter painter(&picture);
  prepare(painter);
  painter.drawImage(QPointF(0, 0), softShadow(QSize(kTrayWidth, kTrayHeight), boxOutline(),
                                              QPointF(3, 5), 7, QColor(0, 0, 0, 160)));
  painter.drawImage(QPointF(0, 0), closedBox());
  painter.end();
  return picture;  // the wood tiles of the board show around it
}

QImage shakenTray(int way) {
  QImage picture = newPicture(kTrayWidth, kTrayHeight);
  QPainter painter(&picture);
  prepare(painter);
  // Shaken, the box is lifted a little: a wider, fainter shadow.
  painter.drawImage(QPointF(0, 0),
                    softShadow(QSize(kTrayWidth, kTrayHeight), shake(1, way).map(boxOutline()),
                               QPointF(5, 8), 10, QColor(0, 0, 0, 140)));
  // Faint copies on the way from rest blur the trailing edges.
  for (double amount : {0.25, 0.5, 0.75}) {
    painter.save();
    painter.setOpacity(0.16);
    painter.setTransform(shake(amount, way), true);
    painter.drawImage(QPointF(0, 0), closedBox());
    painter.restore();
  }
  painter.setTransform(shake(1, way), true);
  painter.drawImage(QPointF(0, 0), closedBox());
  painter.end();
  return picture;  // the wood tiles of the board show around it
}
