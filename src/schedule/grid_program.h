#pragma once
// The grid edition put together: the program state, the schedule window and the parts that
// plug into its seams (clock, reminders, idle shutdown, control panel). WinMain and the program
// tests build the program through this one object, so both run the same wiring.
#include <memory>

#include "desktop/idle_shutdown.h"
#include "platform/ui/platform.h"
#include "schedule/frm_schedule.h"
#include "schedule/program_state.h"

namespace orvel::schedule {

class GridProgram {
 public:
  explicit GridProgram(ui::Platform& platform);
  GridProgram(const GridProgram&) = delete;
  GridProgram& operator=(const GridProgram&) = delete;
  ~GridProgram();

  // Shows the schedule window, which runs its start-up.
  void Start();

  ProgramState& state() { return state_; }
  FrmSchedule& window() { return window_; }
  desktop::IdleShutdown& idle() { return idle_; }

  // Filled by the wiring of each part; declared here so that the parts stay in their own files.
  struct ClockParts;
  struct PanelParts;

 private:
  void WireClock();
  void WirePanel();

  ProgramState state_;
  FrmSchedule window_;
  desktop::IdleShutdown idle_;
  std::unique_ptr<ClockParts> clock_;
  std::unique_ptr<PanelParts> panel_;
};

}  // namespace orvel::schedule
