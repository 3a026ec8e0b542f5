// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <algorithm>

#include "resources/art.h"
#include "resources/dice.h"
#include "resources/painting.h"

namespace {

constexpr int kIconSize = 46;

// Two dice, one behind the other, on a transparent ground.
QImage twoDice(qreal ratio) {
  QImage picture = newPicture(kIconSize, kIconSize, ratio);
  QPainter painter(&picture);
  prepare(painter);
  QPainterPath floor;
  floor.addEllipse(QPointF(30, 27), 10, 3.5);
  floor.addEllipse(QPointF(19, 37), 13, 4);
  painter.drawImage(QPointF(0, 0), softShadow(QSize(kIconSize, kIconSize), floor, QPointF(1, 0),
                                              2.5, QColor(0, 0, 0, 120), ratio));
  paintCubeDie(painter, QPointF(29.5, 15.5), 17, -24, 35, 3, 1, 2);
  paintCubeDie(painter, QPointF(18, 25), 21, 18, 35, 5, 4, 6);
  painter.end();
  return picture;
}

}  // namespace

QImage windowIcon() { return twoDice(kPixelRatio); }

// Painting below one pixel per unit goes wrong in Qt: small icons are drawn
// at four and scaled down.
QImage appIcon(int pixels) {
  QImage picture = twoDice(std::max(4.0, qreal(pixels) / kIconSize));
  picture.setDevicePixelRatio(1);
  if (picture.width() == pixels) return picture;
  return picture.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
