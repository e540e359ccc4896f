#pragma once
// The classic edition put together: its text-box schedule window in the one program shell.
#include "classic/frm_schedule.h"
#include "shell/program_shell.h"

namespace orvel::app {

using ClassicProgram = shell::Program<classic::FrmSchedule>;

}  // namespace orvel::app
