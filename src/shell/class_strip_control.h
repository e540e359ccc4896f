#pragma once
// The class strip as the shell runs it: shown by its mode (关, 全屏时显示, 始终显示), its line
// from the schedule clock's tick and the day the shell decides, its place kept in classroom.ini
// once the user has dragged it.
//
// The shell's second ticks it, whether highlighting is on or off, with the shell's decision of
// the day. Off, the strip has no window and no foreground watch. In 全屏时显示 each tick asks
// whether a full-screen window covers the schedule window's monitor (a video put into full screen
// brings no foreground change, and under Wine no foreground event comes at all); a foreground
// change asks at once.
//
// While ordinary school notices last, the shown strip gives every other 5 seconds to one of
// them, in turn. A shrunk exam board's line wins over them: the strip shows only that.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "clock/school_day.h"
#include "desktop/class_strip.h"
#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "program/program_state.h"
#include "program/schedule_window.h"

namespace orvel::shell {

class ClassStripControl {
 public:
  // Writes classroom.ini, telling the user when it cannot.
  using SaveClassroom = std::function<void()>;
  // `state` and `window` must outlive the control.
  ClassStripControl(program::ProgramState& state, program::ScheduleWindow& window,
                    SaveClassroom save);

  // The program is up or the strip's mode has changed: the strip and the foreground watch
  // follow the mode at once.
  void FollowMode();
  // One second: `today` is the shell's decision for the date of `nowSeconds`.
  void Tick(const clock::SchoolDay& today, std::int32_t nowSeconds);
  // The program ends: the strip closes and nothing runs any more.
  void End();

  // A board shrunk to the strip: the strip shows `line` instead of its own, whatever its mode,
  // until EndExamLine.
  void ShowExamLine(std::string_view line);
  void EndExamLine();
  // The ordinary notices current now, to alternate with the strip's own line; none to stop.
  void ShowNotices(std::vector<std::string> texts);
  // The strip's right-click menu and its double click, for the exam board.
  std::function<void(ui::Form& strip)> onMenu;
  std::function<void()> onDoubleClick;

  // The strip once it has been shown; nullptr before, and while the mode is 关.
  desktop::ClassStrip* strip() const { return strip_.get(); }

 private:
  // A tick out of turn (a mode chosen, the foreground changed): now, and the day it is.
  void TickNow();
  void MakeStrip();

  program::ProgramState& state_;
  program::ScheduleWindow& window_;
  SaveClassroom save_;
  desktop::FrontRegistration foregroundWatch_;
  std::unique_ptr<desktop::ClassStrip> strip_;
  // Grown once, then written in place every second.
  std::string line_;
  std::string examLine_;
  std::vector<std::string> notices_;
  bool examLineShown_ = false;
  bool started_ = false;
  bool ended_ = false;
};

}  // namespace orvel::shell
