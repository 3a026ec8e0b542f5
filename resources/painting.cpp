// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <vector>

QImage newPicture(int width, int height, qreal ratio) {
  QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  return image;
}

void prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::TextAntialiasing);
}

QImage opaque(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }

QColor mixColors(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor withAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

namespace {

// One running-sum pass along rows (step 1) or columns (step = width).
void blurLine(std::uint32_t* first, int count, int step, int radius,
              std::vector<std::uint32_t>& tmp) {
  tmp.resize(count);
  for (int i = 0; i < count; ++i) tmp[i] = first[i * step];
  const int window = 2 * radius + 1;
  int sum[4] = {0, 0, 0, 0};
  auto channel = [](std::uint32_t p, int c) { return static_cast<int>((p >> (8 * c)) & 0xff); };
  auto at = [&](int i) { return tmp[std::clamp(i, 0, count - 1)]; };
  for (int i = -radius; i <= radius; ++i)
    for (int c = 0; c < 4; ++c) sum[c] += channel(at(i), c);
  for (int i = 0; i < count; ++i) {
    std::uint32_t out = 0;
    for (int c = 0; c < 4; ++c) out |= static_cast<std::uint32_t>(sum[c] / window) << (8 * c);
    first[i * step] = out;
    for (int c = 0; c < 4; ++c)
      sum[c] += channel(at(i + radius + 1), c) - channel(at(i - radius), c);
  }
}

}  // namespace

void blur(QImage& image, int radius) {
  if (radius < 1) return;
  if (image.format() != QImage::Format_ARGB32_Premultiplied)
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = image.width();
  const int h = image.height();
  auto* bits = reinterpret_cast<std::uint32_t*>(image.bits());
  const int stride = image.bytesPerLine() / 4;
  std::vector<std::uint32_t> tmp;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) blurLine(bits + y * stride, w, 1, radius, tmp);
    for (int x = 0; x < w; ++x) blurLine(bits + x, h, stride, radius, tmp);
  }
}

QImage softShadow(QSize size1x, const QPainterPath& shape, QPointF offset, double radius,
                  const QColor& colour, qreal ratio) {
  QImage shadow = newPicture(size1x.width(), size1x.height(), ratio);
  {
    QPainter painter(&shadow);
    prepare(painter);
    painter.translate(offset);
    painter.fillPath(shape, colour);
  }
  // Each pass widens the spread, so a third of the radius per pass.
  blur(shadow, std::max(1, qRound(radius * ratio / 3)));
  return shadow;
}

QFont letteringFont(double pixelSize, bool bold, double spacing) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(std::max(1, qRound(pixelSize)));
  font.setBold(bold);
  if (spacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  return font;
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path.translated(centre - path.boundingRect().center());
}

void paintGoldText(QPainter& painter, const QPainterPath& text) {
  const QRectF box = text.boundingRect();
  painter.save();
  painter.fillPath(text.translated(0.6, 0.8), QColor(20, 12, 4, 190));
  QLinearGradient gold(box.topLeft(), box.bottomLeft());
  gold.setColorAt(0.0, QColor(255, 240, 170));
  gold.setColorAt(0.45, QColor(228, 180, 70));
  gold.setColorAt(0.55, QColor(190, 135, 40));
  gold.setColorAt(1.0, QColor(240, 200, 110));
  painter.fillPath(text, gold);
  painter.setPen(QPen(QColor(90, 55, 15, 200), 0.35));
  painter.drawPath(text);
  painter.restore();
}
