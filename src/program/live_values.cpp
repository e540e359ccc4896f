#include "program/live_values.h"

namespace orvel::program {

void SetLock(ProgramState& state, ScheduleWindow& window, bool locked) {
  state.live.locked = locked;
  window.ShowLock(locked);
}

void SetFold(ProgramState& state, ScheduleWindow& window, bool folded) {
  state.live.folded = folded;
  window.ShowFold(folded);
}

void SetHighlighting(ProgramState& state, bool on) {
  state.live.highlighting = on;
}

void ShowLockAndFoldAgain(ProgramState& state, ScheduleWindow& window) {
  window.ShowLock(state.live.locked);
  window.ShowFold(state.live.folded);
}

}  // namespace orvel::program
