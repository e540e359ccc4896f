#pragma once
// The classic edition put together: the program state, the text-box schedule window and the
// parts that plug into its seams (clock, reminders, idle shutdown, control panel), wired the
// way GridProgram wires the grid edition.
#include <memory>
#include <string_view>

#include "classic/frm_schedule.h"
#include "desktop/idle_shutdown.h"
#include "platform/ui/platform.h"
#include "schedule/program_state.h"

namespace orvel::classic {

// The notification-area icon's tip, shown only around a balloon reminder.
inline constexpr std::string_view kTrayTip = "课程表";

class ClassicProgram {
 public:
  explicit ClassicProgram(ui::Platform& platform);
  ClassicProgram(const ClassicProgram&) = delete;
  ClassicProgram& operator=(const ClassicProgram&) = delete;
  ~ClassicProgram();

  // Shows the schedule window, which runs its start-up.
  void Start();

  schedule::ProgramState& state() { return state_; }
  FrmSchedule& window() { return window_; }
  desktop::IdleShutdown& idle() { return idle_; }

  struct ClockParts;
  struct PanelParts;

 private:
  void WireClock();
  void WirePanel();

  schedule::ProgramState state_;
  FrmSchedule window_;
  desktop::IdleShutdown idle_;
  std::unique_ptr<ClockParts> clock_;
  std::unique_ptr<PanelParts> panel_;
};

}  // namespace orvel::classic
