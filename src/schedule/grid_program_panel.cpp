#include "schedule/grid_program.h"
#include "schedule/grid_program_parts.h"

namespace orvel::schedule {

// The control panel behind the double clicks.
void GridProgram::WirePanel() { panel_ = std::make_unique<PanelParts>(); }

}  // namespace orvel::schedule
