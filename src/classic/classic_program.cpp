#include "classic/classic_program.h"

#include "classic/classic_program_parts.h"

namespace orvel::classic {

ClassicProgram::ClassicProgram(ui::Platform& platform)
    : state_(platform, Edition::Classic),
      window_(state_),
      idle_(platform, window_.Timerduration, state_.values) {
  window_.IdleCheck = [this] { idle_.Timerduration_Timer(); };
  WireClock();
  WirePanel();
}

ClassicProgram::~ClassicProgram() = default;

void ClassicProgram::Start() { window_.Show(); }

}  // namespace orvel::classic
