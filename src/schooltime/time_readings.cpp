#include "schooltime/time_readings.h"

#include <cstdlib>

namespace orvel::schooltime {

bool NeedsConfirmation(const TimeReading& reading) {
  return std::llabs(reading.offsetMs) > kConfirmAboveMs;
}

TimeDecision DecideOffset(std::span<const TimeReading> readings) {
  TimeDecision decision;
  if (readings.empty()) return decision;
  decision.why = NoOffsetReason::NotConfirmed;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    bool applies = !NeedsConfirmation(readings[i]);
    for (std::size_t later = i + 1; !applies && later < readings.size(); ++later)
      applies = std::llabs(readings[later].offsetMs - readings[i].offsetMs) <= kAgreementMs;
    if (applies) {
      decision.applied = readings[i];
      return decision;
    }
  }
  return decision;
}

}  // namespace orvel::schooltime
