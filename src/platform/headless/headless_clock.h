#pragma once
// A clock that only moves when a test moves it. Wall time and the steady reading advance
// together; setting the wall time (the user changing the system clock) leaves the steady one.
#include <chrono>
#include <cstdint>

#include "platform/ui/services.h"

namespace orvel::headless {

class HeadlessClock : public ui::Clock {
 public:
  HeadlessClock();

  ui::LocalTime Now() const override;
  std::int64_t LocalMs() const override { return wallMs_; }
  std::int64_t SteadyMs() const override { return steadyMs_; }

  // Sets the local date and time of day (seconds 0 .. 86399; others roll into the
  // neighbouring days). An invalid date changes nothing.
  void Set(std::chrono::year_month_day date, int secondsOfDay);
  // Moves both readings forward; negative amounts are ignored.
  void Forward(std::int64_t ms);

 private:
  std::int64_t wallMs_ = 0;  // milliseconds since 1970-01-01 00:00 local time
  std::int64_t steadyMs_ = 0;
};

}  // namespace orvel::headless
