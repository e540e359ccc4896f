#pragma once
// ModShutDown: the shutdown privilege of the program's own process.
#include "platform/ui/services.h"

namespace orvel::desktop::ModShutDown {

// Enables the shutdown privilege of this process. Results are ignored: a refusal shows up as
// a shutdown request that the system turns down.
void GetShutdownPrivilege(ui::Power& power);

}  // namespace orvel::desktop::ModShutDown
