#include "program/program_exit.h"

namespace orvel::program {
namespace {

// A bound on the closing loop, far above the program's handful of forms.
constexpr int kMaxFormsToClose = 64;

}  // namespace

void ExitProgram(ProgramState& state, const std::function<std::vector<ui::Form*>()>& openForms) {
  state.tray.RemoveTrayIcon();
  for (int n = 0; n < kMaxFormsToClose && openForms; ++n) {
    ui::Form* next = nullptr;
    for (ui::Form* form : openForms())
      if (form && form->Loaded()) {
        next = form;
        break;
      }
    if (!next) break;
    next->Unload();
    if (next->Loaded()) break;
  }
  // With no form left the process ends.
  state.platform.Quit();
}

}  // namespace orvel::program
