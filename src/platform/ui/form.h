#pragma once
// A top-level window and the controls on it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/widget.h"

namespace orvel::ui {

class Platform;
class Form;
class Frame;

// The native window of a form; the form calls it after each change of its own state.
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual void Changed(Property what) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void BringToFront() = 0;
  // The form is unloading and its controls' peers go next.
  virtual void Closing() {}
};

// Told after a form is shown or hidden (Show, Hide, Unload; Visible() says which), for services
// that follow a form, such as keeping it in front. A watcher removes itself before it goes.
class FormWatcher {
 public:
  virtual void FormShownChanged(Form& form) = 0;

 protected:
  ~FormWatcher() = default;
};

enum class FormStyle {
  Borderless,       // no border, no caption bar
  FixedDialog,      // fixed single border with title bar, no minimise or maximise box
};

class Form {
 public:
  Form(Platform& platform, std::string name, FormStyle style);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  Platform& platform() const { return platform_; }
  const std::string& name() const { return name_; }
  FormStyle style() const { return style_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Outer position and size in twips on the screen (for borderless forms the client area).
  const Bounds& bounds() const { return bounds_; }
  double Left() const { return bounds_.left; }
  double Top() const { return bounds_.top; }
  double Width() const { return bounds_.width; }
  double Height() const { return bounds_.height; }
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);
  // Client area size for dialog forms; the backend derives the outer size.
  void SetClientSize(double width, double height);
  double ClientWidth() const { return clientWidth_; }
  double ClientHeight() const { return clientHeight_; }
  bool centred = false;  // opens centred on the screen

  Colour BackColour() const { return back_; }
  void SetBackColour(Colour c);
  const Font& font() const { return font_; }  // the form's own text font (TextWidth)
  bool topmost = false;                      // design-time: created topmost
  // False for a passing notice: shown without taking the focus, and a click on it does not
  // activate it either, so that the user's typing stays where it was.
  bool takesFocus = true;
  // With takesFocus false: a click on it does give it the focus, so that a window that opened by
  // itself hears the keys (Esc) of a user who has turned to it.
  bool clickTakesFocus = false;
  bool showInTaskbar = true;
  int iconId = 0;
  // Design-time: the window takes files dropped on it from the system's file manager.
  bool acceptsDroppedFiles = false;

  // Creates the native window and the peers of every control, then shows the form.
  void Show();
  void Hide();
  bool Visible() const { return visible_; }
  bool Loaded() const { return loaded_; }
  void BringToFront();
  // Destroys the native window; raises onUnload. The object stays usable for a new Show.
  void Unload();

  // Width of a text in the form's own font, twips.
  double TextWidth(const std::string& text) const;

  std::function<void()> onLoad;
  std::function<void()> onUnload;
  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onPaint;
  std::function<void(MouseButton, int shift, double x, double y)> onMouseDown;
  // The user or the system asked the window to close (its close box, Alt+F4, another program).
  std::function<void()> onQueryClose;
  // The user asked for the window's context menu: a right click that no control under the
  // pointer keeps for a menu of its own, or the menu key.
  std::function<void()> onContextMenu;
  // The user pressed Esc in the window or one of its controls.
  std::function<void()> onEscape;
  // Files dropped on the window (acceptsDroppedFiles), full paths in UTF-8.
  std::function<void(const std::vector<std::string>& paths)> onFilesDropped;
  // The Windows session is ending: the process goes once the handler returns.
  std::function<void()> onSessionEnd;
  // The window now lies on a monitor of another DPI, or its monitor's scale changed: its size
  // in pixels is another now (Screen::TwipsPerPixelOf).
  std::function<void()> onDpiChanged;
  // The system clock was set (`set` true), or the PC woke from sleep: the time it shows may have
  // jumped. Top-level windows hear of both.
  std::function<void(bool set)> onClockChanged;

  void UserClick();
  void UserDblClick();
  void UserMouseDown(MouseButton button, int shift, double x, double y);
  void UserClose();
  void UserContextMenu();
  void UserEscape();
  void UserDropFiles(const std::vector<std::string>& paths);
  void SessionEnding();

  // Controls register themselves here when constructed.
  void Register(Widget* w);
  // A control created while the form is loaded gets its native peer here.
  void Attach(Widget& w);
  void Unregister(Widget* w);
  const std::vector<Widget*>& Controls() const { return controls_; }
  // The frames among the controls, which the containment rule looks at; a matrix of thousands
  // of boxes must not make every box look at every other control.
  void AddFrame(const Frame* frame) { frames_.push_back(frame); }
  void RemoveFrame(const Frame* frame);
  const std::vector<const Frame*>& Frames() const { return frames_; }

  void AddWatcher(FormWatcher* watcher) { watchers_.push_back(watcher); }
  void RemoveWatcher(FormWatcher* watcher);

  FormPeer* peer() const { return peer_.get(); }
  // Moves and sizes made by the native window (a drag) reach the form here.
  void NativeMoved(double left, double top);
  void NativeVisible(bool visible) { visible_ = visible; }
  void NativeDpiChanged() {
    if (onDpiChanged) onDpiChanged();
  }
  void ClockChanged(bool set) {
    if (onClockChanged) onClockChanged(set);
  }

 protected:
  void NotifyForm(Property what);

 private:
  void TellWatchers();

  Platform& platform_;
  std::string name_;
  FormStyle style_;
  std::string caption_;
  Bounds bounds_;
  double clientWidth_ = 0, clientHeight_ = 0;
  Colour back_ = 0xF0F0F0;
  Font font_;
  bool visible_ = false;
  bool loaded_ = false;
  std::vector<Widget*> controls_;
  std::vector<const Frame*> frames_;
  std::unique_ptr<FormPeer> peer_;
  std::vector<FormWatcher*> watchers_;
};

}  // namespace orvel::ui
