// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/textures.h"

#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

#include "resources/noise.h"
#include "resources/painting.h"

const WoodLook kTableWood{QColor(150, 92, 52), QColor(66, 34, 16), 6, 11};
const WoodLook kBoxWood{QColor(208, 130, 72), QColor(112, 50, 22), 5, 23};
const WoodLook kInlayWood{QColor(238, 214, 166), QColor(200, 166, 112), 4, 37};
const QColor kFeltGreen(34, 112, 58);

namespace {

// Light and dark mix for one point, u and v in repeats.
double woodShade(double u, double v, const WoodLook& look) {
  const std::uint32_t s = look.seed;
  const int rings = look.rings;
  const double wobble = fractalNoise(u * 2, v * 2, 2, 2, 3, s) - 0.5;
  const double ring = v * rings + 1.1 * wobble;
  const double t = ring - std::floor(ring);
  // Each ring darkens slowly and ends sharply, as sawn wood does.
  const double late = std::pow(t, 5) * std::min(1.0, (1 - t) * 25);
  // Fine streaks along the grain, following the same wobble.
  const double fine = ring * 9;
  const double streaks = valueNoise(u * 4, fine, 4, rings * 9, s + 1);
  const double pores = valueNoise(u * 24, v * 320, 24, 320, s + 2);
  const double patches = fractalNoise(u * 3, v * 2, 3, 2, 2, s + 3) - 0.5;
  return std::clamp(
      0.18 + 0.45 * late + 0.32 * (streaks - 0.5) + 0.14 * (pores - 0.5) + 0.3 * patches, 0.0, 1.0);
}

// Every device pixel shaded on its own; rows are shared among a few threads
// since the textures are the bulk of the drawing time.
template <typename Shade>
QImage shadeImage(QSizeF size1x, Shade shade) {
  QImage image = newPicture(qCeil(size1x.width()), qCeil(size1x.height()));
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  const int width = image.width();
  const int height = image.height();
  const int workers = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
  {
    std::vector<std::jthread> threads;
    for (int w = 0; w < workers; ++w) {
      threads.emplace_back([=, &shade] {
        for (int py = w; py < height; py += workers) {
          auto* line = reinterpret_cast<QRgb*>(bits + py * stride);
          const double y = (py + 0.5) / kPixelRatio;
          for (int px = 0; px < width; ++px) line[px] = shade((px + 0.5) / kPixelRatio, y, px, py);
        }
      });
    }
  }
  return image;
}

QRgb scaled(const QColor& c, double k) {
  auto ch = [k](int v) { return std::clamp(qRound(v * k), 0, 255); };
  return qRgb(ch(c.red()), ch(c.green()), ch(c.blue()));
}

}  // namespace

QImage woodTexture(QSizeF size1x, const WoodLook& look, QSizeF repeat, QPointF origin) {
  return shadeImage(size1x, [&](double x, double y, int, int) {
    const double t =
        woodShade((x + origin.x()) / repeat.width(), (y + origin.y()) / repeat.height(), look);
    return mixColors(look.light, look.dark, t).rgb();
  });
}

QImage woodTextureAlongY(QSizeF size1x, const WoodLook& look, QSizeF repeat, QPointF origin) {
  QImage turned = woodTexture(size1x.transposed(), look, repeat.transposed(), origin.transposed())
                      .transformed(QTransform().rotate(90));
  turned.setDevicePixelRatio(kPixelRatio);
  return turned;
}

QImage feltTexture(QSizeF size1x, const QColor& base, std::uint32_t seed) {
  return shadeImage(size1x, [&](double x, double y, int px, int py) {
    const double fuzz = valueNoise(x * 1.1, y * 1.1, 0, 0, seed);
    const double grain = cellRandom(px, py, seed + 1);
    const double mottle = fractalNoise(x / 28, y / 28, 0, 0, 3, seed + 2);
    double k = 0.80 + 0.14 * fuzz + 0.07 * grain + 0.16 * mottle;
    // A few stray light fibres.
    if (cellRandom(px / 2, py, seed + 3) > 0.996) k += 0.18;
    return scaled(base, k);
  });
}

QImage leatherTexture(QSizeF size1x, const QColor& base, std::uint32_t seed) {
  return shadeImage(size1x, [&](double x, double y, int px, int py) {
    const double pebble = valueNoise(x / 1.6, y / 1.6, 0, 0, seed);
    const double ridge = 1 - std::abs(2 * fractalNoise(x / 7, y / 7, 0, 0, 2, seed + 1) - 1);
    const double crease = std::pow(ridge, 10);
    const double grain = cellRandom(px, py, seed + 2);
    const double k = 0.84 + 0.2 * pebble - 0.18 * crease + 0.05 * grain;
    return scaled(base, k);
  });
}
