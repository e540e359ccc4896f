#pragma once
// Making a file of "scd" the current timetable, as the control panel's load command does; a
// dropped or imported file becomes current the same way.
#include <string>

#include "program/schedule_window.h"

namespace orvel::program {

// Reads scdFileName into the window with the edition's reader and makes it the current file,
// keeping the calendar area across the rebuild. On a failed read the edition's message, the
// empty default timetable and the default file name; false then. The caller re-applies the lock
// and the fold next.
bool LoadCurrentTimetable(ScheduleWindow& window, const std::string& scdFileName);

// The lock and the fold the window showed, applied again to a timetable loaded while no control
// panel is open (the panel applies its own boxes).
void ReapplyLockAndFold(ScheduleWindow& window);

}  // namespace orvel::program
