// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "resources/art.h"
#include "resources/dice.h"
#include "resources/painting.h"
#include "resources/textures.h"

namespace {

// The game shows the left 265 px; everything stays left of x 260.
constexpr int kWidth = 327;
constexpr int kHeight = 269;
constexpr double kAxis = 112;    // the cup's centre line
constexpr double kTop = 50;      // centre of the mouth
constexpr double kBottom = 222;  // centre of the base
constexpr double kTopRadius = 70;
constexpr double kBottomRadius = 60;
constexpr double kSquash = 0.34;  // ellipses seen from a low angle
constexpr double kPitch = 20;     // matching slant for the dice beside it

double radiusAt(double y) {
  return kTopRadius + (kBottomRadius - kTopRadius) * (y - kTop) / (kBottom - kTop);
}

QRectF ellipseAt(double y, double inset = 0) {
  const double r = radiusAt(y) - inset;
  return QRectF(kAxis - r, y - r * kSquash, 2 * r, 2 * r * kSquash);
}

QPainterPath cupBody() {
  QPainterPath path;
  path.moveTo(kAxis - kTopRadius, kTop);
  path.lineTo(kAxis - kBottomRadius, kBottom);
  path.arcTo(ellipseAt(kBottom), 180, 180);
  path.lineTo(kAxis + kTopRadius, kTop);
  path.arcTo(ellipseAt(kTop), 0, 180);
  path.closeSubpath();
  return path;
}

// The front half of the band between two heights around the cup.
QPainterPath band(double y0, double y1) {
  QPainterPath path;
  path.moveTo(ellipseAt(y0).left(), y0);
  path.arcTo(ellipseAt(y0), 180, 180);
  path.lineTo(ellipseAt(y1).right(), y1);
  path.arcTo(ellipseAt(y1), 0, -180);
  path.closeSubpath();
  return path;
}

QPainterPath frontArc(double y) {
  QPainterPath path;
  path.moveTo(ellipseAt(y).left(), y);
  path.arcTo(ellipseAt(y), 180, 180);
  return path;
}

void paintStitches(QPainter& painter, double y) {
  QPen hole(QColor(20, 8, 2, 160), 1.6);
  hole.setDashPattern({2.0, 1.8});
  QPen thread(QColor(236, 214, 165), 1.0);
  thread.setDashPattern({3.2, 2.4});
  thread.setCapStyle(Qt::RoundCap);
  painter.strokePath(frontArc(y + 0.5), hole);
  painter.strokePath(frontArc(y), thread);
}

void paintLeather(QPainter& painter) {
  const QPainterPath body = cupBody();
  const QRectF box = body.boundingRect();
  painter.save();
  painter.setClipPath(body);
  painter.drawImage(box.topLeft(), leatherTexture(box.size(), QColor(132, 62, 30), 41));

  // Darker bands with stitching near the mouth and the base.
  painter.fillPath(band(kTop + 14, kTop + 34), QColor(30, 10, 0, 90));
  painter.fillPath(band(kBottom - 30, kBottom - 12), QColor(30, 10, 0, 90));
  for (double y : {kTop + 14, kTop + 34, kBottom - 30, kBottom - 12})
    painter.strokePath(frontArc(y), QPen(QColor(25, 8, 0, 150), 1.0));
  for (double y : {kTop + 18, kTop + 30, kBottom - 26, kBottom - 16}) paintStitches(painter, y);

  // Round shading across the cup, light from the left.
  painter.setCompositionMode(QPainter::CompositionMode_Multiply);
  QLinearGradient round(QPointF(box.left(), 0), QPointF(box.right(), 0));
  round.setColorAt(0.00, QColor(90, 80, 75));
  round.setColorAt(0.28, QColor(255, 250, 240));
  round.setColorAt(0.45, QColor(240, 232, 225));
  round.setColorAt(0.80, QColor(120, 110, 105));
  round.setColorAt(1.00, QColor(55, 50, 48));
  painter.fillRect(box, round);
  painter.setCompositionMode(QPainter::CompositionMode_Screen);
  QLinearGradient shine(QPointF(box.left(), 0), QPointF(box.right(), 0));
  shine.setColorAt(0.18, QColor(0, 0, 0));
  shine.setColorAt(0.28, QColor(80, 60, 45));
  shine.setColorAt(0.36, QColor(0, 0, 0));
  painter.fillRect(box, shine);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.restore();
}

// A gold-tooled roundel of five pips on the front.
void paintEmblem(QPainter& painter) {
  const QPointF at(kAxis - 10, (kTop + kBottom) / 2 + 4);
  painter.save();
  painter.translate(at);
  painter.scale(0.9, 1.0);  // the cup curves away
  const QColor gold(226, 182, 86);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(20, 6, 0, 150), 1.6));
  painter.drawEllipse(QPointF(0.5, 0.7), 25, 25);
  painter.setPen(QPen(gold, 1.3));
  painter.drawEllipse(QPointF(0, 0), 25, 25);
  painter.setPen(QPen(withAlpha(gold, 170), 0.6));
  painter.drawEllipse(QPointF(0, 0), 21.5, 21.5);
  painter.setPen(Qt::NoPen);
  for (QPointF pip :
       {QPointF(-1, -1), QPointF(1, -1), QPointF(0, 0), QPointF(-1, 1), QPointF(1, 1)}) {
    painter.setBrush(QColor(20, 6, 0, 150));
    painter.drawEllipse(pip * 8.5 + QPointF(0.5, 0.7), 3.6, 3.6);
    QRadialGradient foil(pip * 8.5 + QPointF(-1, -1), 4.5);
    foil.setColorAt(0, QColor(255, 236, 160));
    foil.setColorAt(1, gold.darker(120));
    painter.setBrush(foil);
    painter.drawEllipse(pip * 8.5, 3.6, 3.6);
  }
  painter.restore();
}

