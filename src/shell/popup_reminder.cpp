#include "shell/popup_reminder.h"

#include <utility>

#include "clock/reminder.h"
#include "platform/ui/platform.h"

namespace orvel::shell {

void SoundReminderTones(ui::Platform& platform) {
  for (const clock::BeepTone& tone : clock::kReminderTones)
    platform.sound().Beep(tone.frequencyHz, tone.durationMs);
}

void ShowNotice(ui::Form& window, desktop::FrontKeeper& keeper,
                std::unique_ptr<desktop::FrmTips>& popup, std::string text) {
  if (!popup || !popup->Loaded())
    popup = std::make_unique<desktop::FrmTips>(window.platform(), window, keeper);
  popup->ShowText(std::move(text));
}

}  // namespace orvel::shell
