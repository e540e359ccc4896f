#pragma once
// The plain controls. Event rules as the system defines them: setting a check box's value from
// code raises its click handler when the value changes; choosing a list position from code raises
// the list's click handler whenever the position is 0 or more; setting an editable box's text
// raises nothing.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/widget.h"

namespace orvel::ui {

class Label : public Widget {
 public:
  Label(Form* form, std::string name, int index = -1) : Widget(form, std::move(name), index) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  Colour BackColour() const { return back_; }
  void SetBackColour(Colour c);
  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour c);
  const Font& font() const { return font_; }
  void SetFont(Font f);
  bool Bold() const { return font_.bold; }
  void SetBold(bool bold);
  int BorderStyle() const { return border_; }  // 0 none, 1 single line
  void SetBorderStyle(int style);
  bool transparentBack = false;  // design-time: no background of its own

  std::function<void()> onClick;
  std::function<void(MouseButton, int shift, double x, double y)> onMouseDown;
  void UserClick();
  void UserMouseDown(MouseButton button, int shift, double x, double y);

 private:
  std::string caption_;
  Colour back_ = 0xFFFFFF;
  Colour fore_ = 0x000000;
  Font font_;
  int border_ = 0;
};

class Button : public Widget {
 public:
  Button(Form* form, std::string name, std::string caption, int index = -1)
      : Widget(form, std::move(name), index), caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Empty until set: the system's dialog font.
  const std::optional<Font>& font() const { return font_; }
  void SetFont(Font f);
  std::function<void()> onClick;
  std::function<void(MouseButton, int shift, double x, double y)> onMouseUp;
  void UserClick();
  void UserMouseUp(MouseButton button, int shift, double x, double y);

 private:
  std::string caption_;
  std::optional<Font> font_;
};

class CheckBox : public Widget {
 public:
  CheckBox(Form* form, std::string name, std::string caption, int index = -1)
      : Widget(form, std::move(name), index), caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  int Value() const { return value_; }  // 0 unchecked, 1 checked
  // Raises onClick when the value changes, whoever sets it.
  void SetValue(int value);
  std::function<void()> onClick;
  void UserClick() { SetValue(value_ == 1 ? 0 : 1); }

 private:
  std::string caption_;
  int value_ = 0;
};

class TextBox : public Widget {
 public:
  TextBox(Form* form, std::string name, int index = -1) : Widget(form, std::move(name), index) {}
  const std::string& Text() const { return text_; }
  void SetText(std::string text);  // raises nothing
  Colour BackColour() const { return back_; }
  void SetBackColour(Colour c);
  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour c);
  const Font& font() const { return font_; }
  void SetFont(Font f);
  int BorderStyle() const { return border_; }
  void SetBorderStyle(int style);
  int Alignment() const { return alignment_; }  // 0 left, 1 right, 2 centre
  void SetAlignment(int a);
  // A read-only box shows its text and takes no typing; it keeps its colours.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool multiLine = false;

  std::function<void()> onChange;
  std::function<void()> onClick;
  std::function<void(MouseButton, int shift, double x, double y)> onMouseDown;
  // The user typed: the peer reports the new text.
  void UserSetText(std::string text);
  void UserClick();
  void UserMouseDown(MouseButton button, int shift, double x, double y);

 private:
  std::string text_;
  Colour back_ = 0xFFFFFF;
  Colour fore_ = 0x000000;
  Font font_;
  int border_ = 1;
  int alignment_ = 0;
  bool readOnly_ = false;
};

// A drop-down list; `editable` boxes also have a text the user can type.
class ComboBox : public Widget {
 public:
  ComboBox(Form* form, std::string name, bool editable, std::vector<std::string> items = {},
           int index = -1)
      : Widget(form, std::move(name), index), editable_(editable), items_(std::move(items)) {}
  bool Editable() const { return editable_; }
  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(std::string item);
  void Clear();
  int ListIndex() const { return listIndex_; }
  // Raises onClick for any position 0 or more, even the current one; -1 clears silently.
  void SetListIndex(int index);
  // The box text: the chosen item, or what was typed or set into an editable box.
  const std::string& Text() const { return text_; }
  void SetText(std::string text);  // raises nothing

  std::function<void()> onClick;
  void UserChoose(int index) { SetListIndex(index); }
  void UserSetText(std::string text);

 private:
  bool editable_;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  std::string text_;
};

