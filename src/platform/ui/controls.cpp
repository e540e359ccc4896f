#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace orvel::ui {

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::Text);
}
void Label::SetBackColour(Colour c) {
  if (c == back_) return;
  back_ = c;
  Notify(Property::Colours);
}
void Label::SetForeColour(Colour c) {
  if (c == fore_) return;
  fore_ = c;
  Notify(Property::Colours);
}
void Button::SetFont(Font f) {
  if (font_ == f) return;
  font_ = std::move(f);
  Notify(Property::Font);
}
void Label::SetFont(Font f) {
  if (f == font_) return;
  font_ = std::move(f);
  Notify(Property::Font);
}
void Label::SetBold(bool bold) {
  if (bold == font_.bold) return;
  font_.bold = bold;
  Notify(Property::Font);
}
void Label::SetBorderStyle(int style) {
  if (style == border_) return;
  border_ = style;
  Notify(Property::BorderStyle);
}
void Label::UserClick() {
  if (Enabled() && onClick) onClick();
}
void Label::UserMouseDown(MouseButton button, int shift, double x, double y) {
  if (Enabled() && onMouseDown) onMouseDown(button, shift, x, y);
}

void Button::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::Text);
}
void Button::UserClick() {
  if (Enabled() && onClick) onClick();
}
void Button::UserMouseUp(MouseButton button, int shift, double x, double y) {
  if (Enabled() && onMouseUp) onMouseUp(button, shift, x, y);
}

void CheckBox::SetValue(int value) {
  if (value == value_) return;
  value_ = value;
  Notify(Property::Value);
  if (onClick) onClick();
}

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Notify(Property::Text);
}
void TextBox::SetBackColour(Colour c) {
  if (c == back_) return;
  back_ = c;
  Notify(Property::Colours);
}
void TextBox::SetForeColour(Colour c) {
  if (c == fore_) return;
  fore_ = c;
  Notify(Property::Colours);
}
void TextBox::SetFont(Font f) {
  if (f == font_) return;
  font_ = std::move(f);
  Notify(Property::Font);
}
void TextBox::SetBorderStyle(int style) {
  if (style == border_) return;
  border_ = style;
  Notify(Property::BorderStyle);
}
void TextBox::SetAlignment(int a) {
  if (a == alignment_) return;
  alignment_ = a;
  Notify(Property::Layout);
}
void TextBox::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  Notify(Property::Enabled);
}
void TextBox::UserSetText(std::string text) {
  if (readOnly_ || text == text_) return;
  text_ = std::move(text);  // the peer already shows it
  if (onChange) onChange();
}
void TextBox::UserClick() {
  if (Enabled() && onClick) onClick();
}
void TextBox::UserMouseDown(MouseButton button, int shift, double x, double y) {
  if (Enabled() && onMouseDown) onMouseDown(button, shift, x, y);
}

void ComboBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Notify(Property::Items);
}
void ComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  if (!editable_) text_.clear();
  Notify(Property::Items);
}
void ComboBox::SetListIndex(int index) {
  if (index >= static_cast<int>(items_.size()) || index < -1) return;  // no such position
  listIndex_ = index;
  text_ = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
  Notify(Property::ListIndex);
  if (index >= 0 && onClick) onClick();
}
void ComboBox::SetText(std::string text) {
  if (!editable_) {
    // A selection-only list takes a text only when it names an item; that selects it silently.
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i] == text) {
        listIndex_ = static_cast<int>(i);
        text_ = std::move(text);
        Notify(Property::ListIndex);
        return;
      }
    return;
  }
  text_ = std::move(text);
  listIndex_ = -1;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == text_) listIndex_ = static_cast<int>(i);
  Notify(Property::Text);
}
void ComboBox::UserSetText(std::string text) {
  if (!editable_) return;
  text_ = std::move(text);
  listIndex_ = -1;
}

void ListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
  Notify(Property::Items);
}
void ListBox::SetListIndex(int index) {
  if (index >= static_cast<int>(items_.size()) || index < -1) return;
  listIndex_ = index;
  Notify(Property::ListIndex);
  if (index >= 0 && onClick) onClick();
}
std::string ListBox::SelectedItem() const {
  return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
}

void FileList::SetPath(std::string folder) {
  path_ = std::move(folder);
  ItemsStale();
  if (onPathChange) onPathChange();
}

void DatePicker::SetValue(std::chrono::year_month_day date) {
  if (!date.ok() || date == value_) return;
  value_ = date;
  Notify(Property::Value);
}
void DatePicker::UserSetValue(std::chrono::year_month_day date) {
  if (!date.ok() || date == value_) return;
  value_ = date;  // the peer already shows it
  if (onChange) onChange();
}

Frame::Frame(Form* form, std::string name, int index) : Widget(form, std::move(name), index) {
  if (form) form->AddFrame(this);
}

Frame::~Frame() {
  if (Form* f = form()) f->RemoveFrame(this);
}

bool Frame::Holds(const Widget& control) const {
  return std::find(held_.begin(), held_.end(), &control) != held_.end();
}

void Picture::SetImageId(int id) {
  if (id == image_) return;
  image_ = id;
  Notify(Property::Picture);
}
void Picture::UserMouseDown(MouseButton button, int shift, double x, double y) {
  if (Enabled() && onMouseDown) onMouseDown(button, shift, x, y);
}

void Timer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Notify(Property::Interval);
}

}  // namespace orvel::ui
