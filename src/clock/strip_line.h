#pragma once
// The line the class strip shows, decided from what the schedule clock's tick reads: the cells,
// the day the shell decides and the time of day.
//   in a period   "第三节 数学 · 距下课 12:05"
//   in a break    "课间 · 距上课 02:10 · 下节 物理"
//   otherwise     the day: "星期一", or on a holiday its name
// and the nearest countdown of the day lists after it: " · 距高考 182 天", on the day itself
// " · 今天高考". Times left are minutes and seconds, with hours in front from an hour on.
#include <cstdint>
#include <string>
#include <string_view>

#include "clock/clock_cells.h"
#include "clock/school_day.h"

namespace orvel::clock {

inline constexpr std::string_view kStripSeparator = " · ";

// Writes the line into `line`, replacing what it held. Its capacity is kept, so that the strip's
// once-a-second line allocates nothing once a line as long has been written.
void ComposeStripLine(const ClockCells& cells, const SchoolDay& today, std::int32_t nowSeconds,
                      std::string& line);

}  // namespace orvel::clock
