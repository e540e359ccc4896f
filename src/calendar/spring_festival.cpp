#include "calendar/spring_festival.h"

#include <cstddef>
#include <iterator>

namespace orvel {
namespace {

struct Entry {
  int year;
  unsigned month;
  unsigned day;
};

constexpr Entry kTable[] = {
#include "spring_festival_table.inc"
};

// A regenerated table must still be one entry per year, in order, inside the festival's window
// of 21 January to 20 February; anything else would put the terms in the wrong place.
constexpr bool TableIsWellFormed() {
  for (std::size_t i = 0; i < std::size(kTable); ++i) {
    const Entry& e = kTable[i];
    if (e.year != kFirstSpringFestivalYear + static_cast<int>(i)) return false;
    const bool inJanuary = e.month == 1 && e.day >= 21 && e.day <= 31;
    const bool inFebruary = e.month == 2 && e.day >= 1 && e.day <= 20;
    if (!inJanuary && !inFebruary) return false;
  }
  return true;
}

static_assert(std::size(kTable) == kLastSpringFestivalYear - kFirstSpringFestivalYear + 1);
static_assert(TableIsWellFormed());

}  // namespace

std::optional<std::chrono::year_month_day> SpringFestival(std::chrono::year springYear) {
  const int year = static_cast<int>(springYear);
  if (year < kFirstSpringFestivalYear || year > kLastSpringFestivalYear) return std::nullopt;
  const Entry& e = kTable[static_cast<std::size_t>(year - kFirstSpringFestivalYear)];
  return std::chrono::year_month_day{springYear, std::chrono::month{e.month},
                                     std::chrono::day{e.day}};
}

}  // namespace orvel
