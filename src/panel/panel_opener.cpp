#include "panel/panel_opener.h"

namespace orvel::panel {

void OpenControlPanel(std::unique_ptr<FrmControl>& form, program::ScheduleWindow& window,
                      program::ProgramState& state, std::function<void()> exitProgram) {
  if (form && form->Loaded()) {
    form->BringToFront();
    return;
  }
  // No handler of the old panel can be running now: it was closed, and the double click comes
  // from the schedule window.
  form = std::make_unique<FrmControl>(window, state);
  form->ExitProgram = std::move(exitProgram);
  form->Show();
}

}  // namespace orvel::panel
