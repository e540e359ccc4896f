#include "timetable/exam_list.h"

namespace orvel {

namespace {
constexpr std::int64_t kSecondsPerDay = 86400;
}  // namespace

std::int64_t WallSeconds(const LocalDateTime& time) {
  const std::chrono::sys_days day{time.date};
  return static_cast<std::int64_t>(day.time_since_epoch().count()) * kSecondsPerDay +
         time.secondOfDay;
}

LocalDateTime WallTimeOf(std::int64_t wallSeconds) {
  std::int64_t days = wallSeconds / kSecondsPerDay;
  std::int64_t second = wallSeconds % kSecondsPerDay;
  if (second < 0) {
    second += kSecondsPerDay;
    --days;
  }
  const std::chrono::sys_days day{std::chrono::days{days}};
  return {std::chrono::year_month_day{day}, static_cast<std::int32_t>(second)};
}

}  // namespace orvel
