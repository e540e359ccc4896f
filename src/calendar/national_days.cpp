#include "calendar/national_days.h"

#include <algorithm>
#include <utility>

namespace orvel {

using std::chrono::sys_days;

bool InYearEnd(std::chrono::year_month_day date) {
  return date.month() == std::chrono::December && date.day() >= kFirstYearEndDay;
}

void NationalDays::Cover(HolidayYear year, HolidaySource source) {
  if (year.days.empty()) return;
  const auto found = files_.find(year.year);
  if (found != files_.end() && found->second.source > source) return;
  files_[year.year] = FileYear{source, std::move(year.days)};
}

std::optional<NationalDay> NationalDays::On(std::chrono::year_month_day date) const {
  if (!date.ok()) return std::nullopt;
  const int year = static_cast<int>(date.year());
  const FileYear* own = FileOf(year);
  if (InYearEnd(date)) {
    // The next year's arrangement may begin its New Year holiday here (2022-12-31 is in 2023's);
    // the built-in table's days here are the next year's too.
    const FileYear* next = FileOf(year + 1);
    if (next)
      if (std::optional<NationalDay> found = Find(*next, date)) return found;
    if (own)
      if (std::optional<NationalDay> found = Find(*own, date)) return found;
    return next ? std::nullopt : BuiltInDayOf(date);
  }
  return own ? Find(*own, date) : BuiltInDayOf(date);
}

const NationalDays::FileYear* NationalDays::FileOf(int year) const {
  const auto found = files_.find(year);
  return found != files_.end() ? &found->second : nullptr;
}

std::optional<NationalDay> NationalDays::Find(const FileYear& file,
                                              std::chrono::year_month_day date) {
  const std::vector<HolidayDate>& days = file.days;
  const auto found =
      std::lower_bound(days.begin(), days.end(), sys_days{date},
                       [](const HolidayDate& d, sys_days when) { return sys_days{d.date} < when; });
  if (found == days.end() || found->date != date) return std::nullopt;
  return NationalDay{found->kind, found->name};
}

bool NationalDays::Covers(int year) const {
  if (files_.contains(year)) return true;
  const std::vector<int> builtIn = BuiltInYears();
  return std::binary_search(builtIn.begin(), builtIn.end(), year);
}

std::vector<YearSource> NationalDays::Years() const {
  std::vector<YearSource> years;
  for (const int year : BuiltInYears())
    if (!files_.contains(year)) years.push_back({year, HolidaySource::BuiltIn});
  for (const auto& [year, file] : files_) years.push_back({year, file.source});
  std::sort(years.begin(), years.end(),
            [](const YearSource& a, const YearSource& b) { return a.year < b.year; });
  return years;
}

}  // namespace orvel
