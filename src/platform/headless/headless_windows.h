#pragma once
// Window management in memory: a window stack, layered attributes, regions, drags and, per
// window, the chain of window-procedure hooks (the bottom hook and the tray callback hook).
//
// The stack is a list, top first, with the topmost windows in a band above the others. Showing
// or activating a window brings it to the top of its band, unless the bottom hook is on it: then
// every change of its place becomes a move to the bottom of the whole stack, and it loses the
// topmost state, as the hook does on Windows. A form that takes no focus is shown without being
// activated. One window is the foreground window; a window of another program coming to the
// foreground is announced to the foreground hooks.
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_screen.h"
#include "platform/ui/form.h"
#include "platform/ui/services.h"
#include "platform/ui/window_stack.h"

namespace orvel::headless {

// The system's foreground events: the hooks alive, and the announcement a test makes happen.
class HeadlessForeground : public ui::Foreground {
 public:
  HeadlessForeground() = default;
  HeadlessForeground(const HeadlessForeground&) = delete;
  HeadlessForeground& operator=(const HeadlessForeground&) = delete;
  std::unique_ptr<ui::ForegroundHook> Watch(std::function<void()> onChange) override;
  std::size_t Hooks() const { return hooks_.size(); }
  // Runs every hook alive, in the order they were made.
  void Announce();

 private:
  class Hook;
  std::map<int, std::function<void()>> hooks_;
  int nextId_ = 0;
};

// The shell's notification state, as a test sets it.
class HeadlessNotifications : public ui::Notifications {
 public:
  ui::NotificationState State() const override { return state_; }
  void Set(ui::NotificationState state) { state_ = state; }

 private:
  ui::NotificationState state_ = ui::NotificationState::AcceptsNotifications;
};

enum class HookKind { Bottom, Tray };

struct HookEvent {
  std::string form;  // the form's name
  HookKind kind = HookKind::Bottom;
  bool installed = true;  // false: removed
};

struct RegionRecord {
  int widthPx = 0, heightPx = 0, ellipsePx = 0;
  friend bool operator==(const RegionRecord&, const RegionRecord&) = default;
};

struct WindowRecord {
  bool layered = false;
  bool colourKey = false;  // false: constant alpha
  ui::Colour colour = 0;
  int alpha = 255;
  int layeredCalls = 0;
  std::optional<RegionRecord> region;
  int regionCalls = 0;
  int drags = 0;
  int topmostCalls = 0;
  int raises = 0;  // RaiseTopmost
};

struct ScreenPoint {
  double left = 0, top = 0;  // twips
};

struct StackEntry {
  const ui::Form* form = nullptr;  // nullptr: a window of another program
  std::string name;
  bool topmost = false;
  // Another program's window: where it lies (twips); none: over the whole desktop.
  std::optional<ui::Bounds> bounds;
  // What else the system tells of another program's window (its place is `bounds`).
  ui::StackedWindow facts;
};

class HeadlessWindows : public ui::WindowManager {
 public:
  HeadlessWindows(const HeadlessScreen& screen, HeadlessForeground& foreground)
      : screen_(screen), foreground_(foreground) {}
  HeadlessWindows(const HeadlessWindows&) = delete;
  HeadlessWindows& operator=(const HeadlessWindows&) = delete;

  void SetTopmost(ui::Form& form, bool topmost) override;
  void SetLayered(ui::Form& form, bool colourKey, ui::Colour colour, int alpha) override;
  void SetRoundRegion(ui::Form& form, int widthPx, int heightPx, int ellipsePx) override;
  // Moves the form to the drag destination, when a test has set one.
  void BeginDrag(ui::Form& form) override;
  void SetBottomHook(ui::Form& form, bool on) override;
  bool HasBottomHook(const ui::Form& form) const override;
  void RaiseTopmost(ui::Form& form) override;
  // Another program's window that can stay above the form overlaps it (forms' hidden state
  // aside).
  bool CoveredByOther(const ui::Form& form) const override;
  // The highest window of another program on the form's monitor, passing ones aside, covers it.
  bool FullScreenOver(const ui::Form& form) const override;

  // The window of a loaded form; nullptr when the form has none.
  const WindowRecord* Window(const ui::Form& form) const;
  // The hooks on the form's window in the order they were installed: the first lies next to the
  // window's own procedure, the last receives each message first.
  std::vector<HookKind> HookChain(const ui::Form& form) const;
  const std::vector<HookEvent>& HookEvents() const { return hookEvents_; }

  const std::vector<StackEntry>& Stack() const { return stack_; }
  // Place in the stack, 0 at the top; -1 when the form has no window.
  int StackIndex(const ui::Form& form) const;
  bool IsTopmost(const ui::Form& form) const;
  // A window of another program, put on top of its band without taking the foreground;
  // `facts` tell what kind of window it is (a menu, a tool window...), their place aside.
  void OpenOtherWindow(const std::string& name, bool topmost,
                       std::optional<ui::Bounds> bounds = std::nullopt,
                       const ui::StackedWindow& facts = {});
  // It comes to the foreground and to the top of its band: the foreground hooks hear of it.
  void ActivateOtherWindow(const std::string& name);
  // It puts itself on top of its band again, keeping the foreground where it is.
  void RaiseOtherWindow(const std::string& name);
  // It takes another place or size (a video player switched to full screen: none), keeping its
  // place in the stack and the foreground where it is; no foreground event.
  void MoveOtherWindow(const std::string& name, std::optional<ui::Bounds> bounds);
  // The foreground window's name (a form's or another program's window's); empty for none.
  const std::string& ForegroundName() const { return foregroundName_; }
  // The program's own forms activated, by name, in order.
  const std::vector<std::string>& Activations() const { return activations_; }

  // Where the next drag leaves the window (twips); none: it stays where it is.
  void SetDragDestination(std::optional<ScreenPoint> destination) { dragTo_ = destination; }

  // Used by the backend's form peers and tray.
  void Opened(ui::Form& form);
  void Closed(const ui::Form& form);
  void Activate(const ui::Form& form);
  // Shown: activated when it takes the focus, else only put on top of its band.
  void Shown(const ui::Form& form);
  void AddTrayHook(const ui::Form& form, unsigned message, std::function<void(unsigned)> onMessage);
  // Sends a callback message through the form's hooks, outermost first.
  void DeliverTrayMessage(const ui::Form& form, unsigned message, unsigned mouseMessage);

 private:
  struct Hook {
    HookKind kind = HookKind::Bottom;
    unsigned message = 0;
    std::function<void(unsigned)> onMessage;
  };
  struct WindowData {
    WindowRecord record;
    std::vector<Hook> hooks;
  };
  WindowData* Find(const ui::Form& form);
  const WindowData* Find(const ui::Form& form) const;
  std::size_t EntryOf(const ui::Form* form, const std::string& name) const;
  void PlaceOnTop(std::size_t entry);
  void PlaceAtBottom(std::size_t entry);
  // On top of its band, or at the bottom under the bottom hook.
  void PlaceAsShown(const ui::Form& form, std::size_t entry);
  // What the system tells of the stack's `entry`.
  ui::StackedWindow Facts(std::size_t entry) const;

  const HeadlessScreen& screen_;
  HeadlessForeground& foreground_;
  std::map<const ui::Form*, WindowData> windows_;
  std::vector<StackEntry> stack_;
  std::vector<HookEvent> hookEvents_;
  std::optional<ScreenPoint> dragTo_;
  const ui::Form* foregroundForm_ = nullptr;
  std::string foregroundName_;
  std::vector<std::string> activations_;
};

}  // namespace orvel::headless
