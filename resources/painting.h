// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QSize>

class QPainter;

// Pictures are drawn at twice their size for 2x screens. The images carry
// that ratio, so painters on them work in the game's 1x coordinates.
constexpr qreal kPixelRatio = 2.0;

// A transparent picture of the given 1x size, drawn at ratio pixels per unit.
QImage newPicture(int width, int height, qreal ratio = kPixelRatio);

// Antialiased painter with smooth image scaling.
void prepare(QPainter& painter);

// Drops the alpha channel for pictures that are shown opaque.
QImage opaque(const QImage& picture);

QColor mixColors(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor colour, int alpha);

// Three box-blur passes approximate a gaussian; radius in device pixels.
void blur(QImage& image, int radius);

// A soft shadow of shape, drawn into a transparent picture of size1x.
QImage softShadow(QSize size1x, const QPainterPath& shape, QPointF offset, double radius,
                  const QColor& colour, qreal ratio = kPixelRatio);

// Serif face used for all lettering; DejaVu comes with Qt on Debian.
QFont letteringFont(double pixelSize, bool bold, double spacing = 0);

// Text outline centred on a point, so it can be filled with gradients.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre);

// Gold lettering with a dark cut-in edge, readable on dark and on wood.
void paintGoldText(QPainter& painter, const QPainterPath& text);
