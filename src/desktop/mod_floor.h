#pragma once
// ModFloor: keeps a window at the bottom of the window stack ("始终在下").
#include "platform/ui/form.h"

namespace orvel::desktop {

// Installs (on) or removes (off) the bottom hook. Installing twice keeps one hook; removing
// when none is installed changes nothing; removing leaves the tray hook working.
void SetBottomHook(ui::Form& form, bool on);

}  // namespace orvel::desktop
