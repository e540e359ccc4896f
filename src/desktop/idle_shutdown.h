#pragma once
// The idle shutdown: once a second the schedule window's idle timer counts the seconds
// without pointer movement or key presses; 15 s before the chosen number of hours it shows the
// countdown, at the hours it asks the system to shut down.
//
// The decision is IdleTick, a function of its inputs; IdleShutdown is the handler that feeds it
// from the platform and acts on its answer.
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "desktop/frm_countdown.h"
#include "platform/ui/controls.h"
#include "platform/ui/platform.h"
#include "timetable/working_values.h"

namespace orvel::desktop {

// The countdown opens this many seconds before the shutdown.
inline constexpr float kCountdownLeadSeconds = 15.0f;
// What the control panel's OK stores when the idle-time box holds no number other than 0.
inline constexpr float kDefaultIdleHours = 1.0f;

// The schedule window's idle state, created with it.
struct IdleState {
  float idleSeconds = 0;
  ui::Point cursorNow{};
  ui::Point cursorBefore{};
};

struct IdleDecision {
  bool showCountdown = false;
  bool shutdown = false;
  friend bool operator==(const IdleDecision&, const IdleDecision&) = default;
};

// Hours the check runs with: a value that is not above 0 (or not a number) would shut down at
// the first tick, so it counts as 1 hour, which is what OK stores for such a box.
float EffectiveIdleHours(float idleHours);

// OK's rule for the idle-time box: its leading numeric value, or 1 when that value is 0 (an
// empty or non-numeric text gives 1 hour).
float IdleHoursFromText(std::string_view idleHoursText);

// One tick of the idle check: counts, resets on pointer movement or on a key pressed since
// the last tick and still down (ui::Input::KeyPressedAndDown), and decides. On a shutdown
// decision the idle count is already back at 0.
IdleDecision IdleTick(IdleState& state, int intervalMs, ui::Point cursor, bool keyPressed,
                      float idleHours);

// OK's part in the idle shutdown: stores the switch and the hours, and runs the idle timer
// exactly when the switch is on. The only place that starts the timer.
void ArmIdleShutdown(ui::Timer& idleTimer, WorkingValues& values, bool switchedOn,
                     std::string_view idleHoursText);

// The handler behind the schedule window's idle timer. Owns the countdown window: a new one
// for each showing; while one is open, a further request keeps it as it is.
class IdleShutdown {
 public:
  // `idleTimer` gives the interval; `values.idleHours` is read at every tick; `keeper` keeps the
  // countdown in front. All three must outlive this object.
  IdleShutdown(ui::Platform& platform, const ui::Timer& idleTimer, const WorkingValues& values,
               FrontKeeper& keeper);
  IdleShutdown(const IdleShutdown&) = delete;
  IdleShutdown& operator=(const IdleShutdown&) = delete;
  ~IdleShutdown();

  // One tick of the idle timer.
  void CheckIdle();
  // A tick that must not count (an exam is on): the idle time starts again from nothing and an
  // open countdown goes.
  void Hold();

  const IdleState& state() const { return state_; }
  // The countdown window while it is open; nullptr otherwise.
  FrmCountdown* OpenCountdown() const;

 private:
  void ShowCountdown();

  ui::Platform& platform_;
  const ui::Timer& timer_;
  const WorkingValues& values_;
  FrontKeeper& keeper_;
  IdleState state_;
  std::unique_ptr<FrmCountdown> countdown_;
};

}  // namespace orvel::desktop
