#pragma once
// What each part keeps for the life of the program. Each part fills its own struct in its own
// wiring file.
#include <memory>

#include "desktop/frm_tips.h"
#include "schedule/grid_program.h"
#include "schedule/schedule_clock.h"

namespace orvel::schedule {

// The schedule clock's values between ticks, and the reminder popup: one object, made at the
// first popup reminder and made afresh at the next one after it has unloaded (never destroyed
// from inside its own handlers).
struct GridProgram::ClockParts {
  ClockState state;
  std::unique_ptr<desktop::FrmTips> popup;
};

struct GridProgram::PanelParts {};

}  // namespace orvel::schedule
