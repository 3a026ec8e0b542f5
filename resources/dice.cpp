// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/dice.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "resources/painting.h"

namespace {

const QColor kIvory(251, 247, 234);
const QColor kIvoryShade(214, 201, 176);
const QColor kPip(24, 22, 28);

// Pip places in units of the pip spacing, x right, y down.
std::vector<QPointF> pipLayout(int face) {
  const QPointF c(0, 0), tl(-1, -1), tr(1, -1), bl(-1, 1), br(1, 1), ml(-1, 0), mr(1, 0);
  switch (face) {
    case 1:
      return {c};
    case 2:
      return {tr, bl};
    case 3:
      return {tr, c, bl};
    case 4:
      return {tl, tr, bl, br};
    case 5:
      return {tl, tr, c, bl, br};
    default:
      return {tl, ml, bl, tr, mr, br};
  }
}

// A dimple: dark, with the lower right inner wall catching the light.
void paintPip(QPainter& painter, QPointF at, double radius) {
  QRadialGradient hollow(at + QPointF(radius * 0.35, radius * 0.4), radius * 1.15);
  hollow.setColorAt(0.0, QColor(92, 88, 96));
  hollow.setColorAt(0.55, QColor(40, 38, 44));
  hollow.setColorAt(1.0, kPip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 150));
  painter.drawEllipse(at + QPointF(radius * 0.12, radius * 0.16), radius * 1.02, radius * 1.02);
  painter.setBrush(hollow);
  painter.drawEllipse(at, radius, radius);
}

struct Vec3 {
  double x, y, z;
};

Vec3 operator*(double k, Vec3 v) { return {k * v.x, k * v.y, k * v.z}; }
Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

}  // namespace

void paintFlatDie(QPainter& painter, QPointF centre, double side, double angleDegrees, int face) {
  painter.save();
  const double radius = side * 8 / 38;
  QTransform turn;
  turn.translate(centre.x(), centre.y());
  turn.rotate(angleDegrees);
  QPainterPath square;
  square.addRoundedRect(QRectF(-side / 2, -side / 2, side, side), radius, radius);
  const QPainterPath body = turn.map(square);

  // A tight contact shadow, so the die sits on the felt instead of floating.
  painter.save();
  painter.translate(side * 0.01, side * 0.014);
  painter.fillPath(body, QColor(0, 20, 0, 90));
  painter.strokePath(body, QPen(QColor(0, 20, 0, 45), side * 0.022));
  painter.restore();

  // Rounded edges fall off from the lit top-left towards the far corner.
  QRadialGradient light(centre + QPointF(-side * 0.18, -side * 0.22), side * 0.85);
  light.setColorAt(0.0, QColor(255, 254, 248));
  light.setColorAt(0.55, kIvory);
  light.setColorAt(1.0, kIvoryShade);
  painter.fillPath(body, light);

  painter.setClipPath(body);
  QLinearGradient bevel(centre + QPointF(-side / 2, -side / 2),
                        centre + QPointF(side / 2, side / 2));
  bevel.setColorAt(0.0, QColor(255, 255, 255, 220));
  bevel.setColorAt(0.5, QColor(255, 255, 255, 0));
  bevel.setColorAt(1.0, QColor(120, 95, 60, 150));
  painter.strokePath(body, QPen(QBrush(bevel), side * 0.09));
  painter.setClipping(false);
  painter.strokePath(body, QPen(QColor(110, 96, 74, 200), std::max(0.5, side * 0.02)));

  const double spacing = side * 0.27;
  const double pipRadius = face == 1 ? side * 0.13 : side * 0.1;
  for (const QPointF& place : pipLayout(face))
    paintPip(painter, turn.map(place * spacing), pipRadius);
  painter.restore();
}

void paintCubeDie(QPainter& painter, QPointF centre, double edge, double yawDegrees,
                  double pitchDegrees, int top, int front, int right) {
  const double yaw = yawDegrees * std::numbers::pi / 180;
  const double pitch = pitchDegrees * std::numbers::pi / 180;
  const double half = edge / 2;
  auto turn = [&](Vec3 v) {
    return Vec3{v.x * std::cos(yaw) - v.z * std::sin(yaw), v.y,
                v.x * std::sin(yaw) + v.z * std::cos(yaw)};
  };
  auto project = [&](Vec3 v) {
    return centre + QPointF(v.x, -v.y * std::cos(pitch) + v.z * std::sin(pitch));
  };
  const Vec3 toViewer{0, std::sin(pitch), std::cos(pitch)};
  const Vec3 toLight = [] {
    const Vec3 l{-0.55, 0.85, 0.35};
    return (1 / std::sqrt(dot(l, l))) * l;
  }();

  struct Side {
    Vec3 normal, across, down;
    int face;
  };
  const std::array<Side, 6> sides{{
      {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, top},
      {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}, 7 - top},
      {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}, front},
      {{0, 0, -1}, {-1, 0, 0}, {0, -1, 0}, 7 - front},
      {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}, right},
      {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}, 7 - right},
  }};

  painter.save();
  QPainterPath outline;
  for (const Side& s : sides) {
    const Vec3 n = turn(s.normal);
    if (dot(n, toViewer) <= 1e-6) continue;
    const Vec3 a = turn(s.across);
    const Vec3 d = turn(s.down);
    const Vec3 mid = half * n;
    QPolygonF quad;
    for (auto [i, j] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}})
      quad << project(mid + (i * half) * a + (j * half) * d);
    const double lit = 0.62 + 0.38 * std::max(0.0, dot(n, toLight));
    QPainterPath facePath;
    facePath.addPolygon(quad);
    facePath.closeSubpath();
    outline = outline.united(facePath);

    QLinearGradient sheen(quad[0], quad[2]);
    sheen.setColorAt(0, mixColors(kIvoryShade, QColor(255, 254, 248), lit * 1.05));
    sheen.setColorAt(1, mixColors(kIvoryShade, kIvory, lit * 0.9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawPolygon(quad);

    QTransform onFace;
    if (QTransform::quadToQuad(QPolygonF({{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}), quad, onFace)) {
      painter.save();
      painter.setTransform(onFace, true);
      painter.setBrush(mixColors(QColor(90, 86, 92), kPip, lit));
      const double r = s.face == 1 ? 0.25 : 0.19;
      for (const QPointF& place : pipLayout(s.face)) painter.drawEllipse(place * 0.54, r, r);
      painter.restore();
    }
    // The rounded edges catch a thin line of light.
    painter.setPen(QPen(QColor(255, 255, 255, 110), edge * 0.03));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(quad);
  }
  painter.setPen(QPen(QColor(70, 58, 44, 220), std::max(0.5, edge * 0.035), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(outline.simplified());
  painter.restore();
}
