#pragma once
// What each part keeps for the life of the program. Each part fills its own struct in its own
// wiring file.
#include "schedule/grid_program.h"

namespace orvel::schedule {

struct GridProgram::ClockParts {};

struct GridProgram::PanelParts {};

}  // namespace orvel::schedule
