#pragma once
// The country's public holidays and make-up workdays as the State Council announced them for
// 2020 to 2026, built in. scripts/holidays/generate.js writes the table.
#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

namespace orvel {

enum class NationalDayKind : unsigned char {
  Holiday,        // no work or school
  MakeUpWorkday,  // a weekend day worked in exchange for a holiday
};

struct NationalDay {
  NationalDayKind kind;
  std::string_view name;  // the holiday it belongs to: "国庆节", "春节"...
};

// The date's entry in the built-in table; nothing for an ordinary day or a date outside it.
std::optional<NationalDay> BuiltInDayOf(std::chrono::year_month_day date);

// The years the built-in table holds, in order.
std::vector<int> BuiltInYears();

}  // namespace orvel
