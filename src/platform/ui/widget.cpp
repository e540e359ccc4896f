#include "platform/ui/widget.h"

#include "platform/ui/form.h"

namespace orvel::ui {

Widget::Widget(Form* form, std::string name, int index)
    : form_(form), name_(std::move(name)), index_(index) {
  if (form_) form_->Register(this);
}

Widget::~Widget() {
  peer_.reset();
  if (form_) form_->Unregister(this);
}

void Widget::Move(double left, double top) { Move(left, top, bounds_.width, bounds_.height); }

void Widget::Move(double left, double top, double width, double height) {
  const Bounds b{left, top, width, height};
  if (b == bounds_) return;
  bounds_ = b;
  Notify(Property::Bounds);
}

void Widget::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Notify(Property::Visible);
}

void Widget::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Notify(Property::Enabled);
}

void Widget::UserDblClick() {
  if (onDblClick) onDblClick();
}

void Widget::UserLostFocus() {
  if (onLostFocus) onLostFocus();
}

void Widget::SetFocus() {
  if (peer_) peer_->Focus();
}

}  // namespace orvel::ui
