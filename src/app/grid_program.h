#pragma once
// The grid edition put together: its schedule window in the one program shell.
#include "grid/frm_schedule.h"
#include "shell/program_shell.h"

namespace orvel::app {

using GridProgram = shell::Program<grid::FrmSchedule>;

}  // namespace orvel::app
