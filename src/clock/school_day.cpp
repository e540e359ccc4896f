#include "clock/school_day.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>

#include "clock/period_search.h"

namespace orvel::clock {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::string_view kTeachingWeekPrefix = "第";
constexpr std::string_view kTeachingWeekSuffix = "周";

sys_days MondayOf(sys_days day) {
  return day - days{MondayFirstWeekday(year_month_day{day}) - 1};
}

long long WeeksBetween(sys_days from, sys_days to) {
  return (MondayOf(to) - MondayOf(from)).count() / 7;
}

WeekParity Flip(WeekParity parity, long long weeks) {
  if (weeks % 2 == 0) return parity;
  return parity == WeekParity::Odd ? WeekParity::Even : WeekParity::Odd;
}

WeekParity ParityOf(long long week) {
  return week % 2 != 0 ? WeekParity::Odd : WeekParity::Even;
}

}  // namespace

void DayRules::Add(const DayRule& rule) {
  switch (rule.kind) {
    case DayRuleKind::NationalDays:
      nationalDays_ = rule.nationalDaysOn;
      return;
    case DayRuleKind::Holiday:
    case DayRuleKind::MakeUpDay:
      dates_[sys_days{rule.date}].kind = rule;
      return;
    case DayRuleKind::Swap:
      dates_[sys_days{rule.date}].swaps.push_back({rule.period, rule.text});
      return;
    case DayRuleKind::TermStart:
    case DayRuleKind::OddWeek:
    case DayRuleKind::EvenWeek:
      anchors_.push_back({sys_days{rule.date}, rule.kind});
      return;
    case DayRuleKind::Countdown:
      countdowns_.push_back({sys_days{rule.date}, rule.name});
      return;
  }
}

DayRules DayRules::FromLists(const DayList* school, const DayList& own, NationalDays national) {
  DayRules rules;
  // A countdown says nothing about its date's lessons: it neither hides the school's lines of
  // the date nor is hidden by them.
  const auto aboutTheDay = [](const DayRule& rule) {
    return rule.kind != DayRuleKind::NationalDays && rule.kind != DayRuleKind::Countdown;
  };
  rules.national_ = std::move(national);
  std::set<sys_days> ownDates;
  for (const DayLine& line : own.lines)
    if (line.rule && aboutTheDay(*line.rule)) ownDates.insert(sys_days{line.rule->date});
  if (school) {
    for (const DayLine& line : school->lines) {
      if (!line.rule) continue;
      // The school's term anchors count whatever the PC's list says of their dates.
      const DayRuleKind kind = line.rule->kind;
      const bool ofTheDate = kind == DayRuleKind::Holiday || kind == DayRuleKind::MakeUpDay ||
                             kind == DayRuleKind::Swap;
      if (ofTheDate && ownDates.contains(sys_days{line.rule->date})) continue;
      rules.Add(*line.rule);
    }
  }
  for (const DayLine& line : own.lines)
    if (line.rule) rules.Add(*line.rule);
  // Of one date, the line read last stays last.
  std::stable_sort(rules.anchors_.begin(), rules.anchors_.end(),
                   [](const Anchor& a, const Anchor& b) { return a.date < b.date; });
  std::stable_sort(rules.countdowns_.begin(), rules.countdowns_.end(),
                   [](const CountdownDate& a, const CountdownDate& b) { return a.date < b.date; });
  return rules;
}

