#include "desktop/idle_shutdown.h"

#include <cmath>
#include <cstdlib>

#include "timetable/number_text.h"

namespace orvel::desktop {

float EffectiveIdleHours(float idleHours) {
  // Written so that a NaN fails the test as well.
  return idleHours > 0 ? idleHours : kDefaultIdleHours;
}

float IdleHoursFromText(std::string_view comdurationText) {
  const auto hours = static_cast<float>(LeadingValue(comdurationText));
  return hours == 0 ? kDefaultIdleHours : hours;
}

IdleDecision IdleTick(IdleState& state, int intervalMs, ui::Point cursor, bool keyPressed,
                      float idleHours) {
  IdleDecision decision;
  const double tickSeconds = intervalMs / 1000.0;
  // 1. Single-precision count, as the window keeps it.
  state.idleSeconds = static_cast<float>(state.idleSeconds + tickSeconds);
  // 2.
  state.cursorNow = cursor;
  const long long moved = std::llabs(static_cast<long long>(cursor.y) - state.cursorBefore.y) +
                          std::llabs(static_cast<long long>(cursor.x) - state.cursorBefore.x);
  if (moved != 0) state.idleSeconds = 0;
  // 3.
  if (keyPressed) state.idleSeconds = 0;
  // 4. All in single precision.
  const auto limit =
      static_cast<float>(static_cast<double>(EffectiveIdleHours(idleHours)) * 3600.0);
  const auto tick = static_cast<float>(tickSeconds);
  if (tick > std::fabs(limit - kCountdownLeadSeconds - state.idleSeconds))
    decision.showCountdown = true;
  // 5. The count restarts before the request, so that a refused shutdown counts afresh.
  if (state.idleSeconds >= limit) {
    state.idleSeconds = 0;
    decision.shutdown = true;
  }
  // 6.
  state.cursorBefore = state.cursorNow;
  return decision;
}

void ArmIdleShutdown(ui::Timer& Timerduration, WorkingValues& values, std::int16_t Chknodo,
                     std::string_view comdurationText) {
  values.idleShutdown = Chknodo;
  values.idleHours = IdleHoursFromText(comdurationText);
  Timerduration.SetEnabled(values.idleShutdown != 0);
}

IdleShutdown::IdleShutdown(ui::Platform& platform, const ui::Timer& Timerduration,
                           const WorkingValues& values)
    : platform_(platform), timer_(Timerduration), values_(values) {}

IdleShutdown::~IdleShutdown() = default;

FrmCountdown* IdleShutdown::OpenCountdown() const {
  return countdown_ && countdown_->Loaded() ? countdown_.get() : nullptr;
}

void IdleShutdown::Timerduration_Timer() {
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

void IdleShutdown::ShowCountdown() {
  // One countdown at a time: an open one already counts down to this shutdown.
  if (OpenCountdown()) return;
  // The closed window is not running any handler now, so it can go.
  countdown_ = std::make_unique<FrmCountdown>(platform_);
  countdown_->Show();
}

}  // namespace orvel::desktop
