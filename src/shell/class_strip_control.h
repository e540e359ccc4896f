#pragma once
// The class strip as the shell runs it: shown by its mode (关, 全屏时显示, 始终显示), its line
// from the schedule clock's tick and the day the shell decides, its place kept in classroom.ini
// once the user has dragged it.
//
// While highlighting is on the strip follows the schedule clock's own tick; while it is off the
// strip's timer ticks instead, with the same decision of the day, so that the strip keeps time
// either way. Off, nothing runs at all. In 全屏时显示 each tick asks whether a full-screen window
// covers the schedule window's monitor (a video put into full screen brings no foreground
// change, and under Wine no foreground event comes at all); a foreground change asks at once.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "clock/school_day.h"
#include "desktop/class_strip.h"
#include "desktop/front_keeper.h"
#include "platform/ui/controls.h"
#include "program/program_state.h"
#include "program/schedule_window.h"

namespace orvel::shell {

inline constexpr int kStripTickMs = 1000;

class ClassStripControl {
 public:
  // Writes classroom.ini, telling the user when it cannot.
  using SaveClassroom = std::function<void()>;
  // `state` and `window` must outlive the control.
  ClassStripControl(program::ProgramState& state, program::ScheduleWindow& window,
                    SaveClassroom save);

  // The program is up or the strip's mode has changed: the strip, its timer and the foreground
  // watch follow the mode at once.
  void FollowMode();
  // The schedule clock has started or stopped: the strip's timer stands in while it stands.
  void FollowHighlighting();
  // One second: `today` is the shell's decision for the date of `nowSeconds`.
  void Tick(const clock::SchoolDay& today, std::int32_t nowSeconds);
  // The program ends: the strip closes and nothing runs any more.
  void End();

  // The strip once it has been shown; nullptr before, and while the mode is 关.
  desktop::ClassStrip* strip() const { return strip_.get(); }

 private:
  // A tick of its own: now, and the shell's decision of today.
  void TickNow();

  program::ProgramState& state_;
  program::ScheduleWindow& window_;
  SaveClassroom save_;
  ui::Timer TimerStrip;
  desktop::FrontRegistration foregroundWatch_;
  std::unique_ptr<desktop::ClassStrip> strip_;
  // Grown once, then written in place every second.
  std::string line_;
  bool started_ = false;
  bool ended_ = false;
};

}  // namespace orvel::shell
