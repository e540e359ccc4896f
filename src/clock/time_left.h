#pragma once
// How a time left reads on the class strip and the exam board: minutes and seconds, "12:05",
// with hours in front from an hour on, "1:02:05". Appended, so that a line kept from one second
// to the next allocates nothing.
#include <chrono>
#include <cstdint>
#include <string>

namespace orvel::clock {

// `value` in decimal, padded with zeros to `minDigits`.
void AppendNumber(std::string& line, long long value, int minDigits);
// "08:05" of a second of the day.
void AppendHourMinute(std::string& line, std::int32_t secondOfDay);
// "12月21日".
void AppendMonthDay(std::string& line, const std::chrono::year_month_day& date);
// A negative time is shown as none left.
void AppendTimeLeft(std::string& line, std::int64_t seconds);

}  // namespace orvel::clock
