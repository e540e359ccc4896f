#pragma once
// The label the schedule clock writes into cell (0, 1): the teaching week, the vacation, or
// "时间". Shared by both editions' clocks.
#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string_view>

#include "timetable/setting_choices.h"

namespace orvel::clock {

inline constexpr std::string_view kWinterVacationLabel = "寒假";
inline constexpr std::string_view kSummerVacationLabel = "暑假";
inline constexpr std::string_view kTimeLabel = "时间";
inline constexpr std::string_view kFirstTermSuffix = "(I)";
inline constexpr std::string_view kSecondTermSuffix = "(II)";

// A label held in place: the clock builds one every second and must not touch the heap for it.
class ShortText {
 public:
  static constexpr std::size_t kCapacity = 64;

  ShortText() = default;
  // Texts longer than kCapacity are cut at a whole UTF-8 character; the labels of the clock fit,
  // a long holiday name of the day list is cut.
  explicit ShortText(std::string_view text) { Append(text); }

  void Append(std::string_view text);
  void AppendNumber(long long value);
  std::string_view view() const { return {bytes_.data(), size_}; }

  friend bool operator==(const ShortText& a, const ShortText& b) { return a.view() == b.view(); }

 private:
  std::array<char, kCapacity> bytes_{};
  std::size_t size_ = 0;
};

// Monday 1 ... Sunday 7.
int MondayFirstWeekday(std::chrono::year_month_day date);

// "week/total" and the suffix for a term from `start` to `end`: the week goes up on every Sunday
// after the start (the weekday of the start counts in), total counts the term's whole weeks.
ShortText WeekLabel(std::chrono::year_month_day today, std::chrono::year_month_day start,
                    std::chrono::year_month_day end, std::string_view suffix);

// What the clock writes into cell (0, 1) today; nothing on a day it leaves the cell alone (after
// the second term and before July, or a year without term dates). "上海" has weeks and
// vacations; any other area gives "时间".
std::optional<ShortText> ClockLabel(CalendarArea area, std::chrono::year_month_day today);

// The teaching week the term dates give `today` (the number of the "上海" label), or nothing
// outside the terms.
std::optional<long long> TermDatesWeek(std::chrono::year_month_day today);

}  // namespace orvel::clock
