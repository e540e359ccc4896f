#include "schedule/popup_reminder.h"

#include <utility>

#include "platform/ui/platform.h"
#include "schedule/schedule_clock.h"

namespace orvel::schedule {

void RemindByPopup(ui::Form& window, std::unique_ptr<desktop::FrmTips>& popup, std::string text) {
  ui::Platform& platform = window.platform();
  for (const BeepTone& tone : kReminderTones)
    platform.sound().Beep(tone.frequencyHz, tone.durationMs);
  if (!popup || !popup->Loaded()) popup = std::make_unique<desktop::FrmTips>(platform, window);
  popup->ShowText(std::move(text));
}

}  // namespace orvel::schedule
