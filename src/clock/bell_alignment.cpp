#include "clock/bell_alignment.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "clock/period_search.h"
#include "clock/time_of_day.h"

namespace orvel::clock {

std::optional<std::int32_t> NearestPeriodBoundary(const Timetable& timetable,
                                                  std::int32_t nowSeconds) {
  std::optional<std::int32_t> nearest;
  std::int32_t nearestDistance = kBellReachSeconds + 1;
  const auto consider = [&](std::optional<std::int32_t> boundary) {
    if (!boundary) return;
    // A boundary just past midnight is near a press just before it, and the other way round.
    std::int32_t distance = std::abs(*boundary - nowSeconds);
    distance = std::min(distance, kSecondsPerDay - distance);
    if (distance < nearestDistance) {
      nearest = boundary;
      nearestDistance = distance;
    }
  };
  for (int row = 1; row < timetable.rows(); ++row) {
    const std::string_view span = timetable.cell(row, kTimeColumn);
    const std::size_t dash = span.find('-');
    if (dash == std::string_view::npos) continue;
    consider(ParseTimeOfDay(span.substr(0, dash)));
    consider(ParseTimeOfDay(span.substr(dash + 1)));
  }
  return nearest;
}

}  // namespace orvel::clock
