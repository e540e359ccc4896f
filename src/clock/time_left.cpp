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

}  // namespace orvel::clock
