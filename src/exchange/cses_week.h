#pragma once
// What the CSES import and export share: the weekdays and their timetable columns (each headed
// by its WeekdayName).

namespace orvel::exchange {

// CSES numbers the days 1 (Monday) to 7 (Sunday); the timetable shows day d in column d + 1.
inline constexpr int kFirstDay = 1;
inline constexpr int kLastDay = 7;
inline constexpr int kFirstDayColumn = kFirstDay + 1;
inline constexpr int kLastDayColumn = kLastDay + 1;
// Monday to Friday are always shown.
inline constexpr int kLastWorkDay = 5;

// An "odd/even" cell: the odd-week class, this separator, the even-week class.
inline constexpr char kWeekSeparator = '/';

}  // namespace orvel::exchange