void paintMouth(QPainter& painter) {
  const QRectF lip = ellipseAt(kTop);
  const QRectF hole = ellipseAt(kTop, 7);
  painter.save();
  QLinearGradient rolled(lip.topLeft(), lip.bottomRight());
  rolled.setColorAt(0, QColor(190, 110, 62));
  rolled.setColorAt(1, QColor(92, 40, 18));
  painter.setPen(QPen(QColor(40, 14, 4), 0.9));
  painter.setBrush(rolled);
  painter.drawEllipse(lip);
  QLinearGradient inside(hole.topLeft(), hole.bottomLeft());
  inside.setColorAt(0.0, QColor(70, 34, 16));
  inside.setColorAt(0.5, QColor(28, 12, 5));
  inside.setColorAt(1.0, QColor(12, 5, 2));
  painter.setBrush(inside);
  painter.setPen(QPen(QColor(20, 6, 0), 0.8));
  painter.drawEllipse(hole);
  painter.restore();
}

void paintShadows(QPainter& painter) {
  QPainterPath shadow;
  shadow.addEllipse(ellipseAt(kBottom).adjusted(-4, -2, 10, 5).translated(14, 5));
  shadow.addEllipse(QPointF(222, 233), 24, 7);
  shadow.addEllipse(QPointF(238, 175), 19, 6);
  painter.drawImage(QPointF(0, 0), softShadow(QSize(kWidth, kHeight), shadow, QPointF(0, 0), 8,
                                              QColor(0, 0, 0, 150)));
  // Where the dice touch the table the shadow is dark and sharp.
  QPainterPath contact;
  contact.addEllipse(QPointF(219, 230), 19, 5);
  contact.addEllipse(QPointF(236, 173), 15, 4);
  painter.drawImage(QPointF(0, 0), softShadow(QSize(kWidth, kHeight), contact, QPointF(0, 0), 2,
                                              QColor(0, 0, 0, 150)));
}

}  // namespace

QImage diceCup() {
  QImage picture = newPicture(kWidth, kHeight);
  QPainter painter(&picture);
  prepare(painter);
  paintShadows(painter);
  paintCubeDie(painter, QPointF(234, 164), 24, -22, kPitch, 2, 6, 3);
  paintLeather(painter);
  paintEmblem(painter);
  paintMouth(painter);
  paintCubeDie(painter, QPointF(216, 216), 31, 28, kPitch, 5, 3, 1);
  painter.end();
  return picture;  // the wood tiles of the board show around it
}
