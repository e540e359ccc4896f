#pragma once
// Which windows of other programs matter to the windows kept in front, decided from what the
// system tells of each window in the stack, so that both backends decide alike and the rules can
// be tried on a stack written by hand.
//
// A window of another program that can stay where it is (a whiteboard, a browser, a slide show)
// hides a kept window; one that passes (its menus, drop-down lists, tooltips, an input method's
// candidates, the on-screen keyboard) is left alone while the user works with it, and is gone a
// moment later.
#include <optional>
#include <span>
#include <string_view>

#include "platform/ui/widget.h"

namespace orvel::ui {

// What a window's class makes it.
enum class WindowRole { Ordinary, Menu, Tooltip, DropDown, InputMethod, Shell };

// The role that a window class of the system, the shell or an input method gives.
WindowRole RoleOfClass(std::string_view className);

// One top-level window as the system shows it; places in any one unit, the same for all.
struct StackedWindow {
  bool ours = false;     // of this program's process
  bool owned = false;    // it has an owner window (a dialog, a palette, a popup of a program)
  bool cloaked = false;  // the compositor hides it (another virtual desktop, a suspended app)
  bool visible = true;
  bool minimised = false;
  bool toolWindow = false;  // off the taskbar and the task switcher
  bool noActivate = false;  // never takes the focus, as on-screen keyboards and overlays
  bool maximisedWithCaption = false;
  WindowRole role = WindowRole::Ordinary;
  Bounds rect;
};

// Whether `window` is one of another program's that can stay where it is.
bool StaysAsOthers(const StackedWindow& window);

// Whether `window`, lying above a kept one, hides `kept`: it stays and overlaps it.
bool Covers(const StackedWindow& window, const Bounds& kept);
// Whether one of `above` (the windows above a kept one) covers `kept`.
bool CoveredByOther(std::span<const StackedWindow> above, const Bounds& kept);

// Whether a full-screen window of another program is what is seen on `monitor`: the highest
// shown window of another program on it, passing ones aside, covers the whole monitor and is
// not an ordinary maximised window with a title bar. `stack` is the whole stack, top first.
bool FullScreenOn(std::span<const StackedWindow> stack, const Bounds& monitor);
// The same, one window at a time from the top, for a walk that keeps no list (the question is
// asked every second): the answer once `window` decides it, nothing while the walk goes on.
std::optional<bool> FullScreenSays(const StackedWindow& window, const Bounds& monitor);

}  // namespace orvel::ui
