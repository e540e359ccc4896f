#include "schedule/time_of_day.h"

namespace orvel::schedule {
namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One or two digits at `pos`, at most `max`; advances `pos` past them.
std::optional<std::int32_t> ReadField(std::string_view text, std::size_t& pos, std::int32_t max) {
  std::int32_t value = 0;
  std::size_t digits = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (++digits > 2) return std::nullopt;
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  if (digits == 0 || value > max) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseTimeOfDay(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  std::size_t pos = 0;
  const auto hours = ReadField(text, pos, 23);
  if (!hours || pos >= text.size() || text[pos] != ':') return std::nullopt;
  ++pos;
  const auto minutes = ReadField(text, pos, 59);
  if (!minutes) return std::nullopt;
  std::int32_t seconds = 0;
  if (pos < text.size()) {
    if (text[pos] != ':') return std::nullopt;
    ++pos;
    const auto read = ReadField(text, pos, 59);
    if (!read || pos != text.size()) return std::nullopt;
    seconds = *read;
  }
  return *hours * 3600 + *minutes * 60 + seconds;
}

}  // namespace orvel::schedule
