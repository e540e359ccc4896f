#include "calendar/holiday_table.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace orvel {
namespace {

// Six bytes an entry: the table is in every program.
struct Entry {
  std::uint16_t year;
  std::uint8_t month;
  std::uint8_t day;
  NationalDayKind kind;
  std::uint8_t name;  // index into kNames
};

constexpr std::string_view kNames[] = {
#define HOLIDAY_NAMES
#include "calendar/holiday_table.inc"
#undef HOLIDAY_NAMES
};

constexpr Entry kTable[] = {
#include "calendar/holiday_table.inc"
};

constexpr long Key(int year, unsigned month, unsigned day) {
  return static_cast<long>(year) * 10000 + static_cast<long>(month) * 100 + day;
}
constexpr long Key(const Entry& e) { return Key(e.year, e.month, e.day); }

constexpr bool SortedByDate() {
  for (std::size_t i = 1; i < std::size(kTable); ++i)
    if (Key(kTable[i - 1]) >= Key(kTable[i])) return false;
  return true;
}
static_assert(SortedByDate(), "the holiday table is looked up by binary search");

}  // namespace

std::optional<NationalDay> BuiltInDayOf(std::chrono::year_month_day date) {
  if (!date.ok()) return std::nullopt;
  const long key = Key(static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                       static_cast<unsigned>(date.day()));
  const Entry* found = std::lower_bound(std::begin(kTable), std::end(kTable), key,
                                        [](const Entry& e, long k) { return Key(e) < k; });
  if (found == std::end(kTable) || Key(*found) != key) return std::nullopt;
  return NationalDay{found->kind, kNames[found->name]};
}

std::vector<int> BuiltInYears() {
  std::vector<int> years;
  for (const Entry& e : kTable)
    if (years.empty() || years.back() != e.year) years.push_back(e.year);
  return years;
}

}  // namespace orvel
