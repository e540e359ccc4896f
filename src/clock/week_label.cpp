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
  std::size_t n = std::min(text.size(), kCapacity - size_);
  // Never half a UTF-8 character: a cut one would not read back.
  if (n < text.size())
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
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

namespace {

long long TermWeek(year_month_day today, year_month_day start) {
  return (DaysBetween(start, today) + MondayFirstWeekday(start)) / 7 + 1;
}

enum class TermPlace { None, WinterVacation, SummerVacation, FirstTerm, SecondTerm };

struct PlaceInYear {
  TermPlace place = TermPlace::None;
  year_month_day start{}, end{};  // of the term
};

// Where a date lies in the school year of the term dates: a term, a vacation, or neither
// (after the second term and before July, or a year without term dates).
PlaceInYear PlaceInSchoolYear(year_month_day today) {
  if (!today.ok()) return {};
  const int year = static_cast<int>(today.year());
  const bool spring = today.month() < std::chrono::July;
  const int autumnYear = spring ? year - 1 : year;
  if (autumnYear < kFirstAutumnYear || autumnYear > kLastAutumnYear) return {};
  const auto y = static_cast<std::int16_t>(autumnYear);
  const auto firstStart = TermDate(y, kFirstTermStart);
  const auto firstEnd = TermDate(y, kFirstTermEnd);
  const auto secondStart = TermDate(y, kSecondTermStart);
  const auto secondEnd = TermDate(y, kSecondTermEnd);
  if (!firstStart || !firstEnd || !secondStart || !secondEnd) return {};

  const sys_days day{today};
  const bool inFirstTerm = sys_days{*firstStart} <= day && day <= sys_days{*firstEnd};
  if (inFirstTerm) return {TermPlace::FirstTerm, *firstStart, *firstEnd};
  if (spring) {
    if (sys_days{*firstEnd} < day && day < sys_days{*secondStart})
      return {TermPlace::WinterVacation};
    if (sys_days{*secondStart} <= day && day <= sys_days{*secondEnd})
      return {TermPlace::SecondTerm, *secondStart, *secondEnd};
    return {};
  }
  if (day < sys_days{*firstStart}) return {TermPlace::SummerVacation};
  return {};
}

}  // namespace

ShortText WeekLabel(year_month_day today, year_month_day start, year_month_day end,
                    std::string_view suffix) {
  const long long week = TermWeek(today, start);
  const long long total = DaysBetween(start, end) / 7 + 1;
  ShortText label;
  label.AppendNumber(week);
  label.Append("/");
  label.AppendNumber(total);
  label.Append(suffix);
  return label;
}

std::optional<ShortText> ClockLabel(CalendarArea area, year_month_day today) {
  if (!area.IsShanghai()) return ShortText(kTimeLabel);
  const PlaceInYear where = PlaceInSchoolYear(today);
  switch (where.place) {
    case TermPlace::WinterVacation:
      return ShortText(kWinterVacationLabel);
    case TermPlace::SummerVacation:
      return ShortText(kSummerVacationLabel);
    case TermPlace::FirstTerm:
      return WeekLabel(today, where.start, where.end, kFirstTermSuffix);
    case TermPlace::SecondTerm:
      return WeekLabel(today, where.start, where.end, kSecondTermSuffix);
    case TermPlace::None:
      break;
  }
  return std::nullopt;
}

std::optional<long long> TermDatesWeek(year_month_day today) {
  const PlaceInYear where = PlaceInSchoolYear(today);
  if (where.place != TermPlace::FirstTerm && where.place != TermPlace::SecondTerm)
    return std::nullopt;
  return TermWeek(today, where.start);
}

}  // namespace orvel::clock
