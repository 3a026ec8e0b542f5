// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The board elements of the game window. Places are in twips (15 twips make
// one pixel). Every setter does nothing when the value is unchanged and
// otherwise tells the board which rectangle needs drawing again.

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
  Rect intersected(const Rect& o) const;
  bool empty() const { return width <= 0 || height <= 0; }
  bool operator==(const Rect&) const = default;
};

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};

namespace colors {
constexpr Color white{255, 255, 255};
constexpr Color red{255, 0, 0};
constexpr Color green{0, 255, 0};
constexpr Color blue{0, 0, 255};
constexpr Color yellow{255, 255, 0};
constexpr Color navy{0, 0, 128};
constexpr Color purple{128, 0, 128};
constexpr Color grey{192, 192, 192};
constexpr Color black{0, 0, 0};
}  // namespace colors

// A picture as the platform loaded it; `source` says where from (a bitmap
// number or a file), which is what tests and debugging look at.
struct Picture {
  explicit Picture(std::string from) : source(std::move(from)) {}
  virtual ~Picture() = default;
  std::string source;
};
using PictureRef = std::shared_ptr<const Picture>;

class Board;

class Element {
 public:
  enum class Kind { Label, Picture, Shape, Panel, TextField };

  Element() = default;
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  virtual ~Element() = default;

  virtual Kind kind() const = 0;
  const std::string& name() const { return name_; }
  const Rect& place() const { return place_; }
  Element* parent() const { return parent_; }
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  void Show() { setVisible(true); }
  void Hide() { setVisible(false); }

  // Where the element lies in the window; windowRect() is clipped to its panel.
  Rect windowPlace() const;
  Rect windowRect() const;

  // Event handlers; an empty one means the element does not answer.
  std::function<void()> Click, DblClick, MouseMove;

 protected:
  void changed();

 private:
  friend class Board;
  Board* board_ = nullptr;
  Element* parent_ = nullptr;
  std::string name_;
  Rect place_;
  bool visible_ = true;
};

struct Font {
  double points = 8.25;
  bool bold = false;
};

class Label : public Element {
 public:
  enum class Align { Left, Center };
  Kind kind() const override { return Kind::Label; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  Font font;
  Color fore = colors::black;
  Align align = Align::Center;
  std::string tip;

 private:
  std::string caption_;
};

class PictureBox : public Element {
 public:
  Kind kind() const override { return Kind::Picture; }
  const PictureRef& picture() const { return picture_; }
  void setPicture(PictureRef picture);

  bool stretch = false;

 private:
  PictureRef picture_;
};

class Shape : public Element {
 public:
  Kind kind() const override { return Kind::Shape; }
  // Empty for shapes drawn as an outline only.
  const std::optional<Color>& fill() const { return fill_; }
  void setFill(Color fill);
  void initFill(std::optional<Color> fill) { fill_ = fill; }

  Color border = colors::black;
  int borderWidth = 1;       // pixels; 0 draws no border
  std::uint8_t alpha = 255;  // below 255 the element under it shows through
  int cornerRadius = 0;      // pixels

 private:
  std::optional<Color> fill_;
};

class Panel : public Element {
 public:
  Kind kind() const override { return Kind::Panel; }
  Color back;
  std::vector<Element*> children;  // top of the overlap order first
};

class TextField : public Element {
 public:
  Kind kind() const override { return Kind::TextField; }
  const std::string& text() const { return text_; }
  void setText(std::string text);

  Font font;
  Color fore = colors::black;
  Color back = colors::white;
  int maxLength = 0;

 private:
  std::string text_;
};

// Items of the menu and the two timers are not drawn on the board; the shell
// reads them back after every event.
struct MenuItem {
  std::string caption;
  bool Checked = false;
  bool Enabled = true;
};

struct Timer {
  int Interval = 0;  // milliseconds
  bool Enabled = false;
};

// A hidden list that keeps its items in ascending text order.
class SortedList {
 public:
  void Clear() { items_.clear(); }
  void AddItem(std::string item);
  // The item at a place, or the empty text past the end.
  std::string List(std::size_t index) const;
  std::size_t ListCount() const { return items_.size(); }

 private:
  std::vector<std::string> items_;
};

// The window-wide mouse pointer: the system arrow, or the custom picture
// (a cursor resource number; 0 = none loaded yet, which shows the arrow).
struct MousePointer {
  bool custom = false;
  int icon = 0;
  bool operator==(const MousePointer&) const = default;
};
