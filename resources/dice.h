// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

class QPainter;

// A die seen from straight above, as it lies in the tray. The light stays
// top-left whatever the turn, so only the outline and the pips rotate.
void paintFlatDie(QPainter& painter, QPointF centre, double side, double angleDegrees, int face);

// A die seen from above at a slant, for decoration. front and right are the
// faces towards the viewer and to its right before the yaw turn; the other
// faces follow from opposite sides summing to seven. pitch is how steeply
// the viewer looks down, in degrees.
void paintCubeDie(QPainter& painter, QPointF centre, double edge, double yawDegrees,
                  double pitchDegrees, int top, int front, int right);
