#pragma once
// Opening the control panel from a double click on the schedule window, the same in both
// editions: a new panel at each opening, only brought forward while one is open.
#include <functional>
#include <memory>

#include "panel/frm_control.h"

namespace orvel::panel {

// `exitProgram` is what the panel's Exit runs.
void OpenControlPanel(std::unique_ptr<FrmControl>& form, program::ScheduleWindow& window,
                      program::ProgramState& state, std::function<void()> exitProgram);

}  // namespace orvel::panel