// A list of texts, one of which the user may select.
class ListBox : public Widget {
 public:
  ListBox(Form* form, std::string name) : Widget(form, std::move(name), -1) {}
  const std::vector<std::string>& Items() const { return items_; }
  // New items, none selected.
  void SetItems(std::vector<std::string> items);
  int ListIndex() const { return listIndex_; }
  // Raises onClick for any position 0 or more; -1 clears silently.
  void SetListIndex(int index);
  std::string SelectedItem() const;  // the selected text, or empty
  std::function<void()> onClick;
  void UserChoose(int index) { SetListIndex(index); }

 protected:
  // The items are to be read again: nothing selected.
  void ItemsStale() {
    listIndex_ = -1;
    Notify(Property::Items);
  }

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

// The list of file names in one folder that match a pattern; the items are filled by whoever
// reads the folder.
class FileList : public ListBox {
 public:
  FileList(Form* form, std::string name) : ListBox(form, std::move(name)) {}
  const std::string& Path() const { return path_; }  // UTF-8 folder path
  void SetPath(std::string folder);
  std::string pattern = "*.csv";
  std::string FileName() const { return SelectedItem(); }
  std::function<void()> onPathChange;

 private:
  std::string path_;
};

// A date the user picks with the system's date picker.
class DatePicker : public Widget {
 public:
  DatePicker(Form* form, std::string name) : Widget(form, std::move(name), -1) {}
  std::chrono::year_month_day Value() const { return value_; }
  void SetValue(std::chrono::year_month_day date);  // raises nothing
  std::function<void()> onChange;
  // The user picked a date: the peer reports it.
  void UserSetValue(std::chrono::year_month_day date);

 private:
  std::chrono::year_month_day value_{std::chrono::year{2000}, std::chrono::January,
                                     std::chrono::day{1}};
};

// A page container (a frame without caption). The controls lying within its bounds follow its
// visibility and enabled state. Frames that share one rectangle (stacked pages) cannot be told
// apart by position: they name their controls with Hold, and a held control follows only the
// frames that hold it.
class Frame : public Widget {
 public:
  Frame(Form* form, std::string name, int index = -1);
  ~Frame() override;
  // Call before the form loads; the control must live as long as the frame.
  void Hold(const Widget& control) { held_.push_back(&control); }
  bool Holds(const Widget& control) const;

 private:
  std::vector<const Widget*> held_;
};

class Picture : public Widget {
 public:
  Picture(Form* form, std::string name, int index = -1) : Widget(form, std::move(name), index) {}
  int ImageId() const { return image_; }  // a resource of the program
  void SetImageId(int id);
  std::function<void()> onClick;
  std::function<void(MouseButton, int shift, double x, double y)> onMouseDown;
  void UserMouseDown(MouseButton button, int shift, double x, double y);

 private:
  int image_ = 0;
};

class Timer : public Widget {
 public:
  Timer(Form* form, std::string name, int intervalMs, bool enabled)
      : Widget(form, std::move(name), -1), interval_(intervalMs) {
    Widget::SetEnabled(enabled);
  }
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  std::function<void()> onTimer;
  void Fire() {
    if (Enabled() && onTimer) onTimer();
  }

 private:
  int interval_;
};

// An item without a caption is a separator; one without a handler (and without a submenu) only
// tells something and cannot be chosen.
struct MenuItem {
  std::string name;
  std::string caption;
  std::function<void()> onClick;
  bool checked = false;  // shown with a check mark
  // Not empty: the item opens these, and has no handler of its own.
  std::vector<MenuItem> submenu{};
};

// A pop-up menu shown at the pointer; the backend returns the chosen item.
class PopupMenu {
 public:
  PopupMenu(std::string name, std::string caption, std::vector<MenuItem> items)
      : name_(std::move(name)), caption_(std::move(caption)), items_(std::move(items)) {}
  const std::string& name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  const std::vector<MenuItem>& Items() const { return items_; }
  void Choose(std::size_t i) const {
    if (i < items_.size()) Choose(items_[i]);
  }
  // An item of the menu or of one of its submenus.
  static void Choose(const MenuItem& item) {
    // A copy: the handler may build the menu afresh.
    if (const std::function<void()> handler = item.onClick) handler();
  }

 private:
  std::string name_;
  std::string caption_;
  std::vector<MenuItem> items_;
};

}  // namespace orvel::ui
