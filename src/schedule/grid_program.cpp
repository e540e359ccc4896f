#include "schedule/grid_program.h"

#include "schedule/grid_program_parts.h"

namespace orvel::schedule {

GridProgram::GridProgram(ui::Platform& platform)
    : state_(platform, Edition::Grid),
      window_(state_),
      idle_(platform, window_.Timerduration, state_.values) {
  window_.IdleCheck = [this] { idle_.Timerduration_Timer(); };
  WireClock();
  WirePanel();
}

GridProgram::~GridProgram() = default;

void GridProgram::Start() { window_.Show(); }

}  // namespace orvel::schedule
