#pragma once
// The country's public holidays and make-up workdays in force: the built-in table, with whole
// years taken instead from the holiday files a school or the PC's user drops in. Made when the
// day lists are read, asked once per date.
#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calendar/holiday_table.h"

namespace orvel {

// From this day of December on, a date may belong to the next year's arrangement, whose New Year
// holiday and its make-up day can begin in the old year: a year's file lists days from this day
// of the year before to the end of its own.
inline constexpr std::chrono::day kFirstYearEndDay{25};
bool InYearEnd(std::chrono::year_month_day date);

// Where a year's national days come from, weakest first.
enum class HolidaySource : unsigned char { BuiltIn, SchoolFile, LocalFile };

struct HolidayDate {
  std::chrono::year_month_day date{};
  NationalDayKind kind = NationalDayKind::Holiday;
  std::string name;

  friend bool operator==(const HolidayDate&, const HolidayDate&) = default;
};

// The days one file gives its year, in date order, each date once.
struct HolidayYear {
  int year = 0;
  std::vector<HolidayDate> days;
};

struct YearSource {
  int year = 0;
  HolidaySource source = HolidaySource::BuiltIn;

  friend bool operator==(const YearSource&, const YearSource&) = default;
};

class NationalDays {
 public:
  // The built-in table alone.
  NationalDays() = default;

  // A file's year, with at least one day, in place of what a weaker source gave that year; a
  // file weaker than the one the year has, or one without days, changes nothing.
  void Cover(HolidayYear year, HolidaySource source);

  // The date's holiday or make-up workday; nothing for an ordinary day. The name lives as long
  // as this table. In the year's end, the next year's file first.
  std::optional<NationalDay> On(std::chrono::year_month_day date) const;
  // Whether anything says which days of the year are national holidays.
  bool Covers(int year) const;
  // Every year with data and where it comes from, in order.
  std::vector<YearSource> Years() const;

 private:
  struct FileYear {
    HolidaySource source;
    std::vector<HolidayDate> days;
  };
  const FileYear* FileOf(int year) const;
  static std::optional<NationalDay> Find(const FileYear& file, std::chrono::year_month_day date);

  std::map<int, FileYear> files_;
};

}  // namespace orvel
