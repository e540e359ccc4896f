#include "clock/time_left.h"

#include <array>
#include <charconv>

namespace orvel::clock {

void AppendNumber(std::string& line, long long value, int minDigits) {
  std::array<char, 24> digits{};
  const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc()) return;
  for (auto width = end - digits.data(); width < minDigits; ++width) line += '0';
  line.append(digits.data(), end);
}

void AppendTimeLeft(std::string& line, std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  if (seconds >= 3600) {
    AppendNumber(line, seconds / 3600, 1);
    line += ':';
  }
  AppendNumber(line, seconds / 60 % 60, 2);
  line += ':';
  AppendNumber(line, seconds % 60, 2);
}

void AppendHourMinute(std::string& line, std::int32_t secondOfDay) {
  AppendNumber(line, secondOfDay / 3600, 2);
  line += ':';
  AppendNumber(line, secondOfDay / 60 % 60, 2);
}

void AppendMonthDay(std::string& line, const std::chrono::year_month_day& date) {
  AppendNumber(line, static_cast<unsigned>(date.month()), 1);
  line += "月";
  AppendNumber(line, static_cast<unsigned>(date.day()), 1);
  line += "日";
}

}  // namespace orvel::clock
