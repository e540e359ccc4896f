#include "desktop/idle_shutdown.h"

#include <cmath>
#include <cstdlib>

#include "timetable/number_text.h"

namespace orvel::desktop {

float EffectiveIdleHours(float idleHours) {
  // Written so that a NaN fails the test as well.
  return idleHours > 0 ? idleHours : kDefaultIdleHours;
}

float IdleHoursFromText(std::string_view idleHoursText) {
  const auto hours = static_cast<float>(LeadingValue(idleHoursText));
  return hours == 0 ? kDefaultIdleHours : hours;
}

IdleDecision IdleTick(IdleState& state, int intervalMs, ui::Point cursor, bool keyPressed,
                      float idleHours) {
  IdleDecision decision;
  const double tickSeconds = intervalMs / 1000.0;
  // Single-precision count, as the window keeps it.
  state.idleSeconds = static_cast<float>(state.idleSeconds + tickSeconds);
  // Any pointer movement since the last tick restarts the count, and so does a key press.
  state.cursorNow = cursor;
  const long long moved = std::llabs(static_cast<long long>(cursor.y) - state.cursorBefore.y) +
                          std::llabs(static_cast<long long>(cursor.x) - state.cursorBefore.x);
  if (moved != 0) state.idleSeconds = 0;
  if (keyPressed) state.idleSeconds = 0;
  // All in single precision.
  const auto limit =
      static_cast<float>(static_cast<double>(EffectiveIdleHours(idleHours)) * 3600.0);
  const auto tick = static_cast<float>(tickSeconds);
  if (tick > std::fabs(limit - kCountdownLeadSeconds - state.idleSeconds))
    decision.showCountdown = true;
  // The count restarts before the request, so that a refused shutdown counts afresh.
  if (state.idleSeconds >= limit) {
    state.idleSeconds = 0;
    decision.shutdown = true;
  }
  state.cursorBefore = state.cursorNow;
  return decision;
}

void ArmIdleShutdown(ui::Timer& idleTimer, WorkingValues& values, bool switchedOn,
                     std::string_view idleHoursText) {
  values.idleShutdown = switchedOn;
  values.idleHours = IdleHoursFromText(idleHoursText);
  idleTimer.SetEnabled(switchedOn);
}

IdleShutdown::IdleShutdown(ui::Platform& platform, const ui::Timer& idleTimer,
                           const WorkingValues& values, FrontKeeper& keeper)
    : platform_(platform), timer_(idleTimer), values_(values), keeper_(keeper) {}

IdleShutdown::~IdleShutdown() = default;

FrmCountdown* IdleShutdown::OpenCountdown() const {
  return countdown_ && countdown_->Loaded() ? countdown_.get() : nullptr;
}

void IdleShutdown::CheckIdle() {
  ui::Input& input = platform_.input();
  const IdleDecision decision = IdleTick(state_, timer_.Interval(), input.CursorPos(),
                                         input.KeyPressedAndDown(), values_.idleHours);
  if (decision.showCountdown) ShowCountdown();
  if (decision.shutdown) {
    // ModShutDown: the process's own shutdown privilege first. Results are ignored: a refusal
    // shows up as a shutdown request that the system turns down.
    platform_.power().GetShutdownPrivilege();
    platform_.power().RequestShutdown();
  }
}

void IdleShutdown::Hold() {
  state_.idleSeconds = 0;
  if (FrmCountdown* countdown = OpenCountdown()) countdown->Unload();
}

void IdleShutdown::ShowCountdown() {
  // One countdown at a time: an open one already counts down to this shutdown.
  if (OpenCountdown()) return;
  // The closed window is not running any handler now, so it can go.
  countdown_ = std::make_unique<FrmCountdown>(platform_, keeper_);
  countdown_->Show();
}

}  // namespace orvel::desktop
