#pragma once
// Opening the control panel from a double click on the schedule window, the same in both
// editions: a new panel at each opening, only brought forward while one is open.
#include <functional>
#include <memory>
#include <vector>

#include "panel/frm_control.h"

namespace orvel::panel {

// `otherForms` lists the program's other open forms, which Exit closes.
void OpenControlPanel(std::unique_ptr<FrmControl>& form, program::ScheduleWindow& window,
                      program::ProgramState& state,
                      std::function<std::vector<ui::Form*>()> otherForms);

}  // namespace orvel::panel
