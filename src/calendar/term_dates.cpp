#include "calendar/term_dates.h"

#include "calendar/spring_festival.h"

namespace orvel {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

// Monday = 1 ... Sunday = 7.
int MondayFirst(sys_days d) {
  return static_cast<int>(std::chrono::weekday{d}.iso_encoding());
}

// Friday = 1 ... Thursday = 7.
int FridayFirst(sys_days d) {
  return (MondayFirst(d) + 2) % 7 + 1;
}

sys_days Day(int year, unsigned month, unsigned day) {
  return sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
}

struct SchoolYear {
  sys_days firstStart;
  sys_days firstEnd;
  sys_days secondStart;
  sys_days secondEnd;
};

SchoolYear Compute(int autumnYear, sys_days festival) {
  const int springYear = autumnYear + 1;
  SchoolYear s{};

  // A term never starts on a weekend: Saturday or Sunday moves to the next Monday.
  const sys_days september1 = Day(autumnYear, 9, 1);
  const int a = MondayFirst(september1) - 5;
  s.firstStart = a > 0 ? september1 - days{a} + days{3} : september1;

  // The term ends a week before the last Friday on or before the festival.
  const int f = FridayFirst(festival);
  s.firstEnd = festival - days{(f - 1) + 7};

  // An end that early leaves too short a term before the holiday: one week more.
  if (Day(springYear, 1, 10) >= s.firstEnd) s.firstEnd += days{7};

  // At most 23 weeks, counted as the calendar weeks the term touches.
  const auto weeks = (s.firstEnd - s.firstStart).count() / 7 + 1;
  if (weeks > 23) s.firstEnd -= days{(weeks - 23) * 7};

  // The winter vacation is always 23 days, Saturday to Sunday.
  s.secondStart = s.firstEnd + days{24};

  // The school year ends on 30 June, or on the Friday before when that is a weekend.
  const sys_days june30 = Day(springYear, 6, 30);
  const int b = MondayFirst(june30) - 5;
  s.secondEnd = b > 0 ? june30 - days{b} : june30;
  return s;
}

}  // namespace

std::optional<std::chrono::year_month_day> TermDate(std::int16_t autumnYear, std::int16_t code) {
  if (autumnYear < kFirstAutumnYear || autumnYear > kLastAutumnYear) return std::nullopt;
  const auto festival = SpringFestival(std::chrono::year{autumnYear + 1});
  if (!festival) return std::nullopt;
  const SchoolYear s = Compute(autumnYear, sys_days{*festival});
  switch (code) {
    case kFirstTermStart:
      return std::chrono::year_month_day{s.firstStart};
    case kFirstTermEnd:
      return std::chrono::year_month_day{s.firstEnd};
    case kSecondTermStart:
      return std::chrono::year_month_day{s.secondStart};
    case kSecondTermEnd:
      return std::chrono::year_month_day{s.secondEnd};
    default:
      return std::nullopt;
  }
}

}  // namespace orvel
