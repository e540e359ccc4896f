#include "program/school_clock.h"

#include <chrono>

namespace orvel::program {

ui::LocalTime SchoolClock::LocalTimeOfMs(std::int64_t ms) {
  constexpr std::int64_t kMsPerDay = 86'400'000;
  std::int64_t days = ms / kMsPerDay, msOfDay = ms % kMsPerDay;
  if (msOfDay < 0) {
    msOfDay += kMsPerDay;
    --days;
  }
  const std::chrono::sys_days day{std::chrono::days{days}};
  return ui::LocalTime{std::chrono::year_month_day{day}, static_cast<int>(msOfDay / 1000)};
}

}  // namespace orvel::program
