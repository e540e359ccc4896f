#pragma once
// 对齐铃声: pressed as the bell rings for the start or the end of a period, the nearest start or
// end of today's periods gives the bell's offset from standard time.
#include <cstdint>
#include <optional>

#include "timetable/timetable.h"

namespace orvel::clock {

// How far from a period's start or end the press may come.
inline constexpr std::int32_t kBellReachSeconds = 5 * 60;

// The start or end in the time column of `timetable` nearest to `nowSeconds` (standard time,
// seconds of the day), within kBellReachSeconds; the earlier of two as near; nothing when none
// is that near.
std::optional<std::int32_t> NearestPeriodBoundary(const Timetable& timetable,
                                                  std::int32_t nowSeconds);

}  // namespace orvel::clock
