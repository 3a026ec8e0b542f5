// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRectF>

#include "resources/textures.h"

class QPainter;

// Where the dice tray sits in its 297 x 290 pictures. The open and the
// closed tray share it so the lid lands exactly on the box.
constexpr int kTrayWidth = 297;
constexpr int kTrayHeight = 290;
constexpr QRectF kBoxRect(4, 30, 289, 244);  // outer edge of the box
constexpr double kRimWidth = 16;
// The felt floor; dice land at x 28..269, y 56..249.
constexpr QRectF kFloorRect = kBoxRect.adjusted(kRimWidth, kRimWidth, -kRimWidth, -kRimWidth);

QPainterPath boxOutline();

// A mitred wooden frame between outer and inner, each side with its grain
// running along it, varnished and rounded off at the edges.
void paintMitredFrame(QPainter& painter, const QPainterPath& outer, const QRectF& inner,
                      const WoodLook& wood);
