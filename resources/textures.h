// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <cstdint>

// Materials the board is made of, as pictures to fill or clip shapes with.

struct WoodLook {
  QColor light;
  QColor dark;
  int rings;  // growth rings across one repeat
  std::uint32_t seed;
};

// The table the game sits on; the tile and the tray backgrounds share it.
extern const WoodLook kTableWood;
// The dice tray and its lid: a warmer, lighter cherry.
extern const WoodLook kBoxWood;
// Pale maple for inlays.
extern const WoodLook kInlayWood;

// Wood whose grain runs along x. The grain repeats every `repeat` (1x px)
// both ways, so a texture exactly that size tiles without seams. origin
// picks which part of the wood is cut, so pieces of one board differ.
QImage woodTexture(QSizeF size1x, const WoodLook& look, QSizeF repeat, QPointF origin = {});

// The same wood turned a quarter, grain running along y.
QImage woodTextureAlongY(QSizeF size1x, const WoodLook& look, QSizeF repeat, QPointF origin = {});

QImage feltTexture(QSizeF size1x, const QColor& base, std::uint32_t seed);

QImage leatherTexture(QSizeF size1x, const QColor& base, std::uint32_t seed);

extern const QColor kFeltGreen;
