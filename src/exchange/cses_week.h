#pragma once
// What the CSES import and export share: the weekdays and their timetable columns.
#include <array>
#include <cstddef>
#include <string_view>

namespace orvel::exchange {

// CSES numbers the days 1 (Monday) to 7 (Sunday); the timetable shows day d in column d + 1.
inline constexpr int kFirstDay = 1;
inline constexpr int kLastDay = 7;
inline constexpr int kFirstDayColumn = kFirstDay + 1;
inline constexpr int kLastDayColumn = kLastDay + 1;
// Monday to Friday are always shown.
inline constexpr int kLastWorkDay = 5;

inline constexpr std::array<std::string_view, 7> kDayNames = {
    "星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"};

inline std::string_view DayName(int day) { return kDayNames[static_cast<std::size_t>(day - 1)]; }

// An "odd/even" cell: the odd-week class, this separator, the even-week class.
inline constexpr char kWeekSeparator = '/';

}  // namespace orvel::exchange
