#include "desktop/mod_floor.h"

#include "platform/ui/platform.h"

namespace orvel::desktop {

void SetBottomHook(ui::Form& form, bool on) { form.platform().windows().SetBottomHook(form, on); }

}  // namespace orvel::desktop
