#pragma once
// Ending the program the way the control panel's Exit does, for every command that ends it.
#include <functional>
#include <vector>

#include "platform/ui/form.h"
#include "program/program_state.h"

namespace orvel::program {

// The tray icon goes first (the system knows it by a window that is about to close); then the
// open forms close one by one in the order `openForms` lists them, asked again after each close,
// until none is left or one will not close; then the message loop ends. Nothing is saved.
void ExitProgram(ProgramState& state, const std::function<std::vector<ui::Form*>()>& openForms);

}  // namespace orvel::program
