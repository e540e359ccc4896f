#include "clock/time_of_day.h"

namespace orvel::clock {
namespace {

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
constexpr int Digit(char c) {
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

// One or two digits from `p`, at most `max`; -1 when there are none, more, or too large.
// Advances `p` past the digits.
int ReadField(const char*& p, const char* end, int max) {
  if (p == end || Digit(*p) < 0) return -1;
  int value = Digit(*p++);
  if (p != end && Digit(*p) >= 0) value = value * 10 + Digit(*p++);
  if (p != end && Digit(*p) >= 0) return -1;
  return value <= max ? value : -1;
}

}  // namespace

// Called for every row of the time column once a second, so it works on the bytes directly.
std::optional<std::int32_t> ParseTimeOfDay(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const char* p = text.data();
  const char* const end = p + text.size();

  const int hours = ReadField(p, end, 23);
  if (hours < 0 || p == end || *p++ != ':') return std::nullopt;
  const int minutes = ReadField(p, end, 59);
  if (minutes < 0) return std::nullopt;
  int seconds = 0;
  if (p != end) {
    if (*p++ != ':') return std::nullopt;
    seconds = ReadField(p, end, 59);
    if (seconds < 0 || p != end) return std::nullopt;
  }
  return hours * 3600 + minutes * 60 + seconds;
}

}  // namespace orvel::clock
