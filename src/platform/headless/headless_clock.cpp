#include "platform/headless/headless_clock.h"

namespace orvel::headless {
namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;
// A machine that has been up for a while: no test may rely on the steady clock starting at 0.
constexpr std::int64_t kBootSteadyMs = 3'600'000;
}  // namespace

HeadlessClock::HeadlessClock() : steadyMs_(kBootSteadyMs) {
  // Monday 1 September 2025, 08:00: a school day.
  Set(std::chrono::year{2025} / std::chrono::September / 1, 8 * 3600);
}

ui::LocalTime HeadlessClock::Now() const {
  std::int64_t days = wallMs_ / kMsPerDay;
  std::int64_t msOfDay = wallMs_ % kMsPerDay;
  if (msOfDay < 0) {
    msOfDay += kMsPerDay;
    --days;
  }
  const std::chrono::sys_days day{std::chrono::days{days}};
  return ui::LocalTime{std::chrono::year_month_day{day}, static_cast<int>(msOfDay / 1000)};
}

void HeadlessClock::Set(std::chrono::year_month_day date, int secondsOfDay) {
  if (!date.ok()) return;
  const std::int64_t days = std::chrono::sys_days{date}.time_since_epoch().count();
  wallMs_ = days * kMsPerDay + static_cast<std::int64_t>(secondsOfDay) * 1000;
}

void HeadlessClock::Forward(std::int64_t ms) {
  if (ms <= 0) return;
  wallMs_ += ms;
  steadyMs_ += ms;
}

}  // namespace orvel::headless
