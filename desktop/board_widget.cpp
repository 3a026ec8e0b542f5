// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/board_widget.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <utility>

#include "desktop/language.h"
#include "desktop/qt_platform.h"

namespace {

QColor toQColor(Color c, int alpha = 255) { return QColor(c.r, c.g, c.b, alpha); }

}  // namespace

QFont BoardWidget::boardFont(const Font& f) {
  QFont font;
  font.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  // Every character a board text can hold is in the font: no other font is
  // looked for (and set up) to stand in for missing ones.
  font.setStyleStrategy(QFont::NoFontMerging);
  // Sizes are points on a 96-dpi screen, whatever the screen says of itself.
  font.setPixelSize(static_cast<int>(std::lround(f.points * 96.0 / 72.0)));
  font.setBold(f.bold);
  return font;
}

BoardWidget::BoardWidget(Board& board, std::function<void(const std::function<void()>&)> run,
                         std::function<void(Element&)> click, QWidget* parent)
    : QWidget(parent), board_(board), run_(std::move(run)), click_(std::move(click)) {
  setFixedSize(Board::kClientWidth / Board::kTwipsPerPixel,
               Board::kClientHeight / Board::kTwipsPerPixel);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect BoardWidget::toPixels(const Rect& t) {
  const Rect p = Board::toPixels(t);
  return QRect(p.left, p.top, p.width, p.height);
}

void BoardWidget::repaintChanged() {
  for (const Rect& r : board_.takeDirty()) update(toPixels(r));
}

void BoardWidget::setArrowOnly(bool arrowOnly) {
  if (arrowOnly == arrowOnly_) return;
  arrowOnly_ = arrowOnly;
  shownPointer_ = {};
  unsetCursor();
  updatePointer();
}

void BoardWidget::updatePointer() {
  if (arrowOnly_) return;
  const MousePointer& p = board_.pointer();
  if (p == shownPointer_) return;
  shownPointer_ = p;
  if (p.custom && (p.icon == cursor::kHand || p.icon == cursor::kQuestion)) {
    const cursor::HotSpot at = cursor::hotSpot(static_cast<cursor::Number>(p.icon));
    setCursor(QCursor(QtPlatform::cursorPixmap(p.icon), at.x, at.y));
  } else {
    unsetCursor();
  }
}

// One scaled copy per stretched element, made again only when its picture or
// size changes: pictures decoded anew every turn leave nothing behind.
// Elements showing the same picture at the same size share one copy.
const QPixmap& BoardWidget::scaled(const Element& element, const QPixmap& source, QSize size) {
  const qreal dpr = devicePixelRatioF();
  auto fits = [&](const ScaledPicture& s) {
    return s.sourceKey == source.cacheKey() && s.size == size && s.pixmap.devicePixelRatio() == dpr;
  };
  ScaledPicture& slot = scaledCache_[&element];
  if (fits(slot)) return slot.pixmap;
  for (const ScaledPicture& other : std::as_const(scaledCache_))
    if (fits(other)) {
      slot = other;
      return slot.pixmap;
    }
  slot.pixmap = source.scaled(size * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  slot.pixmap.setDevicePixelRatio(dpr);
  slot.sourceKey = source.cacheKey();
  slot.size = size;
  return slot.pixmap;
}

void BoardWidget::paintElement(QPainter& p, const Element& e, const QRect& area) {
  if (!e.visible() || !toPixels(e.windowRect()).intersects(area)) return;
  const QRect r = toPixels(e.windowPlace());
  switch (e.kind()) {
    case Element::Kind::Shape: {
      const auto& s = static_cast<const Shape&>(e);
      p.setPen(s.borderWidth > 0 ? QPen(toQColor(s.border), s.borderWidth) : Qt::NoPen);
      p.setBrush(s.fill() ? QBrush(toQColor(*s.fill(), s.alpha)) : Qt::NoBrush);
      // The pen is centred on the outline: keep it inside the place.
      const qreal inset = s.borderWidth / 2.0;
      const QRectF box = QRectF(r).adjusted(inset, inset, -inset, -inset);
      if (s.cornerRadius > 0) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawRoundedRect(box, s.cornerRadius, s.cornerRadius);
        p.setRenderHint(QPainter::Antialiasing, false);
      } else {
        p.drawRect(box);
      }
      break;
    }
    case Element::Kind::Label: {
      const auto& l = static_cast<const Label&>(e);
      if (l.caption().empty()) break;
      p.save();
      p.setClipRect(toPixels(e.windowRect()), Qt::IntersectClip);
      p.setFont(boardFont(l.font));
      p.setPen(toQColor(l.fore));
      const int align = (l.align == Label::Align::Left ? Qt::AlignLeft : Qt::AlignHCenter);
      p.drawText(r, align | Qt::AlignTop | Qt::TextWordWrap, captionShown(l));
      p.restore();
      break;
    }
    case Element::Kind::Picture: {
      const auto& pic = static_cast<const PictureBox&>(e);
      const auto* qp = dynamic_cast<const QtPicture*>(pic.picture().get());
      if (!qp || qp->pixmap().isNull()) break;
      const QPixmap& pixmap = qp->pixmap();
      p.save();
      p.setClipRect(toPixels(e.windowRect()), Qt::IntersectClip);
      if (!pic.stretch) {
        p.drawPixmap(r.topLeft(), pixmap);
      } else if (r.width() * devicePixelRatioF() > pixmap.width() ||
                 r.height() * devicePixelRatioF() > pixmap.height()) {
        // Enlarged as it is drawn, only where it shows: a large copy of a
        // small tile would cost far more memory than drawing it.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(r, pixmap);
      } else {
        p.drawPixmap(r.topLeft(), scaled(e, pixmap, r.size()));  // made smaller once, with care
      }
      p.restore();
      break;
    }
    case Element::Kind::Panel: {
      const auto& panel = static_cast<const Panel&>(e);
      p.save();
      p.setClipRect(r, Qt::IntersectClip);
      p.fillRect(r, toQColor(panel.back));
      for (auto it = panel.children.rbegin(); it != panel.children.rend(); ++it)
        paintElement(p, **it, area);
      p.restore();
      break;
    }
    case Element::Kind::TextField:
      break;  // a real line edit lies there
  }
}

QRect BoardWidget::cover(const Element& e) const {
  if (!e.visible()) return {};
  const QRect shown = toPixels(e.windowRect());
  switch (e.kind()) {
    case Element::Kind::Shape: {
      // A rounded corner lets the corner of what lies beneath show, and the
      // corners of a border drawn at twice the size may too: only what lies
      // within the border is sure to be covered.
      const auto& s = static_cast<const Shape&>(e);
      const int b = s.borderWidth;
      return s.fill() && s.alpha == 255 && s.cornerRadius == 0 ? shown.adjusted(b, b, -b, -b)
                                                               : QRect();
    }
    case Element::Kind::Panel:
      return shown;
    case Element::Kind::Picture: {
      const auto& pic = static_cast<const PictureBox&>(e);
      const auto* qp = dynamic_cast<const QtPicture*>(pic.picture().get());
      if (!qp || qp->pixmap().isNull() || qp->pixmap().hasAlphaChannel()) return {};
      const QSize size = qp->pixmap().deviceIndependentSize().toSize();
      const QRect r = toPixels(e.windowPlace());
      return pic.stretch || (size.width() >= r.width() && size.height() >= r.height()) ? shown
                                                                                       : QRect();
    }
    default:
      return {};
  }
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // What opaque elements in front of an element hide of it is left out,
  // where that is all of it or a part on its right, above or below: the
  // same pixels with less drawing (the table top lies mostly under the
  // score sheet).
  const std::vector<Element*>& order = board_.order();  // the front first
  std::vector<QRegion> open(order.size());
  QRegion uncovered = event->region();
  for (std::size_t i = 0; i < order.size(); ++i) {
    open[i] = uncovered;
    if (const QRect hidden = cover(*order[i]); !hidden.isEmpty()) uncovered -= hidden;
  }
  p.setClipRegion(uncovered);
  p.fillRect(event->rect(), Qt::black);
  p.setClipRegion(event->region());
  for (std::size_t i = order.size(); i-- > 0;) {
    if (open[i].isEmpty()) continue;
    // Cut on the right, above and below only: a picture enlarged as it is
    // drawn comes out the same only when each row starts at its left edge.
    QRect keep = open[i].boundingRect();
    keep.setLeft(std::min(keep.left(), toPixels(order[i]->windowRect()).left()));
    p.save();
    p.setClipRect(keep, Qt::IntersectClip);
    paintElement(p, *order[i], keep);
    p.restore();
  }
  if (!std::exchange(painted_, true)) emit firstPainted();
}

Element* BoardWidget::elementAt(QPoint pixel) const {
  const int k = Board::kTwipsPerPixel;
  return board_.elementAt(pixel.x() * k + k / 2, pixel.y() * k + k / 2);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  Element* e = elementAt(event->position().toPoint());
  if (e && e->MouseMove) run_(e->MouseMove);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? elementAt(event->position().toPoint()) : nullptr;
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  Element* e = event->button() == Qt::LeftButton ? elementAt(event->position().toPoint()) : nullptr;
  Element* pressed = std::exchange(pressed_, nullptr);
  if (!e || e != pressed || !e->Click) return;
  click_(*e);
  // The pointer shows what the click left under it (a box just filled, the
  // last entry of a game) without waiting for the mouse to move again.
  const QPoint at = mapFromGlobal(QCursor::pos());
  if (!rect().contains(at)) return;
  if (Element* now = elementAt(at); now && now->MouseMove) run_(now->MouseMove);
}

// The second press of a double click goes to the element's double-click
// handler, if it has one, and is never a second click: a quick double click
// on a die must not select it and let it go again.
void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  pressed_ = nullptr;
  if (event->button() != Qt::LeftButton) return;
  Element* e = elementAt(event->position().toPoint());
  if (e && e->DblClick) run_(e->DblClick);
}

