#pragma once
// The values the schedule window shows (lock, fold, highlighting), changed in the program state
// and shown by the window in one step, so that the two never differ.
#include "program/program_state.h"
#include "program/schedule_window.h"

namespace orvel::program {

void SetLock(ProgramState& state, ScheduleWindow& window, bool locked);
// Folds to the column of the day the window was last handed, or shows every column again.
void SetFold(ProgramState& state, ScheduleWindow& window, bool folded);
// The schedule clock runs from the shell's next second on, or stops; a stop leaves the cells as
// they are.
void SetHighlighting(ProgramState& state, bool on);

// The lock and the fold shown again, as a timetable loaded while no control panel is open needs
// (the panel applies its own boxes).
void ShowLockAndFoldAgain(ProgramState& state, ScheduleWindow& window);

}  // namespace orvel::program
