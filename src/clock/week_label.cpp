#include "clock/week_label.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "calendar/term_dates.h"

namespace orvel::clock {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

long long DaysBetween(year_month_day from, year_month_day to) {
  return (sys_days{to} - sys_days{from}).count();
}

}  // namespace

void ShortText::Append(std::string_view text) {
  const std::size_t n = std::min(text.size(), kCapacity - size_);
  std::copy_n(text.data(), n, bytes_.data() + size_);
  size_ += n;
}

void ShortText::AppendNumber(long long value) {
  char* const first = bytes_.data() + size_;
  const auto result = std::to_chars(first, bytes_.data() + kCapacity, value);
  if (result.ec == std::errc()) size_ += static_cast<std::size_t>(result.ptr - first);
}

int MondayFirstWeekday(year_month_day date) {
  return static_cast<int>(std::chrono::weekday{sys_days{date}}.iso_encoding());
}

ShortText WeekLabel(year_month_day today, year_month_day start, year_month_day end,
                    std::string_view suffix) {
  const long long week = (DaysBetween(start, today) + MondayFirstWeekday(start)) / 7 + 1;
  const long long total = DaysBetween(start, end) / 7 + 1;
  ShortText label;
  label.AppendNumber(week);
  label.Append("/");
  label.AppendNumber(total);
  label.Append(suffix);
  return label;
}

std::optional<ShortText> ClockLabel(double area, year_month_day today) {
  if (area != 0) return ShortText(kTimeLabel);
  if (!today.ok()) return std::nullopt;

  const int year = static_cast<int>(today.year());
  const bool spring = today.month() < std::chrono::July;
  const int autumnYear = spring ? year - 1 : year;
  if (autumnYear < kFirstAutumnYear || autumnYear > kLastAutumnYear) return std::nullopt;
  const auto y = static_cast<std::int16_t>(autumnYear);
  const auto firstStart = TermDate(y, kFirstTermStart);
  const auto firstEnd = TermDate(y, kFirstTermEnd);
  const auto secondStart = TermDate(y, kSecondTermStart);
  const auto secondEnd = TermDate(y, kSecondTermEnd);
  if (!firstStart || !firstEnd || !secondStart || !secondEnd) return std::nullopt;

  const sys_days day{today};
  const auto inFirstTerm = [&] {
    return sys_days{*firstStart} <= day && day <= sys_days{*firstEnd};
  };
  if (spring) {
    if (sys_days{*firstEnd} < day && day < sys_days{*secondStart})
      return ShortText(kWinterVacationLabel);
    if (inFirstTerm()) return WeekLabel(today, *firstStart, *firstEnd, kFirstTermSuffix);
    if (sys_days{*secondStart} <= day && day <= sys_days{*secondEnd})
      return WeekLabel(today, *secondStart, *secondEnd, kSecondTermSuffix);
    return std::nullopt;
  }
  if (day < sys_days{*firstStart}) return ShortText(kSummerVacationLabel);
  if (inFirstTerm()) return WeekLabel(today, *firstStart, *firstEnd, kFirstTermSuffix);
  return std::nullopt;
}

}  // namespace orvel::clock
