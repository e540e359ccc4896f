#include "platform/ui/form.h"

#include <algorithm>

#include "platform/ui/erase_last.h"
#include "platform/ui/platform.h"

namespace orvel::ui {

Form::Form(Platform& platform, std::string name, FormStyle style)
    : platform_(platform), name_(std::move(name)), style_(style) {}

Form::~Form() {
  // Controls are members of derived forms and are gone by now; only the window is left.
  peer_.reset();
}

void Form::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  NotifyForm(Property::Text);
}

void Form::Move(double left, double top) { Move(left, top, bounds_.width, bounds_.height); }

void Form::Move(double left, double top, double width, double height) {
  const Bounds b{left, top, width, height};
  if (b == bounds_) return;
  bounds_ = b;
  NotifyForm(Property::Bounds);
}

void Form::SetClientSize(double width, double height) {
  clientWidth_ = width;
  clientHeight_ = height;
  if (style_ == FormStyle::Borderless) {
    Move(bounds_.left, bounds_.top, width, height);
    return;
  }
  NotifyForm(Property::Bounds);
}

void Form::SetBackColour(Colour c) {
  if (c == back_) return;
  back_ = c;
  NotifyForm(Property::Colours);
}

void Form::Show() {
  if (!loaded_) {
    loaded_ = true;
    peer_ = platform_.CreateFormPeer(*this);
    for (Widget* w : controls_) w->AttachPeer(platform_.CreatePeer(*w));
    if (onLoad) onLoad();
    if (!loaded_) return;  // the load handler unloaded the form
  }
  const bool wasVisible = visible_;
  visible_ = true;
  if (peer_) peer_->Show();
  if (!wasVisible) TellWatchers();
}

void Form::Hide() {
  const bool wasVisible = visible_;
  visible_ = false;
  if (peer_) peer_->Hide();
  if (wasVisible) TellWatchers();
}

void Form::BringToFront() {
  if (peer_) peer_->BringToFront();
}

void Form::Unload() {
  if (!loaded_) return;
  const bool wasVisible = visible_;
  loaded_ = false;
  visible_ = false;
  if (onUnload) onUnload();
  // The native window first: it takes its controls' windows with it in one go.
  if (peer_) peer_->Closing();
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->AttachPeer(nullptr);
  peer_.reset();
  if (wasVisible) TellWatchers();
}

void Form::RemoveWatcher(FormWatcher* watcher) { EraseLast(watchers_, watcher); }

void Form::TellWatchers() {
  // A copy: a watcher may add or remove watchers; one removed meanwhile is not told.
  const std::vector<FormWatcher*> watchers = watchers_;
  for (FormWatcher* watcher : watchers)
    if (std::find(watchers_.begin(), watchers_.end(), watcher) != watchers_.end())
      watcher->FormShownChanged(*this);
}

void Form::Attach(Widget& w) {
  if (loaded_) w.AttachPeer(platform_.CreatePeer(w));
}

double Form::TextWidth(const std::string& text) const {
  return platform_.metrics().TextWidth(font_, text);
}

void Form::UserClick() {
  if (onClick) onClick();
}
void Form::UserDblClick() {
  if (onDblClick) onDblClick();
}
void Form::UserMouseDown(MouseButton button, int shift, double x, double y) {
  if (onMouseDown) onMouseDown(button, shift, x, y);
}
void Form::UserClose() {
  if (onQueryClose) onQueryClose();
  Unload();
}
void Form::UserContextMenu() {
  if (onContextMenu) onContextMenu();
}
void Form::UserEscape() {
  if (onEscape) onEscape();
}
void Form::UserDropFiles(const std::vector<std::string>& paths) {
  if (acceptsDroppedFiles && onFilesDropped) onFilesDropped(paths);
}
void Form::SessionEnding() {
  if (onSessionEnd) onSessionEnd();
}

void Form::Register(Widget* w) { controls_.push_back(w); }

void Form::Unregister(Widget* w) {
  EraseLast(controls_, w);
}

void Form::RemoveFrame(const Frame* frame) {
  EraseLast(frames_, frame);
}

void Form::NativeMoved(double left, double top) {
  bounds_.left = left;
  bounds_.top = top;
}

void Form::NotifyForm(Property what) {
  if (peer_) peer_->Changed(what);
}

}  // namespace orvel::ui