bool BoardWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const Element* e = elementAt(help->pos());
    const auto* label =
        e && e->kind() == Element::Kind::Label ? static_cast<const Label*>(e) : nullptr;
    if (label && !label->tip.empty())
      QToolTip::showText(help->globalPos(), tipShown(*label), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

QString BoardWidget::captionShown(const Label& l) const {
  const Board& b = board_;
  const std::string& caption = l.caption();
  if (!language::english()) return QString::fromStdString(caption);
  auto among = [&l](const auto& labels) {
    return std::any_of(labels.begin(), labels.end(), [&l](const Label& x) { return &x == &l; });
  };
  const bool data =
      &l == &b.PLAYER || &l == &b.nom2 || &l == &b.nom2P || &l == &b.NomeRecord ||
      &l == &b.PuntiRecord || &l == &b.TPI || &l == &b.TOTALE || &l == &b.PREMIO ||
      among(b.PUNTI) || among(b.TPS) ||
      // the winner's name, or the draw (unless a player took that name)
      (&l == &b.win2 && (caption == b.PLAYER.caption() || caption == b.nom2.caption()));
  return data ? QString::fromStdString(caption) : language::shown(caption);
}

QString BoardWidget::tipShown(const Label& l) { return language::shown(l.tip); }

// Another language: every caption on the board may read differently.
void BoardWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    update();
    QToolTip::hideText();
  }
  QWidget::changeEvent(event);
}
