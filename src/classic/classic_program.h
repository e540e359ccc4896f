#pragma once
// The classic edition put together: its text-box schedule window in the one program shell.
#include "classic/frm_schedule.h"
#include "program/program_shell.h"

namespace orvel::classic {

using ClassicProgram = program::Program<FrmSchedule>;

}  // namespace orvel::classic
