#pragma once
// How a reminder reaches the user while a full-screen program runs. Windows itself shows no
// balloon while the shell is busy (a full-screen program, presentation mode), so the popup
// takes its place there; an exclusive full-screen Direct3D program (a game, a video) is not
// fought with windows at all: the reminder is only heard.
#include "platform/ui/services.h"
#include "timetable/setting_choices.h"

namespace orvel::desktop {

struct ReminderWay {
  bool tones = false;    // the two reminder tones
  bool popup = false;    // the reminder popup
  bool balloon = false;  // the balloon on the notification-area icon
  friend bool operator==(const ReminderWay&, const ReminderWay&) = default;
};

// A mode outside the list reminds in no way.
ReminderWay WayToRemind(RemindMode mode, ui::NotificationState state);

}  // namespace orvel::desktop
