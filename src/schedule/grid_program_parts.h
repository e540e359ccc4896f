#pragma once
// What each part keeps for the life of the program. Each part fills its own struct in its own
// wiring file.
#include <memory>

#include "desktop/frm_tips.h"
#include "panel/frm_control.h"
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

// The control panel of the current opening. A closed panel stays until the next opening
// replaces it: it may close from inside its own handlers, which must not run on a deleted form.
struct GridProgram::PanelParts {
  std::unique_ptr<panel::FrmControl> form;
};

}  // namespace orvel::schedule