SchoolDay DayRules::Decide(year_month_day date, CalendarArea area) const {
  SchoolDay day;
  day.date = date;
  if (!date.ok()) return day;
  const sys_days when{date};
  day.column = WeekdayColumn(date);

  const auto found = dates_.find(when);
  const DateRules* listed = found != dates_.end() ? &found->second : nullptr;
  const std::optional<DayRule> kind = listed ? listed->kind : std::nullopt;
  // A 放假 or 补班 line of the date wins over the national days.
  bool nationalHoliday = false;
  bool nationalMakeUpDay = false;
  std::string_view nationalName;
  if (nationalDays_ && !kind) {
    if (const std::optional<NationalDay> national = national_.On(date)) {
      nationalHoliday = national->kind == NationalDayKind::Holiday;
      nationalMakeUpDay = national->kind == NationalDayKind::MakeUpWorkday;
      nationalName = national->name;
    }
  }
  if (listed) day.swaps = listed->swaps;

  // The nearest countdown date on or after today; of one date, the line read last.
  const auto coming =
      std::lower_bound(countdowns_.begin(), countdowns_.end(), when,
                       [](const CountdownDate& c, sys_days d) { return c.date < d; });
  if (coming != countdowns_.end()) {
    const auto last =
        std::prev(std::upper_bound(coming, countdowns_.end(), coming->date,
                                   [](sys_days d, const CountdownDate& c) { return d < c.date; }));
    day.countdown = DayCountdown{last->name, (last->date - when).count()};
  }

  // The teaching week and the parity follow the latest 开学, 单周 or 双周 line on or before the
  // date; without one, the term dates' week gives the parity for "上海".
  const auto after = std::upper_bound(anchors_.begin(), anchors_.end(), when,
                                      [](sys_days d, const Anchor& a) { return d < a.date; });
  const auto latestTermStart =
      std::find_if(std::make_reverse_iterator(after), anchors_.rend(),
                   [](const Anchor& a) { return a.kind == DayRuleKind::TermStart; });
  if (latestTermStart != anchors_.rend())
    day.teachingWeek = WeeksBetween(latestTermStart->date, when) + 1;
  if (after != anchors_.begin()) {
    const Anchor& latest = *std::prev(after);
    const WeekParity atAnchor =
        latest.kind == DayRuleKind::EvenWeek ? WeekParity::Even : WeekParity::Odd;
    day.parity = Flip(atAnchor, WeeksBetween(latest.date, when));
  } else if (area.IsShanghai()) {
    if (const std::optional<long long> week = TermDatesWeek(date)) day.parity = ParityOf(*week);
  }

  const bool listedHoliday = kind && kind->kind == DayRuleKind::Holiday;
  if (listedHoliday || nationalHoliday) {
    day.lessons = false;
    const std::string_view name = listedHoliday ? std::string_view(kind->name) : nationalName;
    day.label = ShortText(name.empty() ? kHolidayLabel : name);
    return day;
  }
  if (kind && kind->kind == DayRuleKind::MakeUpDay) {
    day.column = kind->weekday + 1;
    if (kind->half != WeekParity::Unknown) day.parity = kind->half;
    day.label = ShortText(kMakeUpDayLabel);
    return day;
  }
  if (nationalMakeUpDay) {
    day.makeUpDayWithoutWeekday = true;
    day.label = ShortText(kMakeUpDayLabel);
    return day;
  }
  if (area.IsShanghai()) {
    day.label = ClockLabel(area, date);
  } else if (day.teachingWeek) {
    ShortText label(kTeachingWeekPrefix);
    label.AppendNumber(*day.teachingWeek);
    label.Append(kTeachingWeekSuffix);
    day.label = label;
  } else {
    day.label = ShortText(kTimeLabel);
  }
  return day;
}

void SchoolDays::SetRules(DayRules rules) {
  rules_ = std::move(rules);
  last_.reset();
}

const SchoolDay& SchoolDays::On(year_month_day date, CalendarArea area) {
  if (!last_ || last_->date != date || lastArea_ != area) {
    last_ = rules_.Decide(date, area);
    lastArea_ = area;
  }
  return *last_;
}

std::string_view LessonHalf(std::string_view cell, WeekParity parity) {
  if (parity == WeekParity::Unknown) return cell;
  const std::size_t slash = cell.find('/');
  if (slash == std::string_view::npos || cell.find('/', slash + 1) != std::string_view::npos)
    return cell;
  return parity == WeekParity::Odd ? cell.substr(0, slash) : cell.substr(slash + 1);
}

int SwapRow(const ClockCells& cells, std::string_view period) {
  for (int row = 1; row < cells.Rows(); ++row)
    if (CellText(cells, row, 0) == period) return row;
  int number = 0;
  const auto [end, error] = std::from_chars(period.data(), period.data() + period.size(), number);
  if (error == std::errc() && end == period.data() + period.size() && number >= 1 &&
      number < cells.Rows())
    return number;
  return 0;
}

std::string_view DayLesson(const ClockCells& cells, const SchoolDay& day, int row) {
  std::string_view text = CellText(cells, row, day.column);
  for (const DaySwap& swap : day.swaps)
    if (row > 0 && SwapRow(cells, swap.period) == row) text = swap.text;
  return LessonHalf(text, day.parity);
}

std::vector<SwappedCell> SwappedCells(const ClockCells& cells, const SchoolDay& day) {
  std::vector<SwappedCell> swapped;
  if (!day.lessons || day.column >= cells.Cols()) return swapped;
  for (const DaySwap& swap : day.swaps) {
    const int row = SwapRow(cells, swap.period);
    if (row == 0) continue;
    const auto same = std::find_if(swapped.begin(), swapped.end(),
                                   [row](const SwappedCell& c) { return c.row == row; });
    if (same != swapped.end())
      same->text = swap.text;
    else
      swapped.push_back({row, day.column, swap.text});
  }
  return swapped;
}

}  // namespace orvel::clock
