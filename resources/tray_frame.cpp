// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/tray_frame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "resources/painting.h"

QPainterPath boxOutline() {
  QPainterPath path;
  path.addRoundedRect(kBoxRect, 5, 5);
  return path;
}

void paintMitredFrame(QPainter& painter, const QPainterPath& outer, const QRectF& inner,
                      const WoodLook& wood) {
  const QRectF o = outer.boundingRect();
  const QRectF& i = inner;
  const QSizeF repeat(300, 70);
  // Each side is its own piece of wood, cut from a different part of the board.
  struct Piece {
    QPolygonF shape;
    QRectF box;
    bool alongX;
    QPointF origin;
  };
  const Piece pieces[] = {
      {QPolygonF({o.topLeft(), o.topRight(), i.topRight(), i.topLeft()}),
       QRectF(o.left(), o.top(), o.width(), i.top() - o.top() + 1), true, QPointF(0, 0)},
      {QPolygonF({i.bottomLeft(), i.bottomRight(), o.bottomRight(), o.bottomLeft()}),
       QRectF(o.left(), i.bottom() - 1, o.width(), o.bottom() - i.bottom() + 1), true,
       QPointF(90, 31)},
      {QPolygonF({o.topLeft(), i.topLeft(), i.bottomLeft(), o.bottomLeft()}),
       QRectF(o.left(), o.top(), i.left() - o.left() + 1, o.height()), false, QPointF(40, 140)},
      {QPolygonF({o.topRight(), o.bottomRight(), i.bottomRight(), i.topRight()}),
       QRectF(i.right() - 1, o.top(), o.right() - i.right() + 1, o.height()), false,
       QPointF(20, 200)},
  };

  painter.save();
  painter.setClipPath(outer);
  for (const Piece& piece : pieces) {
    painter.save();
    QPainterPath clip;
    clip.addPolygon(piece.shape);
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.drawImage(piece.box.topLeft(),
                      piece.alongX
                          ? woodTexture(piece.box.size(), wood, repeat, piece.origin)
                          : woodTextureAlongY(piece.box.size(), wood, repeat, piece.origin));
    painter.restore();
  }

  // Varnish: a broad soft sheen from the light at the top left.
  QLinearGradient sheen(o.topLeft(), o.bottomRight());
  sheen.setColorAt(0.0, QColor(255, 240, 210, 70));
  sheen.setColorAt(0.5, QColor(255, 240, 210, 0));
  sheen.setColorAt(1.0, QColor(0, 0, 0, 60));
  QPainterPath ring = outer;
  ring.addRect(i);
  painter.fillPath(ring, sheen);

  // Rounded outer edge: lit top-left, shaded bottom-right.
  QLinearGradient edge(o.topLeft(), o.bottomRight());
  edge.setColorAt(0.0, QColor(255, 230, 190, 170));
  edge.setColorAt(0.45, QColor(255, 230, 190, 40));
  edge.setColorAt(0.55, QColor(40, 15, 0, 40));
  edge.setColorAt(1.0, QColor(40, 15, 0, 170));
  painter.strokePath(outer, QPen(QBrush(edge), 3.5));

  // Mitre joints.
  painter.setPen(QPen(QColor(50, 20, 5, 150), 0.7));
  painter.drawLine(o.topLeft(), i.topLeft());
  painter.drawLine(o.topRight(), i.topRight());
  painter.drawLine(o.bottomLeft(), i.bottomLeft());
  painter.drawLine(o.bottomRight(), i.bottomRight());

  // The inner edge: a lit rounded lip, then the drop.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 225, 180, 90), 1.6));
  painter.drawRect(i.adjusted(-1.4, -1.4, 1.4, 1.4));
  painter.setPen(QPen(QColor(35, 12, 0, 200), 0.9));
  painter.drawRect(i.adjusted(-0.3, -0.3, 0.3, 0.3));
  painter.restore();
}
