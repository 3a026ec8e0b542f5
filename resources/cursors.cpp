// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QPainterPathStroker>

#include "board/assets.h"
#include "resources/art.h"
#include "resources/painting.h"

namespace {

constexpr int kCursorSize = 32;
const QColor kCuffBlue(38, 92, 214);

QPainterPath roundedBox(double left, double top, double right, double bottom, double radius) {
  QPainterPath path;
  path.addRoundedRect(QRectF(left, top, right - left, bottom - top), radius, radius);
  return path;
}

}  // namespace

// Pointing hand; the index fingertip is the hot spot.
QImage handCursor() {
  QImage picture = newPicture(kCursorSize, kCursorSize);
  QPainter painter(&picture);
  prepare(painter);

  // The index finger, centred on the hot spot and rising to it.
  constexpr cursor::HotSpot tip = cursor::hotSpot(cursor::kHand);
  QPainterPath hand = roundedBox(9.7, tip.y, 14.3, 17, 2.3);
  hand = hand.united(roundedBox(14.0, 10.0, 18.4, 18, 2.1));
  hand = hand.united(roundedBox(18.1, 11.0, 22.4, 18.5, 2.0));
  hand = hand.united(roundedBox(22.1, 12.6, 25.9, 19, 1.8));
  hand = hand.united(roundedBox(9.7, 15.0, 25.9, 26.5, 3.2));  // palm
  QPainterPath thumbLine;
  thumbLine.moveTo(11.5, 22.5);
  thumbLine.lineTo(5.6, 15.6);
  QPainterPathStroker thumb;
  thumb.setWidth(4.4);
  thumb.setCapStyle(Qt::RoundCap);
  hand = hand.united(thumb.createStroke(thumbLine)).simplified();

  const QPen outline(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(outline);
  painter.setBrush(Qt::white);
  painter.drawPath(hand);
  // Creases between the folded fingers and along the thumb.
  painter.setPen(QPen(Qt::black, 0.8, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(14.2, 12.5), QPointF(14.2, 16.5));
  painter.drawLine(QPointF(18.3, 13.5), QPointF(18.3, 17.0));
  painter.drawLine(QPointF(22.3, 15.0), QPointF(22.3, 17.5));
  painter.drawLine(QPointF(9.3, 19.8), QPointF(11.3, 21.8));

  const QRectF cuff(10.2, 25.5, 15.2, 5.5);
  painter.setPen(outline);
  painter.setBrush(kCuffBlue);
  painter.drawRoundedRect(cuff, 1, 1);
  painter.setPen(QPen(QColor(140, 180, 255), 0.8));
  painter.drawLine(QPointF(11.4, 27.0), QPointF(24.2, 27.0));
  painter.end();
  return picture;
}

// Arrow with a question mark; the arrow's tip is the hot spot.
QImage helpCursor() {
  QImage picture = newPicture(kCursorSize, kCursorSize);
  QPainter painter(&picture);
  prepare(painter);
  constexpr cursor::HotSpot tip = cursor::hotSpot(cursor::kQuestion);
  const QPolygonF arrow({{double(tip.x), double(tip.y)},
                         {2, 21},
                         {6, 17.2},
                         {8.8, 23.4},
                         {11.4, 22.2},
                         {8.7, 16.2},
                         {13.9, 16.2}});
  painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  painter.setBrush(Qt::white);
  painter.drawPolygon(arrow);

  const QPointF badge(22.5, 9.5);
  painter.setPen(QPen(Qt::black, 1.0));
  painter.setBrush(kCuffBlue);
  painter.drawEllipse(badge, 7.0, 7.0);
  QFont font = letteringFont(12, true);
  font.setFamily(QStringLiteral("DejaVu Sans"));
  painter.fillPath(centredText(QStringLiteral("?"), font, badge + QPointF(0.1, 0)), Qt::white);
  painter.end();
  return picture;
}
