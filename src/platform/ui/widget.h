#pragma once
// Portable widgets: each keeps its state in C++ and raises its handlers by the system's event
// rules; a backend attaches a native peer that shows the state and feeds user input back.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvel::ui {

using Colour = std::uint32_t;  // 0x00BBGGRR

enum class MouseButton : int { Left = 1, Right = 2, Middle = 4 };
// Shift state as a bit set: Shift 1, Ctrl 2, Alt 4.
enum ShiftState : int { kShift = 1, kCtrl = 2, kAlt = 4 };

// What changed on a widget, so that a peer repaints or resends only that.
enum class Property {
  Bounds, Visible, Enabled, Text, Value, Items, ListIndex, Colours, Font, BorderStyle, Picture,
  Interval, Cells, CellColours, Layout, Current, Bold
};

class Widget;
class Form;

// The native side of a widget. The widget calls Changed after every state change; a peer reads
// the state back from the widget.
class WidgetPeer {
 public:
  virtual ~WidgetPeer() = default;
  virtual void Changed(Property what) = 0;
  // Grid cells are many: a peer may repaint just one. Default repaints all cells.
  virtual void CellChanged(int row, int col) {
    (void)row;
    (void)col;
    Changed(Property::Cells);
  }
  virtual void Focus() {}
};

struct Bounds {
  double left = 0, top = 0, width = 0, height = 0;  // twips, relative to the parent
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct Font {
  std::string name = "宋体";
  float size = 9.0f;  // points
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

class Widget {
 public:
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;
  virtual ~Widget();

  Form* form() const { return form_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // control arrays; -1 when not in an array

  const Bounds& bounds() const { return bounds_; }
  double Left() const { return bounds_.left; }
  double Top() const { return bounds_.top; }
  double Width() const { return bounds_.width; }
  double Height() const { return bounds_.height; }
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);
  void SetWidth(double width) { Move(bounds_.left, bounds_.top, width, bounds_.height); }
  void SetHeight(double height) { Move(bounds_.left, bounds_.top, bounds_.width, height); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::string tag;  // the free text every control carries

  // Events every control can raise.
  std::function<void()> onDblClick;
  std::function<void()> onLostFocus;

  // Input from the user (native peer, or a test driving the headless backend).
  virtual void UserDblClick();
  void UserLostFocus();

  void SetFocus();
  WidgetPeer* peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<WidgetPeer> peer) { peer_ = std::move(peer); }

 protected:
  Widget(Form* form, std::string name, int index);
  void Notify(Property what) {
    if (peer_) peer_->Changed(what);
  }

 private:
  Form* form_;
  std::string name_;
  int index_;
  Bounds bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::unique_ptr<WidgetPeer> peer_;
};

}  // namespace orvel::ui
