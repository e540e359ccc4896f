#pragma once
// Times of day as the timetable writes them in its time column ("8:00", "14:35", "8:05:30").
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvel::clock {

inline constexpr std::int32_t kSecondsPerDay = 86400;

// Seconds since midnight of a time text, or nothing when the text is not a time of day.
//
// Accepted: hours, ":", minutes, and optionally ":" and seconds; one or two ASCII digits each;
// hours 0-23, minutes and seconds 0-59; blanks (space, tab) before and after. So "8:00", "08:05",
// "8:5" and " 14:35:09 " are times.
// Not accepted: a bare number ("8"), "24:00", empty text, blanks around a colon, signs, AM/PM or
// 上午/下午 forms, and full-width digits or colons ("８：００"). School timetables are written in
// the 24-hour form; taking less than the platform's reading only means an odd time column is not
// highlighted, never that a wrong period is.
std::optional<std::int32_t> ParseTimeOfDay(std::string_view text);

}  // namespace orvel::clock
