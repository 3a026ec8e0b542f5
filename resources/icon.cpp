#include <QPainter>

#include "resources/art.h"
#include "resources/dice.h"
#include "resources/painting.h"

// Two dice, one behind the other, on a transparent ground.
QImage windowIcon() {
  QImage picture = newPicture(46, 46);
  QPainter painter(&picture);
  prepare(painter);
  QPainterPath floor;
  floor.addEllipse(QPointF(30, 27), 10, 3.5);
  floor.addEllipse(QPointF(19, 37), 13, 4);
  painter.drawImage(QPointF(0, 0),
                    softShadow(QSize(46, 46), floor, QPointF(1, 0), 2.5, QColor(0, 0, 0, 120)));
  paintCubeDie(painter, QPointF(29.5, 15.5), 17, -24, 35, 3, 1, 2);
  paintCubeDie(painter, QPointF(18, 25), 21, 18, 35, 5, 4, 6);
  painter.end();
  return picture;
}
