#include "schedule/grid_program.h"
#include "schedule/grid_program_parts.h"

namespace orvel::schedule {

// The schedule clock and the reminders behind TimerSchedule.
void GridProgram::WireClock() { clock_ = std::make_unique<ClockParts>(); }

}  // namespace orvel::schedule
