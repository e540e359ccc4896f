#pragma once
// What each part of the classic program keeps for the life of the program.
#include <memory>

#include "classic/classic_clock.h"
#include "classic/classic_program.h"
#include "desktop/frm_tips.h"
#include "panel/frm_control.h"

namespace orvel::classic {

// The clock's value between ticks, and the reminder popup (made afresh after it has unloaded,
// never destroyed from inside its own handlers).
struct ClassicProgram::ClockParts {
  ClassicClockState state;
  std::unique_ptr<desktop::FrmTips> popup;
};

// The control panel of the current opening; a closed one stays until the next opening.
struct ClassicProgram::PanelParts {
  std::unique_ptr<panel::FrmControl> form;
};

}  // namespace orvel::classic
