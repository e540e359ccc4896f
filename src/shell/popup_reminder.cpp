#include "shell/popup_reminder.h"

#include <utility>

#include "clock/reminder.h"
#include "platform/ui/platform.h"

namespace orvel::shell {

void RemindByPopup(ui::Form& window, std::unique_ptr<desktop::FrmTips>& popup, std::string text) {
  ui::Platform& platform = window.platform();
  for (const clock::BeepTone& tone : clock::kReminderTones)
    platform.sound().Beep(tone.frequencyHz, tone.durationMs);
  ShowNotice(window, popup, std::move(text));
}

void ShowNotice(ui::Form& window, std::unique_ptr<desktop::FrmTips>& popup, std::string text) {
  if (!popup || !popup->Loaded())
    popup = std::make_unique<desktop::FrmTips>(window.platform(), window);
  popup->ShowText(std::move(text));
}

}  // namespace orvel::shell
