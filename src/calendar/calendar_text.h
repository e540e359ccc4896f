#pragma once
// The text of a school calendar file: UTF-8, one week per line, lines ended by CR LF.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// Appends the week rows of the term from `first` to `last`: the week number, then Sunday to
// Saturday. The first day is written in full (2009/9/1), the first of a month as 10/1, or as
// 2010/1/1 in a later year than the first day, any other day as its number. Days before the
// first day are empty cells. A term that ends on a Saturday has no empty field after it; one
// that ends on Monday to Friday keeps a trailing comma. Nothing is appended when `last`
// precedes `first`.
void WriteTermWeeks(std::string& out, std::chrono::year_month_day first,
                    std::chrono::year_month_day last);

// The whole calendar of the school year starting in `autumnYear`, titled with `label`; nullopt
// when there are no term dates for that year.
std::optional<std::string> CalendarText(std::string_view label, std::int16_t autumnYear);

}  // namespace orvel
