#include <memory>
#include <string>
#include <utility>

#include "classic/box_clock.h"
#include "classic/classic_program.h"
#include "classic/classic_program_parts.h"
#include "schedule/popup_reminder.h"
#include "schedule/schedule_clock.h"
#include "timetable/number_text.h"

namespace orvel::classic {
namespace {

// One tick of TimerSchedule over the text boxes.
void ScheduleClockTick(schedule::ProgramState& state, FrmSchedule& window,
                       ClassicProgram::ClockParts& parts) {
  const ui::LocalTime now = state.platform.clock().Now();

  schedule::ClockSettings settings;
  settings.colours = schedule::SchemeColours(state.colours, state.values.scheme);
  settings.remindMode = state.values.remindMode;
  // The calendar area lives in the tag of TxtSubject(2) as text.
  settings.area = LeadingValue(window.AreaTag());

  ClassicClockTick tick = DecideClassicClockTick(BoxClockCells(window), settings, now.date,
                                                 now.secondsOfDay, parts.state);
  ApplyClassicClockTick(window, tick);
  switch (tick.reminder.kind) {
    case schedule::ReminderKind::Popup:
      schedule::RemindByPopup(window, parts.popup, std::move(tick.reminder.text));
      break;
    case schedule::ReminderKind::Balloon:
      // The classic icon exists only around its balloon: added right before it.
      state.tray.AddTrayIcon(window, kTrayTip);
      state.tray.ShowBalloon(window, tick.reminder.text, tick.reminder.title,
                             ui::BalloonIcon::Info);
      break;
    case schedule::ReminderKind::None:
      break;
  }
  if (tick.removeTrayIcon) state.tray.RemoveTrayIcon();
  parts.state = tick.state;
}

}  // namespace

void ClassicProgram::WireClock() {
  clock_ = std::make_unique<ClockParts>();
  window_.ScheduleClock = [this] { ScheduleClockTick(state_, window_, *clock_); };
}

}  // namespace orvel::classic
