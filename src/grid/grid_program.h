#pragma once
// The grid edition put together: its schedule window in the one program shell.
#include "grid/frm_schedule.h"
#include "program/program_shell.h"

namespace orvel::grid {

using GridProgram = program::Program<FrmSchedule>;

}  // namespace orvel::grid
