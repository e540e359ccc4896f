#include <memory>
#include <string>
#include <utility>

#include "desktop/frm_tips.h"
#include "schedule/grid_program.h"
#include "schedule/grid_program_parts.h"
#include "schedule/popup_reminder.h"
#include "schedule/schedule_clock.h"
#include "schedule/schedule_clock_apply.h"
#include "timetable/number_text.h"

namespace orvel::schedule {
namespace {

using ClockParts = GridProgram::ClockParts;

// One tick of TimerSchedule. The common tick (nothing changes) allocates nothing: the decision
// holds its texts in place and the grid is only read.
void ScheduleClockTick(ProgramState& state, FrmSchedule& window, ClockParts& parts) {
  ui::Grid& grid = window.MSFlexGrid1;
  const ui::LocalTime now = state.platform.clock().Now();

  ClockSettings settings;
  settings.colours = SchemeColours(state.colours, state.values.scheme);
  settings.remindMode = state.values.remindMode;
  // The calendar area lives in the grid's tag as text.
  settings.area = LeadingValue(grid.tag);

  ClockTick tick =
      DecideClockTick(GridClockCells(grid), settings, now.date, now.secondsOfDay, parts.state);

  ApplyClockColours(grid, tick);
  switch (tick.reminder.kind) {
    case ReminderKind::Popup:
      RemindByPopup(window, parts.popup, std::move(tick.reminder.text));
      break;
    case ReminderKind::Balloon:
      state.tray.ShowBalloon(window, tick.reminder.text, tick.reminder.title,
                             ui::BalloonIcon::Info);
      break;
    case ReminderKind::None:
      break;
  }
  if (tick.removeTrayIcon) state.tray.RemoveTrayIcon();
  ApplyClockPainting(grid, tick);
  parts.state = tick.state;
}

}  // namespace

// The schedule clock and the reminders behind TimerSchedule.
void GridProgram::WireClock() {
  clock_ = std::make_unique<ClockParts>();
  window_.ScheduleClock = [this] { ScheduleClockTick(state_, window_, *clock_); };
}

}  // namespace orvel::schedule
