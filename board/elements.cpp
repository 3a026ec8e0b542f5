// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <utility>

#include "board/board.h"

Rect Rect::intersected(const Rect& o) const {
  const int l = std::max(left, o.left);
  const int t = std::max(top, o.top);
  const int r = std::min(right(), o.right());
  const int b = std::min(bottom(), o.bottom());
  return {l, t, std::max(0, r - l), std::max(0, b - t)};
}

Rect Element::windowPlace() const {
  if (!parent_) return place_;
  const Rect frame = parent_->windowPlace();
  return {frame.left + place_.left, frame.top + place_.top, place_.width, place_.height};
}

Rect Element::windowRect() const {
  return parent_ ? windowPlace().intersected(parent_->windowRect()) : place_;
}

void Element::changed() {
  if (board_) board_->markDirty(windowRect());
}

void Element::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  changed();
}

void Label::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  if (visible()) changed();
}

void PictureBox::setPicture(PictureRef picture) {
  if (picture_ == picture) return;
  picture_ = std::move(picture);
  if (visible()) changed();
}

void Shape::setFill(Color fill) {
  if (fill_ == fill) return;
  fill_ = fill;
  if (visible()) changed();
}

void TextField::setText(std::string text) {
  if (text_ == text) return;
  text_ = std::move(text);
  changed();
}

void SortedList::AddItem(std::string item) {
  items_.insert(std::upper_bound(items_.begin(), items_.end(), item), std::move(item));
}

std::string SortedList::List(std::size_t index) const {
  return index < items_.size() ? items_[index] : std::string();
}

std::vector<Rect> Board::takeDirty() { return std::exchange(dirty_, {}); }

void Board::markDirty(const Rect& windowRect) {
  if (windowRect.empty()) return;
  for (const Rect& r : dirty_)
    if (r.intersected(windowRect) == windowRect) return;  // already covered
  dirty_.push_back(windowRect);
}
