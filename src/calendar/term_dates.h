#pragma once
// ModXiaoLi: the first and last days of the two terms of a Chinese school year.
#include <chrono>
#include <cstdint>
#include <optional>

namespace orvel {

// Date codes of TermDate.
inline constexpr std::int16_t kFirstTermStart = 11;
inline constexpr std::int16_t kFirstTermEnd = 12;     // a Friday
inline constexpr std::int16_t kSecondTermStart = 21;  // a Monday
inline constexpr std::int16_t kSecondTermEnd = 22;

// Autumn years whose spring has a Spring Festival in the table.
inline constexpr std::int16_t kFirstAutumnYear = 1985;
inline constexpr std::int16_t kLastAutumnYear = 2100;

// The day that `code` selects in the school year whose first term starts in the autumn of
// `autumnYear`. nullopt for any other code, and for a year outside
// kFirstAutumnYear..kLastAutumnYear, for which there is no Spring Festival date.
std::optional<std::chrono::year_month_day> TermDate(std::int16_t autumnYear, std::int16_t code);

}  // namespace orvel
