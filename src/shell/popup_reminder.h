#pragma once
// The reminder popup as both editions' clocks raise it. An open popup only takes the new text
// and keeps counting its 15 s; a closed one is replaced by a fresh one, which is safe because the
// old one runs no handler at that moment.
#include <memory>
#include <string>

#include "desktop/frm_tips.h"
#include "desktop/front_keeper.h"
#include "platform/ui/form.h"

namespace orvel::shell {

// The two tones before a reminder.
void SoundReminderTones(ui::Platform& platform);

// The popup with a text against `window`, kept in front by `keeper`, without the tones.
void ShowNotice(ui::Form& window, desktop::FrontKeeper& keeper,
                std::unique_ptr<desktop::FrmTips>& popup, std::string text);

}  // namespace orvel::shell
