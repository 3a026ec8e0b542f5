// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>

#include "resources/art.h"
#include "resources/dice.h"
#include "resources/painting.h"

// Side 38 with corner radius 8 keeps even the 30-degree turns inside the
// 49 px cell: the widest turned extent, contact shadow included, is about
// 48.6 px.
constexpr int kDieCell = 49;
constexpr double kDieSide = 38;

QImage diePicture(int face, int degrees) {
  QImage picture = newPicture(kDieCell, kDieCell);
  QPainter painter(&picture);
  prepare(painter);
  paintFlatDie(painter, QPointF(kDieCell / 2.0, kDieCell / 2.0), kDieSide, degrees, face);
  return picture;
}
