#pragma once
// The class strip: a small bar for the big screen with the line a lesson needs at a glance
// (clock/strip_line.h), above full-screen slide shows and whiteboards, never taking the focus and
// not on the taskbar. Its window text is the line, for screen readers. The left mouse button
// drags it; where it goes is desktop/strip_place.h's decision. A school notice wider than the
// strip's own line, or any line wider than the monitor, scrolls inside it, on a timer that runs
// only then.
#include <functional>
#include <optional>
#include <string_view>

#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/platform.h"
#include "timetable/classroom_settings.h"

namespace orvel::desktop {

// Large enough to read from the back of a classroom on a projected screen: about a centimetre
// a letter on a 2.5 m wide picture of 1920 pixels.
inline constexpr float kStripFontSize = 24;
inline constexpr std::string_view kStripFontName = "微软雅黑";

class ClassStrip : public ui::Form {
 public:
  // `schedule`, whose monitor the strip goes to when it has no place of its own, and `keeper`
  // must outlive the strip. `place` is where the user last left it, if anywhere.
  ClassStrip(ui::Platform& platform, const ui::Form& schedule, FrontKeeper& keeper,
             std::optional<StripPlace> place);

  ui::Label LblLine;
  ui::Timer TimerScroll;

  // Shows `line`, as its window text as well, the strip sized to it; a strip not shown yet is
  // placed and shown, without taking the focus.
  void ShowLine(std::string_view line);
  // A notice's turn: the same, but no wider than the strip's own line was.
  void ShowNotice(std::string_view text);

  // The user has moved the strip: its new place in whole twips of the desktop.
  std::function<void(StripPlace place)> onPlaced;
  // The right mouse button over it: its menu.
  std::function<void()> onMenu;
  // A double click over it.
  std::function<void()> onDoubleClick;

 private:
  void Display(std::string_view line, bool notice);
  void Fit(bool notice);
  // The next step of a line that does not fit, held a while at either end.
  void Scroll();
  // Its own place, or its first place by the schedule window (StripBounds).
  void Place();
  void MouseDown(ui::MouseButton button);

  const ui::Form& schedule_;
  std::optional<StripPlace> place_;
  bool dragging_ = false;
  // Of a line that does not fit: how much is hidden, and how far it has scrolled (below zero
  // while it waits at its start).
  double overflow_ = 0, scrolled_ = 0;
  double ownLineWidth_ = 0;  // twips, as last shown
  FrontRegistration inFront_;
};

}  // namespace orvel::desktop
