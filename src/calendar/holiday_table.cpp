#include "calendar/holiday_table.h"

#include <algorithm>
#include <iterator>

namespace orvel {
namespace {

struct Entry {
  int year;
  unsigned month;
  unsigned day;
  BuiltInDayKind kind;
  std::string_view name;
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

std::optional<BuiltInDay> BuiltInDayOf(std::chrono::year_month_day date) {
  if (!date.ok()) return std::nullopt;
  const long key = Key(static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                       static_cast<unsigned>(date.day()));
  const Entry* found = std::lower_bound(std::begin(kTable), std::end(kTable), key,
                                        [](const Entry& e, long k) { return Key(e) < k; });
  if (found == std::end(kTable) || Key(*found) != key) return std::nullopt;
  return BuiltInDay{found->kind, found->name};
}

}  // namespace orvel
