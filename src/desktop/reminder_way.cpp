#include "desktop/reminder_way.h"

namespace orvel::desktop {
namespace {

// The states in which Windows holds balloons back but windows still show.
bool HoldsBalloonsBack(ui::NotificationState state) {
  return state == ui::NotificationState::Busy || state == ui::NotificationState::PresentationMode ||
         state == ui::NotificationState::FullScreenApp;
}

}  // namespace

ReminderWay WayToRemind(RemindMode mode, ui::NotificationState state) {
  const bool exclusive = state == ui::NotificationState::Direct3DFullScreen;
  switch (mode) {
    case RemindMode::Popup:
      return {.tones = true, .popup = !exclusive};
    case RemindMode::Balloon:
      if (exclusive) return {.tones = true};
      if (HoldsBalloonsBack(state)) return {.popup = true};
      return {.balloon = true};
    default:
      return {};
  }
}

}  // namespace orvel::desktop
