#include "desktop/mod_shut_down.h"

namespace orvel::desktop::ModShutDown {

void GetShutdownPrivilege(ui::Power& power) { power.GetShutdownPrivilege(); }

}  // namespace orvel::desktop::ModShutDown
