#pragma once
// A PC that follows a timetable the school publishes keeps it as the school has it: the
// commands that would change the file or put another in its place (the panel's save, save as,
// new and load, the window's import) refuse, rather than let a local edit vanish at the next
// refresh.
#include <string>
#include <string_view>

#include "platform/ui/form.h"
#include "program/program_state.h"

namespace orvel::program {

std::string ManagedTimetableText(std::string_view source);

// While the timetable is followed: the refusal shown, with the command's title, and true.
bool RefuseManagedChange(ProgramState& state, const ui::Form* owner, std::string_view title);

}  // namespace orvel::program
